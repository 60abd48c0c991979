#include "inifile.h"
#include "porttable.h"

#include <QTemporaryDir>
#include <QTest>

class TestPortTable : public QObject {
    Q_OBJECT

private slots:
    void portNumber_mapsToDeviceUnlessPortsNamesOne_data()
    {
        QTest::addColumn<int>("portNo");
        QTest::addColumn<QString>("device");
        QTest::newRow("4") << 4 << u"/dev/ttyUSB3"_qs;
        QTest::newRow("5 named in Ports") << 5 << u"/dev/serial/by-id/usb-tz-if00"_qs;
        QTest::newRow("8") << 8 << u"/dev/ttyACM3"_qs;
        QTest::newRow("9 empty in Ports") << 9 << u"/dev/ttyS0"_qs;
        QTest::newRow("0") << 0 << QString();
        QTest::newRow("17 named in Ports") << 17 << QString();
    }
    void portNumber_mapsToDeviceUnlessPortsNamesOne()
    {
        QFETCH(int, portNo);
        QTemporaryDir dir;
        QFile file(dir.filePath(u"TZ586KV Link.ini"_qs));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "[Ports]\r\nCom5=/dev/serial/by-id/usb-tz-if00\r\nCom9=\r\nCom17=/dev/ttyS9\r\n");
        file.close();
        const IniFile ini(file.fileName());
        QTEST(PortDevice(portNo, &ini), "device");
    }
};

QTEST_GUILESS_MAIN(TestPortTable)
#include "tst_porttable.moc"
