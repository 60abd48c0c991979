#include "linkbench.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

class TestLines : public QObject {
    Q_OBJECT

private slots:
    // A pseudo-terminal refuses DTR, and a run killed with kill -9 leaves Qt's
    // settings on it: the line must open anyway. A refused device is named
    // by its reason in the port dialog.
    void serial_opensTheControllerLineOrSaysWhyNot()
    {
        Tz586kvEmulator emulator;
        QVERIFY(emulator.start());
        const int fd
            = ::open(QFile::encodeName(emulator.devicePath()).constData(), O_RDWR | O_NOCTTY);
        termios left {};
        QVERIFY(fd >= 0 && ::tcgetattr(fd, &left) == 0);
        left.c_iflag |= IGNPAR;
        QVERIFY(::tcsetattr(fd, TCSANOW, &left) == 0 && ::close(fd) == 0);
        QtSerialLine holder;
        QVERIFY(holder.open(emulator.devicePath()));
        const QSerialPort& port = holder.port();
        QCOMPARE(std::tuple(port.baudRate(), port.parity(), port.dataBits(), port.stopBits(),
                     port.flowControl()),
            std::tuple(9600, QSerialPort::OddParity, QSerialPort::Data8, QSerialPort::OneStop,
                QSerialPort::NoFlowControl));
        QtSerialLine second;
        QVERIFY(!second.open(emulator.devicePath()));
        QCOMPARE(second.lastOpenFailure(), SerialLine::OpenFailure::InUse);
        QVERIFY(!second.open(u"/dev/tz586kv-no-such-port"_qs));
        QCOMPARE(second.lastOpenFailure(), SerialLine::OpenFailure::NoDevice);
        holder.close();
        QVERIFY(second.open(emulator.devicePath()));
        QCOMPARE(second.lastOpenFailure(), SerialLine::OpenFailure::None);
    }

    // Whatever came before a line closed is never read after it opens again,
    // and the demo controller then answers properly whatever fault it had.
    void reopened_hasNothingLeftAndAnswers_data() { lineKindRows(); }
    void reopened_hasNothingLeftAndAnswers()
    {
        QFETCH(LineKind, kind);
        LinkBench rig(kind);
        QVERIFY(rig.start());
        if (auto* demo = qobject_cast<DemoLine*>(rig.line.get()))
            demo->setFault(EmulatorFault::NoAnswer);
        QSignalSpy arrived(rig.line.get(), &SerialLine::readyRead);
        rig.model().sendNow("stale\r");
        QTRY_VERIFY(!arrived.isEmpty());
        rig.line->close();
        QVERIFY(rig.line->open(rig.device()));
        QCOMPARE(rig.line->readAll(), QByteArray());
        QVERIFY(rig.exchange.readSettings());
    }

    void tcp_refusedSaysWhere()
    {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const QString address = u"127.0.0.1:%1"_qs.arg(closed.serverPort());
        closed.close();
        TcpLine line;
        QVERIFY(!line.open(u"tcp://"_qs + address));
        QVERIFY(!line.isOpen());
        QCOMPARE(line.lastOpenFailure(), SerialLine::OpenFailure::Refused);
        QCOMPARE(line.openFailureText(), address + u" refused the connection"_qs);
    }

    // A peer that closes or resets the connection takes the line with it and
    // leaves nothing to read; writing to a reset peer fails, the program
    // goes on (no SIGPIPE).
    void tcp_peerGone_isALoss_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::newRow("closed") << false;
        QTest::newRow("reset") << true;
    }
    void tcp_peerGone_isALoss()
    {
        QFETCH(bool, reset);
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        TcpLine line;
        QSignalSpy arrived(&line, &SerialLine::readyRead);
        QSignalSpy lost(&line, &SerialLine::lost);
        QVERIFY(line.open(u"tcp://127.0.0.1:%1"_qs.arg(server.serverPort())));
        QTRY_VERIFY(server.hasPendingConnections());
        QTcpSocket* peer = server.nextPendingConnection();
        peer->write("stale");
        QTRY_VERIFY(!arrived.isEmpty());
        if (reset) {
            const linger at_once { 1, 0 };
            QCOMPARE(::setsockopt(int(peer->socketDescriptor()), SOL_SOCKET, SO_LINGER, &at_once,
                         sizeof at_once),
                0);
            peer->abort();
            // Qt's network library ignores SIGPIPE; the programs do without it.
            const auto kept = std::signal(SIGPIPE, SIG_DFL);
            for (int i = 0; i < 3; ++i)
                line.write("sr");
            std::signal(SIGPIPE, kept);
        } else {
            peer->disconnectFromHost();
        }
        QTRY_COMPARE(lost.size(), 1);
        QCOMPARE(line.readAll(), QByteArray());
        QVERIFY(!line.isOpen());
    }

    // More than the socket takes at once still leaves, whole and in order.
    void tcp_largeWrite_arrivesWhole()
    {
        QTcpServer server;
        QVERIFY(server.listen(QHostAddress::LocalHost));
        TcpLine line;
        QVERIFY(line.open(u"tcp://127.0.0.1:%1"_qs.arg(server.serverPort())));
        QTRY_VERIFY(server.hasPendingConnections());
        QTcpSocket* peer = server.nextPendingConnection();
        QByteArray sent(16 << 20, '\0');
        for (qsizetype i = 0; i < sent.size(); ++i)
            sent[i] = char(i % 251);
        QByteArray received;
        connect(peer, &QTcpSocket::readyRead, this, [&] { received += peer->readAll(); });
        QVERIFY(line.write(sent));
        QTRY_COMPARE(received.size(), sent.size());
        QCOMPARE(received, sent);
    }

    // A bridge may pass the reply on a byte at a time; what came before the
    // command is no reply.
    void tcp_slowReply_isTakenWhole()
    {
        LinkBench rig(LineKind::Tcp);
        QVERIFY(rig.start());
        rig.tcp->setSplitWrites(true);
        rig.model().sendNow("stale\r");
        const std::optional<SettingReply> reply = rig.exchange.readSettings();
        QVERIFY(reply);
        QCOMPARE(reply->image.toLatin1(), ControllerModel::defaultImage());
        QVERIFY(rig.faults.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLines)
#include "tst_lines.moc"
