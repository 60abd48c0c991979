#include "controlleremulator.h"

#include <QSerialPort>
#include <QTest>

class TestControllerEmulator : public QObject {
    Q_OBJECT

private slots:
    // Start bit, 8 data bits, odd parity, stop bit at 9600 bit/s.
    void pace_isElevenBitsACharacter_data()
    {
        QTest::addColumn<int>("characters");
        QTest::addColumn<int>("ms");
        QTest::newRow("sr reply") << 68 << 78;
        QTest::newRow("log") << 2051 << 2350;
    }
    void pace_isElevenBitsACharacter()
    {
        QFETCH(int, characters);
        QTEST(qRound(characters * ControllerModel::CharMs), "ms");
    }

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
