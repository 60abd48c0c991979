#include "porttable.h"

#include <QTest>

class TestPortTable : public QObject {
    Q_OBJECT

private slots:
    void portNumber_mapsToDeviceUnlessNamed_data()
    {
        QTest::addColumn<int>("portNo");
        QTest::addColumn<QString>("device");
#ifdef Q_OS_WIN
        const QStringList plain { u"COM4"_qs, u"COM8"_qs, u"COM9"_qs, u"COM17"_qs };
#else
        const QStringList plain { u"/dev/ttyUSB3"_qs, u"/dev/ttyACM3"_qs, u"/dev/ttyS0"_qs, {} };
#endif
        QTest::newRow("4") << 4 << plain[0];
        QTest::newRow("5 named") << 5 << u"/dev/serial/by-id/usb-tz-if00"_qs;
        QTest::newRow("8") << 8 << plain[1];
        QTest::newRow("9 named blank") << 9 << plain[2];
        QTest::newRow("0") << 0 << QString();
        QTest::newRow("17 named") << 17 << plain[3];
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
