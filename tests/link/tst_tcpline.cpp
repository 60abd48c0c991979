#include "linkbench.h"

#include <QTcpServer>
#include <QTcpSocket>

class TestTcpLine : public QObject {
    Q_OBJECT

private slots:
    void open_refusedSaysWhere()
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

    // More than the socket takes at once still leaves, whole and in order.
    void largeWrite_arrivesWhole()
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
    void slowReply_isTakenWhole()
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

QTEST_GUILESS_MAIN(TestTcpLine)
#include "tst_tcpline.moc"
