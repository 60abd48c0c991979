#include "../testimage.h"
#include "imagecomparison.h"
#include "numbertext.h"
#include "settingimage.h"
#include "settingreply.h"

#include <QTest>
#include <algorithm>

using namespace SettingImage;

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
    }

    void decode_checksModelAndFields_data()
    {
        QTest::addColumn<QString>("image");
        QTest::addColumn<DecodeStatus>("status");
        QTest::addColumn<int>("model");
        QTest::newRow("deleted") << withBytes(Example, 29, u"FF"_qs) << DecodeStatus::Deleted
                                 << 255;
        QTest::newRow("other model")
            << withBytes(Example, 29, u"03"_qs) << DecodeStatus::OtherModel << 3;
        QTest::newRow("non-hex") << withBytes(Example, 5, u"G0"_qs) << DecodeStatus::BadField << 2;
        QTest::newRow("mode 0x14 kept")
            << withBytes(Example, 31, u"14"_qs) << DecodeStatus::Ok << 2;
        QTest::newRow("lower case") << withBytes(Example, 24, u"9f"_qs) << DecodeStatus::Ok << 2;
        QTest::newRow("64th character")
            << withBytes(Example, 31, u"0G"_qs) << DecodeStatus::BadField << 2;
        // Only leading hex digits count, as everywhere numbers are read: never 0 for "2Z".
        QTest::newRow("model 2Z") << withBytes(Example, 29, u"2Z"_qs) << DecodeStatus::BadField
                                  << 2;
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
    }

    void reply_isTakenOnlyWithAWholeHexImage_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("taken");
        const QString reply = u"sr"_qs + Example + u"\n\r"_qs;
        QTest::newRow("whole") << reply << true;
        QTest::newRow("64th character") << QString(reply).replace(65, 1, u'G') << false;
    }
    void reply_isTakenOnlyWithAWholeHexImage()
    {
        QFETCH(QString, reply);
        const std::optional<SettingReply> taken = acceptSettingReply(reply);
        QTEST(taken.has_value(), "taken");
        if (taken)
            QVERIFY(taken->image == Example && taken->romVersion == 0x15);
    }

    // An image that does not decode shows no values, and so no differences.
    void comparison_marksOnlyValuesThatDiffer_data()
    {
        QTest::addColumn<QString>("second");
        QTest::addColumn<int>("differing"); // -1: the second does not decode
        const QString deadBand = withBytes(Example, 16, u"0C"_qs);
        QTest::newRow("dead band") << deadBand << 1;
        QTest::newRow("other model") << withBytes(deadBand, 29, u"03"_qs) << -1;
    }
    void comparison_marksOnlyValuesThatDiffer()
    {
        QFETCH(QString, second);
        QFETCH(int, differing);
        const std::vector<ImageComparison::Row> rows = ImageComparison::compare(Example, second);
        QCOMPARE(rows.size(), size_t(ImageComparison::RowCount));
        QCOMPARE(
            int(std::count_if(rows.begin(), rows.end(), [](const auto& r) { return r.differs; })),
            std::max(differing, 0));
        QCOMPARE(rows.front().second.isEmpty(), differing < 0);
        QCOMPARE(ImageComparison::differences(Example, second), differing);
    }

    // Ties land where the controller's own tools put them.
    void fieldHex_roundsLikeTheController()
    {
        QCOMPARE(fieldHex(Parameter::CurrentLimit, 80.0f), u"2A"_qs);
        QCOMPARE(fieldHex(Parameter::LowBatteryCutoff, 3.3f), u"2A"_qs);
        QCOMPARE(fieldHex(Parameter::NeutralBrake, 30.0f), u"4C"_qs);
    }

    // Every value a box may hold goes out and comes back as the same text.
    void everyValueInRange_survivesEncodeAndDecode()
    {
        for (Parameter row : VisibleRows) {
            const ParameterInfo& p = info(row);
            for (int n = p.spinMin; n <= p.spinMax; n += p.increment) {
                const float value = row == Parameter::LowBatteryCutoff ? float(n / 10.0) : float(n);
                QString image = Example;
                const QString hex = fieldHex(row, value);
                image.replace(2 * p.offset, hex.size(), hex);
                QCOMPARE(fieldText(row, image), NumberText::shortest(value));
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestSettingImage)
#include "tst_settingimage.moc"
