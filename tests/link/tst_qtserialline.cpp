#include "controlleremulator.h"
#include "qtserialline.h"

#include <QTest>

class TestQtSerialLine : public QObject {
    Q_OBJECT

private slots:
    // A pseudo-terminal refuses DTR; the line must open anyway.
    void open_setsControllerLineOnPseudoTerminal()
    {
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start());
        QtSerialLine line;
        QVERIFY(!line.open(u"/dev/tz586kv-no-such-port"_qs));
        QVERIFY(line.open(emulator.devicePath()));
        QCOMPARE(line.port().baudRate(), 9600);
        QCOMPARE(line.port().parity(), QSerialPort::OddParity);
        QCOMPARE(line.port().dataBits(), QSerialPort::Data8);
        QCOMPARE(line.port().stopBits(), QSerialPort::OneStop);
        QCOMPARE(line.port().flowControl(), QSerialPort::NoFlowControl);
    }

    // The port dialog names a refused device by this reason.
    void openFailure_saysWhy()
    {
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start());
        QtSerialLine holder;
        QVERIFY(holder.open(emulator.devicePath()));
        QtSerialLine second;
        QVERIFY(!second.open(emulator.devicePath()));
        QCOMPARE(second.lastOpenFailure(), SerialLine::OpenFailure::InUse);
        QVERIFY(!second.open(u"/dev/tz586kv-no-such-port"_qs));
        QCOMPARE(second.lastOpenFailure(), SerialLine::OpenFailure::NoDevice);
        holder.close();
        QVERIFY(second.open(emulator.devicePath()));
        QCOMPARE(second.lastOpenFailure(), SerialLine::OpenFailure::None);
    }
};

QTEST_GUILESS_MAIN(TestQtSerialLine)
#include "tst_qtserialline.moc"
