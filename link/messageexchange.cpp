#include "messageexchange.h"
#include "logreply.h"
#include "operationaborted.h"

#include <QElapsedTimer>
#include <QEventLoop>

#include <cmath>

namespace {
const QString Cr = QStringLiteral("\r");
constexpr qsizetype SettingReplyLength = 68; // "sr", image, two closing characters
// More than this is a line that streams on: it is kept no further.
constexpr qsizetype LongestReply = LogReplyLength;
}

MessageExchange::MessageExchange(SerialLine& line, QObject* parent)
    : QObject(parent)
    , m_line(line)
    , m_replyWindow(this)
{
    m_replyWindow.setObjectName(QStringLiteral("replyWindow"));
    m_replyWindow.setSingleShot(true);
    m_replyWindow.setTimerType(Qt::PreciseTimer);
    m_blink.setInterval(LampBlinkMs);
    connect(&m_line, &SerialLine::readyRead, this, &MessageExchange::onReadyRead);
    connect(&m_line, &SerialLine::lost, this, &MessageExchange::onLineLost);
    connect(&m_replyWindow, &QTimer::timeout, this, &MessageExchange::onReplyWindowEnd);
    connect(&m_blink, &QTimer::timeout, this, &MessageExchange::blink);
}

int MessageExchange::replyWindowMs(QStringView command)
{
    const QStringView head = command.left(2);
    if (head == u"ae" || head == u"be")
        return 12000;
    if (head == u"br")
        return 10000;
    return 3000;
}

MessageExchange::Reply MessageExchange::send(const QString& command, const QString& terminator)
{
    throwIfAborted();
    m_blink.start();
    setLamp(Lamp::Lit);
    const int window = int(std::lround(replyWindowMs(command) * m_timeScale));
    m_received.clear();
    m_line.discardInput();
    // Nothing can come back on a line that is not there.
    if (!m_line.isOpen() || !m_line.write(command.toLatin1()))
        return fail({}, ExchangeFault::NoAnswer);
    m_replyWindow.setInterval(window);
    m_replyWindow.start();
    m_timedOut = false;
    m_sending = true;
    onReadyRead(); // what came while the command went out
    while (!m_received.contains(terminator) && !m_timedOut && !overlong())
        waitOnce();
    m_sending = false;
    m_replyWindow.stop();
    Reply reply { m_received, std::nullopt };
    if (!m_timedOut && !overlong())
        return reply;
    // A reply window that ran out wins over a terminator found in the same
    // pass; a reply longer than any is broken however it ends.
    return fail(reply, reply.text.isEmpty() ? ExchangeFault::NoAnswer : ExchangeFault::BrokenReply);
}

std::optional<SettingReply> MessageExchange::readSettings()
{
    const Reply reply = send(QStringLiteral("sr"), Cr);
    if (!reply.ok() || reply.text.size() != SettingReplyLength)
        return std::nullopt;
    std::optional<SettingReply> accepted = acceptSettingReply(reply.text);
    // A garbled image must not reach the values half-decoded.
    if (!accepted)
        emit faulted(ExchangeFault::BrokenImage);
    return accepted;
}

void MessageExchange::delay(double seconds)
{
    throwIfAborted();
    const auto endNs = qint64(std::llround(std::max(0.0, seconds * m_timeScale) * 1e9));
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    connect(&wake, &QTimer::timeout, this, [this] {
        if (m_loop)
            m_loop->quit();
    });
    // The clock must have passed the end, not merely reached it.
    while (clock.nsecsElapsed() <= endNs) {
        wake.start(int((endNs - clock.nsecsElapsed()) / 1000000 + 1));
        waitOnce();
    }
}

void MessageExchange::stopLamp()
{
    m_blink.stop();
    setLamp(Lamp::Dark);
}

void MessageExchange::abort()
{
    m_aborted = true;
    m_replyWindow.stop();
    m_blink.stop();
    if (m_loop)
        m_loop->quit();
}

void MessageExchange::onReadyRead()
{
    // Between its exchanges the line is not this exchange's: another may be
    // asking on it (the port dialog's Diagnose), and each send discards what
    // was left over anyway.
    if (!m_sending)
        return;
    m_received += QString::fromLatin1(m_line.readAll());
    if (overlong())
        m_received.truncate(LongestReply + 1);
    if (m_loop)
        m_loop->quit();
}

bool MessageExchange::overlong() const { return m_received.size() > LongestReply; }

void MessageExchange::onReplyWindowEnd()
{
    m_replyWindow.stop();
    m_timedOut = true;
    if (m_loop)
        m_loop->quit();
}

void MessageExchange::onLineLost()
{
    // Nothing more can arrive: the exchange waiting now has run out.
    if (m_sending)
        onReplyWindowEnd();
}

void MessageExchange::blink() { setLamp(m_lamp == Lamp::Dark ? Lamp::Lit : Lamp::Dark); }

void MessageExchange::waitOnce()
{
    QEventLoop loop;
    QEventLoop* outer = m_loop;
    m_loop = &loop;
    loop.exec();
    m_loop = outer;
    throwIfAborted();
}

MessageExchange::Reply MessageExchange::fail(Reply reply, ExchangeFault fault)
{
    reply.fault = fault;
    // The handler may show a modal box, during which the program may end.
    emit faulted(fault);
    throwIfAborted();
    return reply;
}

void MessageExchange::setLamp(Lamp lamp)
{
    m_lamp = lamp;
    emit lampChanged(lamp);
}

void MessageExchange::throwIfAborted() const
{
    if (m_aborted)
        throw OperationAborted {};
}
