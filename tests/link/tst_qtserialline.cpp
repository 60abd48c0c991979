#include "controlleremulator.h"
#include "qtserialline.h"

#include <QTest>

class TestQtSerialLine : public QObject {
    Q_OBJECT

private slots:
    // A pseudo-terminal refuses DTR; the line must open anyway. A refused
    // device is named by its reason in the port dialog.
    void open_setsTheControllerLineOrSaysWhyNot()
    {
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start());
        QtSerialLine holder;
        QVERIFY(holder.open(emulator.devicePath()));
        QCOMPARE(holder.port().baudRate(), 9600);
        QCOMPARE(holder.port().parity(), QSerialPort::OddParity);
        QCOMPARE(holder.port().dataBits(), QSerialPort::Data8);
        QCOMPARE(holder.port().stopBits(), QSerialPort::OneStop);
        QCOMPARE(holder.port().flowControl(), QSerialPort::NoFlowControl);
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
