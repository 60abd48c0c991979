#include "controlleremulator.h"

#include <QSerialPort>
#include <QTest>

class TestControllerEmulator : public QObject {
    Q_OBJECT

private slots:
    // Noise gets no reply and a command exactly one: the second command's
    // reply follows the first one directly.
    void command_afterNoiseGivesItsReplyAndNothingMore()
    {
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start());
        QSerialPort port(emulator.devicePath());
        QVERIFY(port.open(QIODevice::ReadWrite));
        port.write("xqsrrt");
        const QByteArray replies = "sr" + Tz586kvEmulator::defaultImage() + "\n\rrt";
        QByteArray got;
        QTRY_COMPARE(got += port.readAll(), replies);
    }
};

QTEST_GUILESS_MAIN(TestControllerEmulator)
#include "tst_controlleremulator.moc"
