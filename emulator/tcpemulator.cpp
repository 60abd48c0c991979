#include "tcpemulator.h"

#include <QTcpSocket>

TcpEmulator::TcpEmulator(QObject* parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TcpEmulator::onNewConnection);
    connect(&m_model, &ControllerModel::transmit, this, &TcpEmulator::send);
    connect(&m_model, &ControllerModel::plugPulled, this, &TcpEmulator::dropClient);
}

TcpEmulator::~TcpEmulator()
{
    if (m_client)
        m_client->disconnect(this);
}

bool TcpEmulator::listen(const QHostAddress& address, quint16 port)
{
    return m_server.listen(address, port);
}

QString TcpEmulator::url() const
{
    return u"tcp://%1:%2"_qs.arg(m_server.serverAddress().toString()).arg(port());
}

void TcpEmulator::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        // One serial port, one user: a second connection is turned away.
        if (m_client) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        m_client = socket;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this,
            [this, socket] { m_model.receive(socket->readAll()); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (m_client == socket)
                m_model.dropLine();
            socket->deleteLater();
        });
    }
}

void TcpEmulator::send(const QByteArray& data)
{
    if (!m_client)
        return;
    if (!m_split) {
        m_client->write(data);
        m_client->flush();
        return;
    }
    for (char c : data) {
        m_client->write(&c, 1);
        m_client->flush();
    }
}

void TcpEmulator::dropClient()
{
    m_model.dropLine();
    if (QTcpSocket* socket = m_client) {
        m_client = nullptr;
        socket->abort();
        socket->deleteLater();
    }
    emit clientDropped();
}
