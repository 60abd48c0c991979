#include "messageexchange.h"
#include "operationaborted.h"
#include "settingreply.h"

#include <QElapsedTimer>
#include <QEventLoop>

#include <cmath>

namespace {
const QString Cr = QStringLiteral("\r");
const QString CommFault = QStringLiteral("RS232 communication fault.");
const QString CannotSet = QStringLiteral("TZ cannot be set.");
}

MessageExchange::MessageExchange(SerialLine& line, ExchangeHost& host, QObject* parent)
    : QObject(parent)
    , m_line(line)
    , m_host(host)
{
    TmrComm.setSingleShot(true);
    TmrComm.setTimerType(Qt::PreciseTimer);
    TmrLed.setInterval(LampBlinkMs);
    connect(&m_line, &SerialLine::readyRead, this, &MessageExchange::MSComm_OnComm);
    connect(&m_line, &SerialLine::lost, this, &MessageExchange::onLineLost);
    connect(&TmrComm, &QTimer::timeout, this, &MessageExchange::TmrComm_Timer);
    connect(&TmrLed, &QTimer::timeout, this, &MessageExchange::TmrLed_Timer);
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

void MessageExchange::SendCommand(const QString& command, const QString& terminator)
{
    throwIfAborted();
    TmrLed.start();
    setLamp(ExchangeHost::LampBright);
    const int window = int(std::lround(replyWindowMs(command) * m_timeScale));
    RecvBuf.clear();
    m_line.discardInput();
    if (!m_line.isOpen() || !m_line.write(command.toLatin1())) {
        // Nothing can come back on a line that is not there.
        TimeOutFlag = true;
        fail(CommFault, ExchangeHost::BoxIcon::Warning);
        return;
    }
    TmrComm.setInterval(window);
    TmrComm.start();
    TimeOutFlag = false;
    m_sending = true;
    while (!RecvBuf.contains(terminator) && !TimeOutFlag)
        waitOnce();
    m_sending = false;
    TmrComm.stop();
    if (!TimeOutFlag)
        return;
    // A reply window that ran out wins over a terminator found in the same pass.
    if (RecvBuf.isEmpty())
        fail(CommFault, ExchangeHost::BoxIcon::Warning);
    else
        fail(CannotSet, ExchangeHost::BoxIcon::Information);
}

bool MessageExchange::SetReadData()
{
    SendCommand(QStringLiteral("sr"), Cr);
    // A reply that came with a reported time-out is no reply.
    if (TimeOutFlag || RecvBuf.size() != ReplyLength)
        return false;
    const std::optional<SettingReply> reply = acceptSettingReply(RecvBuf);
    if (!reply) {
        // A garbled image must not reach the window half-decoded.
        ErrFlag = true;
        m_host.ShowMessage(CannotSet, ExchangeHost::Red);
        return false;
    }
    RecvBuf.remove(QStringLiteral("sr"));
    ReadData = reply->image;
    RomVersion = reply->romVersion;
    return true;
}

void MessageExchange::DelaySeconds(double seconds)
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
    TmrLed.stop();
    setLamp(ExchangeHost::LampDark);
}

void MessageExchange::abort()
{
    m_aborted = true;
    TmrComm.stop();
    TmrLed.stop();
    if (m_loop)
        m_loop->quit();
}

void MessageExchange::MSComm_OnComm()
{
    RecvBuf += QString::fromLatin1(m_line.readAll());
    if (m_loop && m_sending)
        m_loop->quit();
}

void MessageExchange::TmrComm_Timer()
{
    TmrComm.stop();
    TimeOutFlag = true;
    if (m_loop)
        m_loop->quit();
}

void MessageExchange::TmrLed_Timer()
{
    setLamp(m_lamp == ExchangeHost::LampDark ? ExchangeHost::LampBright : ExchangeHost::LampDark);
}

void MessageExchange::onLineLost()
{
    // Nothing more can arrive: the exchange waiting now has run out.
    if (m_sending)
        TmrComm_Timer();
}

void MessageExchange::waitOnce()
{
    QEventLoop loop;
    QEventLoop* outer = m_loop;
    m_loop = &loop;
    loop.exec();
    m_loop = outer;
    throwIfAborted();
}

void MessageExchange::fail(const QString& text, ExchangeHost::BoxIcon icon)
{
    ErrFlag = true;
    m_host.showBox(text, icon);
    throwIfAborted();
    m_host.ShowMessage(text, ExchangeHost::Red);
}

void MessageExchange::setLamp(uint32_t colour)
{
    m_lamp = colour;
    m_host.setLamp(colour);
}

void MessageExchange::throwIfAborted() const
{
    if (m_aborted)
        throw OperationAborted {};
}
