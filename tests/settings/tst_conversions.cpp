#include "conversions.h"
#include "numbertext.h"
#include "parametertable.h"

#include <QTest>

using namespace Conversions;

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    void conversions_matchTheController_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        QTest::newRow("50 A") << u"current"_qs << u"50"_qs << u"1B"_qs;
        QTest::newRow("80 A, tie down") << u"current"_qs << u"80"_qs << u"2A"_qs;
        QTest::newRow("3.3 V as single") << u"volt"_qs << u"3.3"_qs << u"2A"_qs;
        QTest::newRow("50 %, tie up") << u"percent"_qs << u"50"_qs << u"80"_qs;
        QTest::newRow("30 %, tie down") << u"percent"_qs << u"30"_qs << u"4C"_qs;
        QTest::newRow("raw FF amps") << u"rawCurrent"_qs << u"&HFF"_qs << u"480"_qs;
        QTest::newRow("raw 4D volts") << u"rawVolt"_qs << u"&H4D"_qs << u"6"_qs;
        QTest::newRow("raw 7F percent") << u"rawPercent"_qs << u"&H7F"_qs << u"50"_qs;
        QTest::newRow("raw 80 percent") << u"rawPercent"_qs << u"&H80"_qs << u"50"_qs;
        QTest::newRow("volt tooltip") << u"tooltip"_qs << u"6"_qs << u"2.5\uFF5E6"_qs;
        QTest::newRow("timer tooltip") << u"tooltip"_qs << u"11"_qs << u"0\uFF5E240"_qs;
    }
    void conversions_matchTheController()
    {
        QFETCH(QString, kind);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        const float value = NumberText::leadingNumber(input);
        const QString actual = kind == u"current" ? CurrentToHex(value)
            : kind == u"volt"                     ? VoltToHex(value)
            : kind == u"percent"                  ? PercentToHex(value)
            : kind == u"rawCurrent"               ? NumberText::shortest(RawToCurrent(input))
            : kind == u"rawVolt"                  ? NumberText::shortest(RawToVolt(input))
            : kind == u"rawPercent"               ? RawToPercent(input)
                                                  : parameterTooltip(parameterAt(input.toInt()));
        QCOMPARE(actual, expected);
    }

    // What the spin buttons can set must read back unchanged from the controller.
    void everySpinStep_survivesTheRoundTrip()
    {
        for (int p = 0; p <= 100; ++p)
            QCOMPARE(RawToPercent(u"&H"_qs + PercentToHex(float(p))), QString::number(p));
        for (int tenths = 25; tenths <= 60; ++tenths) {
            const float volts = NumberText::leadingNumber(QString::number(tenths / 10.0));
            QCOMPARE(RawToVolt(u"&H"_qs + VoltToHex(volts)), volts);
        }
        for (int amps = 50; amps <= 300; amps += 10)
            QCOMPARE(RawToCurrent(u"&H"_qs + CurrentToHex(float(amps))), float(amps));
    }
};

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_conversions.moc"
