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
        // Start bit, 8 data bits, odd parity, stop bit at 9600 bit/s: the log's 2051 characters.
        QCOMPARE(qRound(2051 * ControllerModel::CharMs), 2350);
    }
};

QTEST_GUILESS_MAIN(TestControllerEmulator)
#include "tst_controlleremulator.moc"
