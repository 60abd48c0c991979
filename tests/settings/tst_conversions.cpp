#include "conversions.h"
#include "numbertext.h"

#include <QTest>

using namespace Conversions;

class TestConversions : public QObject {
    Q_OBJECT

private slots:
    // Ties must land where the controller's own tools put them.
    void toHex_roundsLikeTheController_data()
    {
        QTest::addColumn<int>("kind"); // current, volt, percent
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("hex");
        QTest::newRow("80 A, tie down") << 0 << 80.0f << u"2A"_qs;
        QTest::newRow("3.3 V as single") << 1 << 3.3f << u"2A"_qs;
        QTest::newRow("30 %, tie down") << 2 << 30.0f << u"4C"_qs;
    }
    void toHex_roundsLikeTheController()
    {
        QFETCH(int, kind);
        QFETCH(float, value);
        const std::array toHex { &CurrentToHex, &VoltToHex, &PercentToHex };
        QTEST(toHex.at(size_t(kind))(value), "hex");
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
