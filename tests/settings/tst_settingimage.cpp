#include "numbertext.h"
#include "settingimage.h"
#include "settingreply.h"

#include <QRandomGenerator>
#include <QTest>

using namespace SettingImage;

namespace {

const QString Example = u"E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_qs;

QString withByte(QString image, int k, const QString& hex) { return image.replace(2 * k, 2, hex); }

// What the main window ends up holding after showing a decoded image.
WindowValues windowFrom(const Decoded& d)
{
    WindowValues w;
    w.texts = d.texts;
    w.curLimOff = d.texts[7] == u"480";
    if (w.curLimOff)
        w.texts[7].clear();
    for (int i = 0; i < ModeCount; ++i)
        w.mode[i] = d.modeByte & (1 << i);
    return w;
}

} // namespace

class TestSettingImage : public QObject {
    Q_OBJECT

private slots:
    void example_decodesToTheListedValuesAndEncodesBackToItself()
    {
        const Decoded d = decode(Example);
        QCOMPARE(d.status, DecodeStatus::Ok);
        const QStringList expected { u"1000"_qs, u"5000"_qs, u"1520"_qs, u"2000"_qs, u"1000"_qs,
            u"10"_qs, u"3.5"_qs, u"150"_qs, u"50"_qs, u"80"_qs, u"30"_qs, u"60"_qs, u"200"_qs,
            u"20"_qs, u"40"_qs };
        QCOMPARE(QStringList(d.texts.begin(), d.texts.end()), expected);
        QCOMPARE(d.version, u"21"_qs);
        QCOMPARE(d.modeByte, 0x04);
        QCOMPARE(encode(windowFrom(d), Example).image, Example);
    }

    void decode_checksModelAndFields_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<DecodeStatus>("status");
        QTest::addColumn<int>("model");
        QTest::newRow("deleted") << withByte(Example, 29, u"FF"_qs) << DecodeStatus::Deleted << 255;
        QTest::newRow("other model")
            << withByte(Example, 29, u"03"_qs) << DecodeStatus::OtherModel << 3;
        QTest::newRow("non-hex") << withByte(Example, 5, u"G0"_qs) << DecodeStatus::BadField << 2;
        QTest::newRow("mode 0x14 kept") << withByte(Example, 31, u"14"_qs) << DecodeStatus::Ok << 2;
        QTest::newRow("lower case") << withByte(Example, 24, u"9f"_qs) << DecodeStatus::Ok << 2;
    }
    void decode_checksModelAndFields()
    {
        QFETCH(QString, image);
        QFETCH(DecodeStatus, status);
        QFETCH(int, model);
        const Decoded d = SettingImage::decode(image);
        QCOMPARE(d.status, status);
        QCOMPARE(d.modelCode, model);
        if (status != DecodeStatus::Ok)
            QCOMPARE(d.texts, decltype(d.texts) {});
        else
            QCOMPARE(encode(windowFrom(d), Example).image, image.toUpper());
    }

    void encode_refusesWhatTheControllerCannotTake_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("red");
        QTest::addColumn<QString>("source");
        QTest::addColumn<EncodeStatus>("status");
        QTest::newRow("empty") << 9 << QString() << false << Example << EncodeStatus::InvalidBox;
        QTest::newRow("red") << 12 << u"200"_qs << true << Example << EncodeStatus::InvalidBox;
        QTest::newRow("12abc") << 8 << u"12abc"_qs << false << Example << EncodeStatus::InvalidBox;
        QTest::newRow("2.4 V") << 6 << u"2.4"_qs << false << Example << EncodeStatus::InvalidBox;
        QTest::newRow("off, red 7") << 7 << u"999"_qs << true << Example << EncodeStatus::Ok;
        QTest::newRow("none") << 0 << u"1000"_qs << false << QString() << EncodeStatus::NoSource;
    }
    void encode_refusesWhatTheControllerCannotTake()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(bool, red);
        QFETCH(QString, source);
        QFETCH(EncodeStatus, status);
        WindowValues w = windowFrom(SettingImage::decode(Example));
        w.texts[box] = text;
        w.red[box] = red;
        w.curLimOff = box == 7;
        const Encoded e = encode(w, source);
        QCOMPARE(e.status, status);
        QCOMPARE(e.box, status == EncodeStatus::InvalidBox ? box : -1);
        QCOMPARE(e.image, status == EncodeStatus::Ok ? withByte(Example, 19, u"FF"_qs) : QString());
    }

    void generatedImages_surviveDecodeEncodeDecode()
    {
        QRandomGenerator random(586);
        for (int round = 0; round < 300; ++round) {
            WindowValues w = windowFrom(SettingImage::decode(Example));
            for (int i : VisibleRows) {
                const ParameterInfo& p = parameterTable()[i];
                const int n = random.bounded(p.spinMin / p.increment, p.spinMax / p.increment + 1);
                w.texts[i] = i == 6 ? NumberText::shortest(float(n / 10.0))
                                    : QString::number(n * p.increment);
            }
            w.curLimOff = round % 2;
            for (int i = 0; i < ModeCount; ++i)
                w.mode[i] = random.bounded(2);
            const QString image = encode(w, Example).image;
            const Decoded d = SettingImage::decode(image);
            for (int i : VisibleRows)
                QCOMPARE(d.texts[i], i == 7 && w.curLimOff ? u"480"_qs : w.texts[i]);
            QCOMPARE(windowFrom(d).mode, w.mode);
            QCOMPARE(encode(windowFrom(d), image).image, image);
        }
    }

    void settingReply_isAcceptedOnlyWhenWhole()
    {
        const QString reply = u"sr"_qs + Example + u"\n\r"_qs;
        const std::optional<SettingReply> good = acceptSettingReply(reply);
        QVERIFY(good && good->image == Example && good->romVersion == 0x15);
        QVERIFY(!acceptSettingReply(reply.chopped(1)));
        QVERIFY(!acceptSettingReply(reply + u'\r'));
        QVERIFY(!acceptSettingReply(withByte(reply, 3, u"G0"_qs)));
    }
};

QTEST_APPLESS_MAIN(TestSettingImage)
#include "tst_settingimage.moc"
