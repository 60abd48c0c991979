#include "tcpline.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

// Bounded: a peer that never stops sending must not hold the program there.
constexpr qsizetype DiscardLimit = 1 << 20;

Phrase said(const char* source) { return Phrase::of("TcpLine", source); }

// Runs the event loop until sender emits signal or the deadline passes;
// begin() runs once the signal is watched. True when the signal came.
template <typename Sender, typename Signal, typename Begin>
bool waitFor(const QDeadlineTimer& deadline, Sender* sender, Signal signal, Begin begin)
{
    QEventLoop loop;
    bool arrived = false;
    QObject::connect(sender, signal, &loop, [&] {
        arrived = true;
        loop.quit();
    });
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    limit.start(int(deadline.remainingTime()));
    begin();
    loop.exec();
    return arrived;
}

} // namespace

TcpLine::TcpLine(QObject* parent)
    : SerialLine(parent)
{
}

TcpLine::~TcpLine() { release(); }

bool TcpLine::open(const QString& device)
{
    const QUrl url(device);
    return open(url.host(), quint16(url.port(0)));
}

bool TcpLine::open(const QString& host, quint16 port)
{
    m_lastFailure = OpenFailure::None;
    m_failure = {};
    if (m_open && host == m_host && port == m_port)
        return true;
    close();
    if (host.isEmpty() || port == 0) {
        fail(OpenFailure::NoDevice,
            said(QT_TRANSLATE_NOOP("TcpLine", "no host and port to connect to")));
        return false;
    }
    m_host = host;
    m_port = port;
    if (!connectTo(host, port))
        return false;
    // A 2-byte command must leave at once, not wait for more to send with it.
    NetSocket::setNoDelay(m_socket);
    watch();
    m_open = true;
    return true;
}

bool TcpLine::connectTo(const QString& host, quint16 port)
{
    const QDeadlineTimer deadline(ConnectMs);
    const QString where = u"%1:%2"_qs.arg(host).arg(port);
    const Phrase late = said(QT_TRANSLATE_NOOP("TcpLine", "%1 did not answer within %2 s"))
                            .arg(where, QString::number(ConnectMs / 1000));
    const auto addresses = lookUp(host, port, deadline);
    if (!addresses) {
        fail(OpenFailure::Unreachable, late);
        return false;
    }
    if (addresses->isEmpty()) {
        fail(OpenFailure::UnknownHost,
            said(QT_TRANSLATE_NOOP("TcpLine", "the host name %1 is unknown")).arg(host));
        return false;
    }
    int error = 0;
    for (const NetSocket::Address& address : *addresses) {
        m_socket = NetSocket::startConnect(address, &error);
        if (m_socket == NetSocket::Invalid)
            continue;
        const std::optional<int> result = awaitConnect(deadline);
        if (result == 0)
            return true;
        release();
        if (!result) {
            fail(OpenFailure::Unreachable, late);
            return false;
        }
        error = *result;
    }
    if (NetSocket::isRefused(error))
        fail(OpenFailure::Refused,
            said(QT_TRANSLATE_NOOP("TcpLine", "%1 refused the connection")).arg(where));
    else // the system's own words, in its language
        fail(OpenFailure::Unreachable,
            Phrase::verbatim(where + u": "_qs + NetSocket::errorText(error).toLower()));
    return false;
}

std::optional<QList<NetSocket::Address>> TcpLine::lookUp(
    const QString& host, quint16 port, const QDeadlineTimer& deadline)
{
    // The look-up blocks, so it runs aside; one that outlasts the deadline
    // finishes there and frees what it found.
    const auto found = std::make_shared<QList<NetSocket::Address>>();
    const QByteArray ace = QUrl::toAce(host); // empty for an IPv6 address
    QThread* thread = QThread::create([found, name = ace.isEmpty() ? host.toUtf8() : ace, port] {
        *found = NetSocket::resolve(name, port);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    if (!waitFor(deadline, thread, &QThread::finished, [thread] { thread->start(); }))
        return std::nullopt;
    return *found;
}

std::optional<int> TcpLine::awaitConnect(const QDeadlineTimer& deadline)
{
    QSocketNotifier connected(m_socket, QSocketNotifier::Write);
    if (!waitFor(deadline, &connected, &QSocketNotifier::activated, [] {}))
        return std::nullopt;
    return NetSocket::connectResult(m_socket);
}

void TcpLine::fail(OpenFailure failure, const Phrase& text)
{
    m_lastFailure = failure;
    m_failure = text;
}

void TcpLine::watch()
{
    m_readable = new QSocketNotifier(m_socket, QSocketNotifier::Read, this);
    connect(m_readable, &QSocketNotifier::activated, this, &TcpLine::onReadable);
    m_writable = new QSocketNotifier(m_socket, QSocketNotifier::Write, this);
    m_writable->setEnabled(false);
    connect(m_writable, &QSocketNotifier::activated, this, &TcpLine::flush);
}

void TcpLine::release()
{
    for (QSocketNotifier* notifier :
        { std::exchange(m_readable, nullptr), std::exchange(m_writable, nullptr) }) {
        if (notifier) {
            // It may be the one whose signal is being handled.
            notifier->setEnabled(false);
            notifier->deleteLater();
        }
    }
    if (m_socket != NetSocket::Invalid)
        NetSocket::close(std::exchange(m_socket, NetSocket::Invalid));
    m_incoming.clear();
    m_outgoing.clear();
}

void TcpLine::close()
{
    m_open = false;
    release();
}

bool TcpLine::isOpen() const { return m_open; }

QByteArray TcpLine::readAll()
{
    resumeReading();
    return std::exchange(m_incoming, {});
}

void TcpLine::discardInput()
{
    if (!m_open)
        return;
    // What already reached this machine goes too, as a serial port's driver
    // buffer would; no one may take it for a reply.
    m_incoming.clear();
    resumeReading();
    if (!pull(nullptr, DiscardLimit))
        onDropped();
}

bool TcpLine::write(const QByteArray& data)
{
    if (!m_open)
        return false;
    m_outgoing += data;
    return flush();
}

// Sends what waits to be sent as far as the socket takes it now; the rest
// goes when it becomes writable. A failure shows on the read side as well.
bool TcpLine::flush()
{
    while (!m_outgoing.isEmpty()) {
        const qint64 sent = NetSocket::send(m_socket, m_outgoing.constData(), m_outgoing.size());
        if (sent == -2) {
            m_outgoing.clear();
            return false;
        }
        if (sent == -1)
            break;
        m_outgoing.remove(0, sent);
    }
    if (m_writable)
        m_writable->setEnabled(!m_outgoing.isEmpty());
    return true;
}

// Takes in up to limit bytes of what waits; false when the other side closed
// or reset the connection.
bool TcpLine::pull(QByteArray* into, qsizetype limit)
{
    char chunk[4096];
    for (qsizetype taken = 0; taken < limit;) {
        const qint64 got = NetSocket::receive(
            m_socket, chunk, std::min<qsizetype>(qsizetype(sizeof chunk), limit - taken));
        if (got <= 0)
            return got == -1;
        if (into)
            into->append(chunk, got);
        taken += got;
    }
    return true;
}

void TcpLine::resumeReading()
{
    if (m_readable)
        m_readable->setEnabled(true);
}

void TcpLine::onReadable()
{
    const qsizetype before = m_incoming.size();
    const bool alive = pull(&m_incoming, InputLimit - before);
    // Full: the rest waits in the socket, and the peer with it, until read.
    if (m_incoming.size() >= InputLimit)
        m_readable->setEnabled(false);
    if (m_incoming.size() > before)
        emit readyRead();
    if (!alive)
        onDropped();
}

void TcpLine::onDropped()
{
    // Reported once; the socket and its notifiers go at once, so nothing repeats.
    if (!m_open)
        return;
    m_open = false;
    release();
    emit lost();
}
