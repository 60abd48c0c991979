#include "porttable.h"

#include <QTest>

class TestPortTable : public QObject {
    Q_OBJECT

private slots:
    void portNumber_mapsToDeviceUnlessNamed_data()
    {
        QTest::addColumn<int>("portNo");
        QTest::addColumn<QString>("device");
        QTest::newRow("4") << 4 << u"/dev/ttyUSB3"_qs;
        QTest::newRow("5 named") << 5 << u"/dev/serial/by-id/usb-tz-if00"_qs;
        QTest::newRow("8") << 8 << u"/dev/ttyACM3"_qs;
        QTest::newRow("9 named blank") << 9 << u"/dev/ttyS0"_qs;
        QTest::newRow("0") << 0 << QString();
        QTest::newRow("17 named") << 17 << QString();
    }
    void portNumber_mapsToDeviceUnlessNamed()
    {
        QFETCH(int, portNo);
        QFETCH(QString, device);
        const PortOverrides named { { 5, u" /dev/serial/by-id/usb-tz-if00"_qs }, { 9, u" "_qs },
            { 17, u"/dev/ttyS9"_qs } };
        QCOMPARE(portDevice(portNo, named), device);
    }
};

QTEST_GUILESS_MAIN(TestPortTable)
#include "tst_porttable.moc"
