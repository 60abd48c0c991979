#include "numbertext.h"
#include "settingimage.h"

#include <QRandomGenerator>
#include <QTest>

using namespace SettingImage;

namespace {

const QString Example = u"E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504"_qs;

QString withByte(QString image, int k, const QString& hex) { return image.replace(2 * k, 2, hex); }

QString byteOf(const QString& image, int k) { return image.mid(2 * k, 2); }

// What the main window ends up holding after showing a decoded image.
WindowValues windowFrom(const Decoded& d)
{
    WindowValues w;
    w.texts = d.texts;
    if (NumberText::leadingNumber(w.texts[7]) == 480) {
        w.curLimOff = true;
        w.texts[7].clear();
    }
    for (int i = 0; i < ModeCount; ++i)
        w.mode[i] = d.modeByte & (1 << i);
    if (w.mode[2] && w.mode[4])
        w.mode[2] = false;
    return w;
}

WindowValues exampleWindow() { return windowFrom(decode(Example)); }

QString hex16(int value) { return (u"000"_qs + NumberText::hex(uint32_t(value))).right(4); }

// A text a user could leave in box i: at the bound, or anywhere in range.
QString boxText(int i, int pick, QRandomGenerator& random)
{
    const ParameterInfo& p = parameterTable()[i];
    const int step = i == 7 || i == 12 ? 10 : 1;
    const int low = p.spinMin / step;
    const int high = p.spinMax / step;
    const int n = pick == 0 ? low : pick == 1 ? high : random.bounded(low, high + 1);
    if (i == 6)
        return NumberText::shortest(float(NumberText::leadingNumber(QString::number(n / 10.0))));
    return QString::number(n * step);
}

} // namespace

class TestSettingImage : public QObject {
    Q_OBJECT

private slots:
    void example_decodesToTheListedValues()
    {
        const Decoded d = decode(Example);
        QCOMPARE(d.status, DecodeStatus::Ok);
        QCOMPARE(d.modelCode, 2);
        const QStringList expected { u"1000"_qs, u"5000"_qs, u"1520"_qs, u"2000"_qs, u"1000"_qs,
            u"10"_qs, u"3.5"_qs, u"150"_qs, u"50"_qs, u"80"_qs, u"30"_qs, u"60"_qs, u"200"_qs,
            u"20"_qs, u"40"_qs };
        QCOMPARE(QStringList(d.texts.begin(), d.texts.end()), expected);
        QCOMPARE(d.version, u"21"_qs);
        QCOMPARE(d.modeByte, 0x04);
    }

    void example_encodesBackToTheSameImage()
    {
        const Encoded e = encode(exampleWindow(), Example);
        QCOMPARE(e.status, EncodeStatus::Ok);
        QCOMPARE(e.image, Example);
    }

    void decode_edgeCases_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::newRow("6 V without point") << withByte(Example, 17, u"4D"_qs) << 6 << u"6"_qs;
        QTest::newRow("2.5 V") << withByte(Example, 17, u"20"_qs) << 6 << u"2.5"_qs;
        QTest::newRow("low byte first")
            << withByte(Example, 0, u"10"_qs).replace(2, 2, u"27"_qs) << 0 << u"10000"_qs;
        QTest::newRow("limiter off as 480") << withByte(Example, 19, u"FF"_qs) << 7 << u"480"_qs;
        QTest::newRow("percent 7F") << withByte(Example, 15, u"7F"_qs) << 14 << u"50"_qs;
        QTest::newRow("lower case") << withByte(Example, 24, u"9f"_qs) << 12 << u"300"_qs;
        QTest::newRow("above 32767 stays positive")
            << withByte(Example, 3, u"FF"_qs) << 1 << u"65416"_qs;
        QTest::newRow("trailing line end ignored") << Example + u"\r\n"_qs << 5 << u"10"_qs;
    }
    void decode_edgeCases()
    {
        QFETCH(QString, image);
        QFETCH(int, box);
        QFETCH(QString, text);
        const Decoded d = decode(image);
        QCOMPARE(d.status, DecodeStatus::Ok);
        QCOMPARE(d.texts[box], text);
    }

    void decode_allZeroImageOfThisModel_showsZeros()
    {
        const Decoded d = decode(withByte(QString(64, u'0'), 29, u"02"_qs));
        QCOMPARE(d.status, DecodeStatus::Ok);
        for (const QString& text : d.texts)
            QCOMPARE(text, u"0"_qs);
        QCOMPARE(d.version, u"0"_qs);
        QCOMPARE(d.modeByte, 0);
    }

    void decode_modeByte_keepsOnlyTheFiveBoxes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<bool>>("boxes");
        QTest::newRow("both exclusive bits: robot wins")
            << u"14"_qs << QList<bool> { false, false, false, false, true };
        QTest::newRow("unused bits only") << u"E0"_qs << QList<bool>(5, false);
        QTest::newRow("all") << u"1f"_qs << QList<bool> { true, true, false, true, true };
    }
    void decode_modeByte_keepsOnlyTheFiveBoxes()
    {
        QFETCH(QString, mode);
        QFETCH(QList<bool>, boxes);
        const WindowValues w = windowFrom(decode(withByte(Example, 31, mode)));
        QCOMPARE(QList<bool>(w.mode.begin(), w.mode.end()), boxes);
        QCOMPARE(byteOf(encode(w, Example).image, 31),
            NumberText::hex(0x100 + (mode.toInt(nullptr, 16) & 0x1B)).right(2));
    }

    void decode_refusesAllButThisModel_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<DecodeStatus>("status");
        QTest::addColumn<int>("model");
        QTest::newRow("deleted") << withByte(Example, 29, u"FF"_qs) << DecodeStatus::Deleted << 255;
        QTest::newRow("deleted, lower case")
            << withByte(Example, 29, u"ff"_qs) << DecodeStatus::Deleted << 255;
        QTest::newRow("other model")
            << withByte(Example, 29, u"03"_qs) << DecodeStatus::OtherModel << 3;
        QTest::newRow("model not a number reads 0")
            << withByte(Example, 29, u"Z2"_qs) << DecodeStatus::OtherModel << 0;
        QTest::newRow("model 2 followed by junk is this model, bad field")
            << withByte(Example, 29, u"2Z"_qs) << DecodeStatus::BadField << 2;
        QTest::newRow("junk in a field")
            << withByte(Example, 5, u"G0"_qs) << DecodeStatus::BadField << 2;
        QTest::newRow("junk in an unread byte")
            << withByte(Example, 11, u" 0"_qs) << DecodeStatus::BadField << 2;
        QTest::newRow("too short") << Example.left(63) << DecodeStatus::BadField << 0;
    }
    void decode_refusesAllButThisModel()
    {
        QFETCH(QString, image);
        QFETCH(DecodeStatus, status);
        QFETCH(int, model);
        const Decoded d = decode(image);
        QCOMPARE(d.status, status);
        QCOMPARE(d.modelCode, model);
        for (const QString& text : d.texts)
            QVERIFY(text.isEmpty());
    }

    void encode_writesTheBytesOfEachBox_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("hex");
        QTest::newRow("shift level 50 -> 80") << 14 << u"50"_qs << 15 << u"80"_qs;
        QTest::newRow("neutral brake 30 -> 4C") << 10 << u"30"_qs << 22 << u"4C"_qs;
        QTest::newRow("2.5 V -> 20") << 6 << u"2.5"_qs << 17 << u"20"_qs;
        QTest::newRow("6 V -> 4D") << 6 << u"6"_qs << 17 << u"4D"_qs;
        QTest::newRow("10000 Hz low byte") << 1 << u"10000"_qs << 2 << u"10"_qs;
        QTest::newRow("10000 Hz high byte") << 1 << u"10000"_qs << 3 << u"27"_qs;
        QTest::newRow("5.5 -> 6") << 5 << u"5.5"_qs << 16 << u"06"_qs;
        QTest::newRow("4.5 -> 4") << 8 << u"4.5"_qs << 20 << u"04"_qs;
        QTest::newRow("padded to two digits") << 11 << u"0"_qs << 23 << u"00"_qs;
        QTest::newRow("80 A -> 2A") << 12 << u"80"_qs << 24 << u"2A"_qs;
        QTest::newRow("blanks around a number") << 13 << u" 7 "_qs << 25 << u"07"_qs;
        QTest::newRow("hidden boxes not written") << 2 << u"1020"_qs << 4 << u"F0"_qs;
    }
    void encode_writesTheBytesOfEachBox()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(int, byte);
        QFETCH(QString, hex);
        WindowValues w = exampleWindow();
        w.texts[box] = text;
        const Encoded e = encode(w, Example);
        QCOMPARE(e.status, EncodeStatus::Ok);
        QCOMPARE(byteOf(e.image, byte), hex);
    }

    void encode_modeBoxes_data()
    {
        QTest::addColumn<QList<bool>>("boxes");
        QTest::addColumn<QString>("hex");
        QTest::newRow("none") << QList<bool>(5, false) << u"00"_qs;
        QTest::newRow("0 and 4") << QList<bool> { true, false, false, false, true } << u"11"_qs;
        QTest::newRow("all, as given") << QList<bool>(5, true) << u"1F"_qs;
    }
    void encode_modeBoxes()
    {
        QFETCH(QList<bool>, boxes);
        QFETCH(QString, hex);
        WindowValues w = exampleWindow();
        std::copy(boxes.begin(), boxes.end(), w.mode.begin());
        QCOMPARE(byteOf(encode(w, Example).image, 31), hex);
    }

    void encode_limiterOff_writesFFWhateverBox7Holds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("red");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("red") << u"480"_qs << true;
        QTest::newRow("valid") << u"150"_qs << false;
    }
    void encode_limiterOff_writesFFWhateverBox7Holds()
    {
        QFETCH(QString, text);
        QFETCH(bool, red);
        WindowValues w = exampleWindow();
        w.curLimOff = true;
        w.texts[7] = text;
        w.red[7] = red;
        const Encoded e = encode(w, Example);
        QCOMPARE(e.status, EncodeStatus::Ok);
        QCOMPARE(byteOf(e.image, 19), u"FF"_qs);
    }

    void encode_stopsAtTheFirstInvalidBox_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("red");
        QTest::addColumn<int>("failing");
        QTest::newRow("empty") << 9 << QString() << false << 9;
        QTest::newRow("red") << 12 << u"200"_qs << true << 12;
        QTest::newRow("letters after digits") << 8 << u"12abc"_qs << false << 8;
        QTest::newRow("letters only") << 13 << u"abc"_qs << false << 13;
        QTest::newRow("above range, not marked") << 7 << u"480"_qs << false << 7;
        QTest::newRow("below range, not marked") << 6 << u"2.4"_qs << false << 6;
        QTest::newRow("hidden box checked too") << 3 << u"700"_qs << false << 3;
        QTest::newRow("last box") << 14 << u"101"_qs << false << 14;
    }
    void encode_stopsAtTheFirstInvalidBox()
    {
        QFETCH(int, box);
        QFETCH(QString, text);
        QFETCH(bool, red);
        QFETCH(int, failing);
        WindowValues w = exampleWindow();
        w.texts[box] = text;
        w.red[box] = red;
        w.texts[14].clear(); // a later fault must not be the one reported
        if (box == 14)
            w.texts[14] = text;
        const Encoded e = encode(w, Example);
        QCOMPARE(e.status, EncodeStatus::InvalidBox);
        QCOMPARE(e.box, failing);
        QVERIFY(e.image.isEmpty());
    }

    void encode_allBoxesEmpty_failsAtTheFirst()
    {
        const Encoded e = encode(WindowValues {}, QString());
        QCOMPARE(e.status, EncodeStatus::InvalidBox);
        QCOMPARE(e.box, 0);
    }

    void encode_withoutAHexSource_isRefused_data()
    {
        QTest::addColumn<QString>("source");
        QTest::newRow("none") << QString();
        QTest::newRow("short") << Example.left(63);
        QTest::newRow("junk") << withByte(Example, 28, u"0x"_qs);
    }
    void encode_withoutAHexSource_isRefused()
    {
        QFETCH(QString, source);
        const Encoded e = encode(exampleWindow(), source);
        QCOMPARE(e.status, EncodeStatus::NoSource);
        QVERIFY(e.image.isEmpty());
    }

    void encode_lowerCaseSource_givesUpperCaseImage()
    {
        const Encoded e = encode(exampleWindow(), Example.toLower() + u"\r\n"_qs);
        QCOMPARE(e.image, Example);
    }

    void generatedWindows_surviveEncodeDecodeEncode()
    {
        QRandomGenerator random(586);
        int cases = 0;
        for (int pick = 0; pick < 6; ++pick) {
            for (int mask = 0; mask < 32; ++mask) {
                if ((mask & 0x14) == 0x14)
                    continue; // the window never holds both
                for (const bool off : { false, true }) {
                    roundTrip(pick, mask, off, random);
                    if (QTest::currentTestFailed())
                        return;
                    ++cases;
                }
            }
        }
        QCOMPARE(cases, 6 * 24 * 2);
    }

private:
    void roundTrip(int pick, int mask, bool off, QRandomGenerator& random)
    {
        WindowValues w;
        for (int i = 0; i < ParameterCount; ++i)
            w.texts[i] = boxText(i, pick, random);
        w.curLimOff = off;
        if (off)
            w.texts[7].clear();
        for (int i = 0; i < ModeCount; ++i)
            w.mode[i] = mask & (1 << i);
        QString source = Example;
        for (int i = 2; i <= 4; ++i) {
            const QString h = hex16(w.texts[i].toInt());
            source.replace(4 * i, 4, h.right(2) + h.left(2));
        }
        const Encoded first = encode(w, source);
        QCOMPARE(first.status, EncodeStatus::Ok);
        QCOMPARE(first.image.size(), Length);
        QCOMPARE(first.image, first.image.toUpper());

        const Decoded d = decode(first.image);
        QCOMPARE(d.status, DecodeStatus::Ok);
        for (int i = 0; i < ParameterCount; ++i)
            QCOMPARE(d.texts[i], i == 7 && off ? u"480"_qs : w.texts[i]);
        QCOMPARE(d.modeByte, mask);
        QCOMPARE(d.version, u"21"_qs);

        const Encoded second = encode(windowFrom(d), first.image);
        QCOMPARE(second.image, first.image);
        QCOMPARE(decode(second.image).texts, d.texts);
    }
};

QTEST_APPLESS_MAIN(TestSettingImage)
#include "tst_settingimage.moc"
