#include "controlleremulator.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {
const QByteArray Image = Tz586kvEmulator::defaultImage();
const QByteArray OtherImage = "E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021505";
}

class TestControllerEmulator : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_emulator = std::make_unique<Tz586kvEmulator>();
        m_emulator->setDelayScale(0.1);
        QVERIFY(m_emulator->start());
        m_port = std::make_unique<QSerialPort>(m_emulator->devicePath());
        QVERIFY(m_port->open(QIODevice::ReadWrite));
    }

    void cleanup()
    {
        m_port.reset();
        m_emulator.reset();
    }

    void command_givesItsReply_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("sr") << QByteArray("sr") << "sr" + Image + "\n\r";
        QTest::newRow("rt") << QByteArray("rt") << QByteArray("rt");
        QTest::newRow("sw") << QByteArray("sw") << QByteArray("sw");
        QTest::newRow("ae") << QByteArray("ae") << QByteArray("\r");
        QTest::newRow("be") << QByteArray("be") << QByteArray("\r");
        QTest::newRow("br") << QByteArray("br") << "br" + Tz586kvEmulator::defaultLog() + "\r";
        QTest::newRow("noise first") << QByteArray("xqrt") << QByteArray("rt");
    }
    void command_givesItsReply()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, reply);
        QCOMPARE(exchange(command, reply.size()), reply);
    }

    void settingReply_comesAtLinePace()
    {
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(exchange("sr", 68).size(), 68);
        const double wireMs = 68 * Tz586kvEmulator::CharMs;
        QVERIFY2(clock.elapsed() >= wireMs - 2 && clock.elapsed() < wireMs + 40,
            qPrintable(QString::number(clock.elapsed())));
    }

    void write_storesImageUnlessItDoesNotStick_data()
    {
        QTest::addColumn<EmulatorFault>("fault");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("sticks") << EmulatorFault::None << OtherImage;
        QTest::newRow("does not stick") << EmulatorFault::WriteNotSticking << Image;
    }
    void write_storesImageUnlessItDoesNotStick()
    {
        QFETCH(EmulatorFault, fault);
        QFETCH(QByteArray, stored);
        m_emulator->setFault(fault);
        QCOMPARE(exchange("sw" + OtherImage, 66), "sw" + OtherImage);
        QCOMPARE(m_emulator->image(), stored);
        QCOMPARE(exchange("sr", 68).mid(2, 64), stored);
    }

    void defaultWriteAndErase_resetImageAndLog()
    {
        m_emulator->setImage(OtherImage);
        QCOMPARE(exchange("ae", 1), QByteArray("\r"));
        QCOMPARE(m_emulator->image(), Image);
        QCOMPARE(exchange("be", 1), QByteArray("\r"));
        QCOMPARE(m_emulator->log(), QByteArray(2048, 'F'));
    }

    void faults_changeSettingReply_data()
    {
        QTest::addColumn<EmulatorFault>("fault");
        QTest::addColumn<QByteArray>("reply");
        QByteArray deleted = Image;
        deleted.replace(58, 2, "FF");
        QByteArray other = Image;
        other.replace(58, 2, "03");
        QByteArray nonHex = Image;
        nonHex[61] = 'G';
        QTest::newRow("no terminator") << EmulatorFault::NoTerminator << "sr" + Image + "\n";
        QTest::newRow("short") << EmulatorFault::ShortReply << "sr" + Image.left(63) + "\n\r";
        QTest::newRow("long") << EmulatorFault::LongReply << "sr" + Image + "0\n\r";
        QTest::newRow("non-hex") << EmulatorFault::NonHex << "sr" + nonHex + "\n\r";
        QTest::newRow("deleted") << EmulatorFault::Deleted << "sr" + deleted + "\n\r";
        QTest::newRow("other model") << EmulatorFault::OtherModel << "sr" + other + "\n\r";
    }
    void faults_changeSettingReply()
    {
        QFETCH(EmulatorFault, fault);
        QFETCH(QByteArray, reply);
        m_emulator->setFault(fault);
        QCOMPARE(exchange("sr", reply.size()), reply);
        QVERIFY(!m_emulator->isSending());
    }

    void noAnswerAndLateReply_keepLineQuietForWindow_data()
    {
        QTest::addColumn<EmulatorFault>("fault");
        QTest::addColumn<int>("replyAfterMs"); // at delay scale 0.1
        QTest::newRow("no answer") << EmulatorFault::NoAnswer << -1;
        QTest::newRow("late") << EmulatorFault::LateReply << 350;
    }
    void noAnswerAndLateReply_keepLineQuietForWindow()
    {
        QFETCH(EmulatorFault, fault);
        QFETCH(int, replyAfterMs);
        m_emulator->setFault(fault);
        QElapsedTimer clock;
        clock.start();
        QSignalSpy arrived(m_port.get(), &QSerialPort::readyRead);
        m_port->write("rt");
        const bool answered = arrived.wait(600);
        QCOMPARE(answered, replyAfterMs > 0);
        if (answered)
            QVERIFY(clock.elapsed() >= replyAfterMs);
    }

    void pullPlug_closesLineHalfwayThroughReply()
    {
        m_emulator->setFault(EmulatorFault::PullPlug);
        QSignalSpy pulled(m_emulator.get(), &Tz586kvEmulator::plugPulled);
        m_port->write("br");
        QVERIFY(pulled.wait());
        QVERIFY(!m_emulator->isPluggedIn());
        QSignalSpy arrived(m_port.get(), &QSerialPort::readyRead);
        QByteArray got = m_port->readAll();
        while (arrived.wait(50))
            got += m_port->readAll();
        QVERIFY2(got.size() > 900 && got.size() < 1100, qPrintable(QString::number(got.size())));
    }

    void record_keepsReceivedBytesWithTimes()
    {
        m_emulator->clearReceived();
        QCOMPARE(exchange("rt", 2), QByteArray("rt"));
        m_port->write("sr");
        QTRY_COMPARE(m_emulator->receivedBytes(), QByteArray("rtsr"));
        const auto chunks = m_emulator->received();
        QCOMPARE(chunks.size(), 2);
        // The second command went out after the reply to the first had come.
        QVERIFY(chunks.at(1).ms - chunks.at(0).ms >= 2);
    }

    void link_followsDeviceAcrossReplug()
    {
        QTemporaryDir dir;
        const QString link = dir.filePath(u"tz586kv"_qs);
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start(link));
        QCOMPARE(QFileInfo(link).symLinkTarget(), emulator.devicePath());
        QSerialPort holder(emulator.devicePath());
        QVERIFY(holder.open(QIODevice::ReadWrite)); // keeps the old number taken
        emulator.pullPlug();
        QVERIFY(emulator.plugIn());
        QCOMPARE(QFileInfo(link).symLinkTarget(), emulator.devicePath());
    }

    void faultNames_roundTrip()
    {
        const QStringList names = emulatorFaultNames();
        QCOMPARE(names.size(), 11);
        for (const QString& name : names)
            QCOMPARE(emulatorFaultName(*emulatorFaultFromName(name)), name);
        QVERIFY(!emulatorFaultFromName(u"unplugged"_qs));
    }

private:
    QByteArray exchange(const QByteArray& command, qsizetype length)
    {
        QSignalSpy arrived(m_port.get(), &QSerialPort::readyRead);
        m_port->write(command);
        QByteArray got;
        while (got.size() < length && arrived.wait(3000))
            got += m_port->readAll();
        // Nothing beyond the expected reply.
        if (arrived.wait(20))
            got += m_port->readAll();
        return got;
    }

    std::unique_ptr<Tz586kvEmulator> m_emulator;
    std::unique_ptr<QSerialPort> m_port;
};

QTEST_GUILESS_MAIN(TestControllerEmulator)
#include "tst_controlleremulator.moc"
