#include "tcpline.h"

#include <QEventLoop>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>

#include <optional>

bool TcpLine::isNetworkDevice(const QString& device)
{
    return device.startsWith(u"tcp://"_qs, Qt::CaseInsensitive);
}

TcpLine::TcpLine(QObject* parent)
    : SerialLine(parent)
{
    connect(&m_socket, &QTcpSocket::readyRead, this, &SerialLine::readyRead);
    connect(&m_socket, &QTcpSocket::disconnected, this, &TcpLine::onDropped);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &TcpLine::onDropped);
}

TcpLine::~TcpLine()
{
    m_socket.disconnect(this);
    m_socket.abort();
}

bool TcpLine::open(const QString& device)
{
    m_lastFailure = OpenFailure::None;
    m_failureText.clear();
    if (m_open && device == m_device)
        return true;
    close();
    const QUrl url(device);
    const int port = url.port();
    if (!isNetworkDevice(device) || url.host().isEmpty() || port < 1) {
        fail(OpenFailure::NoDevice, u"%1 is no network port (tcp://HOST:PORT)"_qs.arg(device));
        return false;
    }
    m_device = device;
    if (!connectTo(url.host(), quint16(port)))
        return false;
    // A 2-byte command must leave at once, not wait for more to send with it.
    m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket.readAll();
    m_open = true;
    return true;
}

bool TcpLine::connectTo(const QString& host, quint16 port)
{
    QEventLoop loop;
    bool settled = false;
    std::optional<QAbstractSocket::SocketError> error;
    const auto settle = [&] {
        settled = true;
        loop.quit();
    };
    QTimer limit;
    limit.setSingleShot(true);
    connect(&limit, &QTimer::timeout, &loop, settle);
    connect(&m_socket, &QTcpSocket::connected, &loop, settle);
    connect(&m_socket, &QTcpSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError e) {
        error = e;
        settle();
    });
    limit.start(ConnectMs);
    m_socket.connectToHost(host, port);
    if (!settled)
        loop.exec();
    if (!error && m_socket.state() == QAbstractSocket::ConnectedState)
        return true;
    const QString where = u"%1:%2"_qs.arg(host).arg(port);
    switch (error.value_or(QAbstractSocket::SocketTimeoutError)) {
    case QAbstractSocket::HostNotFoundError:
        fail(OpenFailure::UnknownHost, u"the host name %1 is unknown"_qs.arg(host));
        break;
    case QAbstractSocket::ConnectionRefusedError:
        fail(OpenFailure::Refused, where + u" refused the connection"_qs);
        break;
    case QAbstractSocket::SocketTimeoutError:
        fail(OpenFailure::Unreachable,
            u"%1 did not answer within %2 s"_qs.arg(where).arg(ConnectMs / 1000));
        break;
    default:
        fail(OpenFailure::Unreachable, where + u": "_qs + m_socket.errorString().toLower());
        break;
    }
    m_socket.abort();
    return false;
}

void TcpLine::fail(OpenFailure failure, const QString& text)
{
    m_lastFailure = failure;
    m_failureText = text;
}

void TcpLine::close()
{
    m_open = false;
    m_socket.abort();
}

bool TcpLine::isOpen() const { return m_open; }

QByteArray TcpLine::readAll() { return m_open ? m_socket.readAll() : QByteArray(); }

void TcpLine::discardInput()
{
    if (!m_open)
        return;
    {
        // What already reached this machine goes too, as a serial port's
        // driver buffer would; no one may take it for a reply.
        const QSignalBlocker quiet(m_socket);
        while (m_socket.waitForReadyRead(0))
            m_socket.readAll();
        m_socket.readAll();
    }
    if (m_socket.state() != QAbstractSocket::ConnectedState)
        onDropped();
}

bool TcpLine::write(const QByteArray& data)
{
    if (!m_open || m_socket.write(data) != data.size())
        return false;
    m_socket.flush();
    return true;
}

void TcpLine::onDropped()
{
    // Reported once; the socket is closed at once, so nothing repeats.
    if (!m_open)
        return;
    m_open = false;
    m_socket.abort();
    emit lost();
}
