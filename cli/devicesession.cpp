#include "devicesession.h"

#include "changeengine.h"
#include "clicontext.h"
#include "interrupts.h"
#include "outcometext.h"
#include "portopen.h"

QByteArray CountingLine::readAll()
{
    const QByteArray data = PortLine::readAll();
    m_received += data.size();
    if (m_onReceived && !data.isEmpty())
        m_onReceived(m_received);
    return data;
}

bool CountingLine::write(const QByteArray& data)
{
    // Commands are two letters; the image after "sw" is not one.
    if (m_onCommand && data.size() == 2)
        m_onCommand(QString::fromLatin1(data));
    return PortLine::write(data);
}

void CountingLine::discardInput()
{
    PortLine::discardInput();
    m_received = 0;
}

DeviceSession::DeviceSession(CliContext& context)
    : m_context(context)
    , m_exchange(m_line)
    , m_recorder(context.history, [device = context.port().device()] { return device; })
    , m_operations(m_exchange, m_values, m_store)
{
    m_operations.setRecorder(&m_recorder);
    m_operations.setLogRecorder(&m_recorder);
    connect(&m_exchange, &MessageExchange::faulted, this, [this](ExchangeFault fault) {
        if (m_lost)
            return; // said as the loss
        say([fault] { return outcomeText(outcomeOf(fault)); });
    });
    m_context.interrupts.setAbortHook([this] { m_exchange.abort(); });
    // A line that goes away ends the command at once: a script may wait for
    // the adapter and try again.
    connect(&m_line, &SerialLine::lost, this, [this] {
        m_lost = true;
        m_context.console.setErrorKind(u"port-lost"_qs);
        say([this] {
            return tr("the port was lost: %1 went away (adapter pulled out?); nothing more was "
                      "sent")
                .arg(m_context.port().label());
        });
        m_exchange.abort();
    });
    // Each step says how long it may wait; Get shows its own progress.
    m_line.setOnCommand([this](const QString& command) {
        if (command != u"br"_qs)
            m_context.console.progress([&command] {
                return tr("%1: up to %2 s")
                    .arg(command)
                    .arg(MessageExchange::replyWindowMs(command) / 1000);
            });
    });
    connect(&m_operations, &DeviceOperations::controllerReplaced, this,
        [this](const QString&, const QString& entry) {
            m_context.console.note(
                [&entry] { return u"tz586kv: "_qs + replacedControllerText(entry); });
        });
    // Stopped halfway, a change leaves the controller half written.
    connect(&m_operations, &DeviceOperations::changingController, &m_context.interrupts,
        &Interrupts::setHolding);
    connect(&m_context.interrupts, &Interrupts::held, this, [this] {
        m_context.console.note([] {
            return u"tz586kv: "_qs
                + tr("interrupted while the controller changes: the change ends first (Ctrl-C "
                     "again ends at once, leaving the controller's state unknown)");
        });
    });
}

DeviceSession::~DeviceSession() { m_context.interrupts.setAbortHook({}); }

ExitCode DeviceSession::open()
{
    if (Interrupts::caught())
        return ExitCode::Interrupted;
    return openPort(m_line, m_context.port(), m_context.probe, m_context.console);
}

ExitCode DeviceSession::run(Command command)
{
    const Outcome outcome = m_operations.run(command);
    m_exchange.stopLamp();
    m_context.console.endProgress();
    if (m_lost)
        return ExitCode::PortUnavailable;
    if (outcome == Outcome::DataAbnormal) {
        m_context.console.setErrorKind(OutOfRange);
        say([this, outcome] { return outcomeText(outcome) + u' ' + invalidValueText(); });
    } else if (outcome != Outcome::Completed && outcome != Outcome::Aborted)
        say([outcome] { return outcomeText(outcome); });
    return exitCodeOf(outcome);
}

ExitCode DeviceSession::exitCodeOf(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Completed:
        return ExitCode::Done;
    // The controller's data cannot be used: as good as no answer.
    case Outcome::Deleted:
    case Outcome::OtherModel:
    case Outcome::CommunicationFault:
    case Outcome::CannotSet:
        return ExitCode::NoAnswer;
    case Outcome::DataAbnormal:
    case Outcome::VerifyFailed:
        return ExitCode::Refused;
    case Outcome::Aborted:
        break;
    }
    return ExitCode::Interrupted;
}

QString DeviceSession::invalidValueText() const
{
    const std::optional<ValueProblem> problem = ChangeEngine::plan(m_values).problem;
    return problem ? problem->text(TextStyle::Script) : QString();
}

void DeviceSession::say(const Say& text)
{
    // One line for a failure that repeats in every later exchange.
    const QString said = text();
    if (m_said.contains(said))
        return;
    m_said.append(said);
    m_context.console.error(text);
}
