#include "inifile.h"
#include "porttable.h"

#include <QTemporaryDir>
#include <QTest>

class TestPortTable : public QObject {
    Q_OBJECT

private slots:
    void portNumber_mapsToDevice_data()
    {
        QTest::addColumn<int>("portNo");
        QTest::addColumn<QString>("device");
#ifdef Q_OS_WIN
        QTest::newRow("1") << 1 << u"COM1"_qs;
        QTest::newRow("16") << 16 << u"COM16"_qs;
        QTest::newRow("0") << 0 << QString();
#else
        QTest::newRow("1") << 1 << u"/dev/ttyUSB0"_qs;
        QTest::newRow("4") << 4 << u"/dev/ttyUSB3"_qs;
        QTest::newRow("5") << 5 << u"/dev/ttyACM0"_qs;
        QTest::newRow("8") << 8 << u"/dev/ttyACM3"_qs;
        QTest::newRow("9") << 9 << u"/dev/ttyS0"_qs;
        QTest::newRow("16") << 16 << u"/dev/ttyS7"_qs;
        QTest::newRow("0") << 0 << QString();
        QTest::newRow("17") << 17 << QString();
        QTest::newRow("negative") << -3 << QString();
#endif
    }
    void portNumber_mapsToDevice()
    {
        QFETCH(int, portNo);
        QFETCH(QString, device);
        QCOMPARE(PortDevice(portNo, nullptr), device);
    }

#ifndef Q_OS_WIN
    void portsSection_replacesTableEntry_data()
    {
        QTest::addColumn<int>("portNo");
        QTest::addColumn<QString>("device");
        QTest::newRow("named") << 5 << u"/dev/serial/by-id/usb-tz-if00"_qs;
        QTest::newRow("key case") << 3 << u"/dev/pts/7"_qs;
        QTest::newRow("not named") << 2 << u"/dev/ttyUSB1"_qs;
        QTest::newRow("empty value") << 9 << u"/dev/ttyS0"_qs;
        QTest::newRow("out of range stays empty") << 20 << QString();
    }
    void portsSection_replacesTableEntry()
    {
        QFETCH(int, portNo);
        QFETCH(QString, device);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(u"TZ586KV Link.ini"_qs);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[RS232C]\r\nCommPort=5\r\n[Ports]\r\nCom5=/dev/serial/by-id/usb-tz-if00\r\n"
                   "COM3=/dev/pts/7\r\nCom9=\r\nCom20=/dev/ttyS9\r\n");
        file.close();
        const IniFile ini(path);
        QCOMPARE(PortDevice(portNo, &ini), device);
    }
#endif
};

QTEST_GUILESS_MAIN(TestPortTable)
#include "tst_porttable.moc"
