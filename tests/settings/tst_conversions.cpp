#include "conversions.h"
#include "numbertext.h"

#include <QTest>

#include <cmath>

using namespace Conversions;

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void toHex_roundsHalvesToEven_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("hex");
        QTest::newRow("50 A, 26.5625") << u"current"_qs << 50.0f << u"1B"_qs;
        QTest::newRow("80 A, tie 42.5 down") << u"current"_qs << 80.0f << u"2A"_qs;
        QTest::newRow("250 A") << u"current"_qs << 250.0f << u"85"_qs;
        QTest::newRow("300 A") << u"current"_qs << 300.0f << u"9F"_qs;
        QTest::newRow("0 A no padding") << u"current"_qs << 0.0f << u"0"_qs;
        QTest::newRow("2.5 V") << u"volt"_qs << 2.5f << u"20"_qs;
        QTest::newRow("3.3 V, single is 42.5") << u"volt"_qs << 3.3f << u"2A"_qs;
        QTest::newRow("6 V") << u"volt"_qs << 6.0f << u"4D"_qs;
        QTest::newRow("100 %") << u"percent"_qs << 100.0f << u"FF"_qs;
        QTest::newRow("0 %") << u"percent"_qs << 0.0f << u"0"_qs;
        QTest::newRow("50 %, tie 127.5 up") << u"percent"_qs << 50.0f << u"80"_qs;
        QTest::newRow("10 %") << u"percent"_qs << 10.0f << u"1A"_qs;
        QTest::newRow("30 %, tie 76.5 down") << u"percent"_qs << 30.0f << u"4C"_qs;
        QTest::newRow("70 %") << u"percent"_qs << 70.0f << u"B2"_qs;
        QTest::newRow("90 %") << u"percent"_qs << 90.0f << u"E6"_qs;
    }
    void toHex_roundsHalvesToEven()
    {
        QFETCH(QString, kind);
        QFETCH(float, value);
        QFETCH(QString, hex);
        if (kind == u"current")
            QCOMPARE(CurrentToHex(value), hex);
        else if (kind == u"volt")
            QCOMPARE(VoltToHex(value), hex);
        else
            QCOMPARE(PercentToHex(value), hex);
    }

    void rawToCurrent_givesTensOfAmps_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<float>("amps");
        QTest::newRow("1B") << u"&H1B"_qs << 50.0f;
        QTest::newRow("decimal 27 like 1B") << u"27"_qs << 50.0f;
        QTest::newRow("2A") << u"&H2A"_qs << 80.0f;
        QTest::newRow("9F") << u"&H9F"_qs << 300.0f;
        QTest::newRow("FF limiter off") << u"&HFF"_qs << 480.0f;
        QTest::newRow("0") << u"&H00"_qs << 0.0f;
        QTest::newRow("1") << u"1"_qs << 0.0f;
        QTest::newRow("10") << u"&H10"_qs << 30.0f;
        QTest::newRow("64") << u"&H64"_qs << 190.0f;
        QTest::newRow("A0 lower case") << u"&Ha0"_qs << 300.0f;
        QTest::newRow("FE") << u"&HFE"_qs << 480.0f;
    }
    void rawToCurrent_givesTensOfAmps()
    {
        QFETCH(QString, raw);
        QFETCH(float, amps);
        QCOMPARE(RawToCurrent(raw), amps);
    }

    void rawToVolt_givesOneDecimal_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("shown");
        QTest::newRow("20") << u"&H20"_qs << u"2.5"_qs;
        QTest::newRow("2D") << u"&H2D"_qs << u"3.5"_qs;
        QTest::newRow("4D shows no point") << u"&H4D"_qs << u"6"_qs;
        QTest::newRow("FF") << u"&HFF"_qs << u"19.8"_qs;
        QTest::newRow("FE") << u"254"_qs << u"19.7"_qs;
        QTest::newRow("0") << u"&H0"_qs << u"0"_qs;
        QTest::newRow("10") << u"&H10"_qs << u"1.2"_qs;
        QTest::newRow("60") << u"&H60"_qs << u"7.5"_qs;
        QTest::newRow("81") << u"&H81"_qs << u"10"_qs;
    }
    void rawToVolt_givesOneDecimal()
    {
        QFETCH(QString, raw);
        QFETCH(QString, shown);
        QCOMPARE(NumberText::shortest(RawToVolt(raw)), shown);
    }

    void rawToPercent_roundsHalvesAway_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("percent");
        QTest::newRow("80") << u"&H80"_qs << u"50"_qs;
        QTest::newRow("7F") << u"&H7F"_qs << u"50"_qs;
        QTest::newRow("FF") << u"&HFF"_qs << u"100"_qs;
        QTest::newRow("0") << u"&H00"_qs << u"0"_qs;
        QTest::newRow("4C") << u"&H4C"_qs << u"30"_qs;
    }
    void rawToPercent_roundsHalvesAway()
    {
        QFETCH(QString, raw);
        QFETCH(QString, percent);
        QCOMPARE(RawToPercent(raw), percent);
    }

    void everyWholePercent_survivesTheRoundTrip()
    {
        for (int p = 0; p <= 100; ++p)
            QCOMPARE(RawToPercent(u"&H"_qs + PercentToHex(float(p))), QString::number(p));
    }

    void everyTenthOfAVolt_survivesTheRoundTrip()
    {
        for (int tenths = 25; tenths <= 60; ++tenths) {
            const float volts = NumberText::leadingNumber(QString::number(tenths / 10.0));
            QCOMPARE(RawToVolt(u"&H"_qs + VoltToHex(volts)), volts);
        }
    }

    void everyTenAmps_surviveTheRoundTrip()
    {
        for (int amps = 50; amps <= 300; amps += 10)
            QCOMPARE(RawToCurrent(u"&H"_qs + CurrentToHex(float(amps))), float(amps));
    }

    void rawToCurrent_coversZeroTo480InTens()
    {
        float previous = 0;
        for (int raw = 0; raw <= 255; ++raw) {
            const float amps = RawToCurrent(QString::number(raw));
            QCOMPARE(std::fmod(amps, 10.0f), 0.0f);
            QVERIFY(amps >= previous && amps <= previous + 10);
            previous = amps;
        }
        QCOMPARE(previous, 480.0f);
    }
};

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
