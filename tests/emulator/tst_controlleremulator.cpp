#include "controlleremulator.h"

#include <QSerialPort>
#include <QTest>

class TestControllerEmulator : public QObject {
    Q_OBJECT

private slots:
    void command_afterNoiseGivesItsReplyAndNothingMore()
    {
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start());
        QSerialPort port(emulator.devicePath());
        QVERIFY(port.open(QIODevice::ReadWrite));
        port.write("xqsr");
        const QByteArray reply = "sr" + Tz586kvEmulator::defaultImage() + "\n\r";
        QByteArray got;
        QTRY_COMPARE(got += port.readAll(), reply);
        QVERIFY(!port.waitForReadyRead(50));
    }
};

QTEST_GUILESS_MAIN(TestControllerEmulator)
#include "tst_controlleremulator.moc"
