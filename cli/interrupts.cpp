#include "interrupts.h"

#include "console.h"

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

volatile std::sig_atomic_t s_caught = 0; // a first signal that aborts
volatile std::sig_atomic_t s_held = 0; // a first signal that came during a change
volatile std::sig_atomic_t s_holding = 0;
#ifdef Q_OS_UNIX
int s_pipe[2] = { -1, -1 };
#endif

// What a repeated Ctrl-C cuts short, made before any handler may say it:
// a signal handler may not allocate.
QString s_unknown;
QByteArray s_unknownBytes;

// Takes a first signal; false for a later one, after saying what a repeated
// Ctrl-C cuts short. A hangup comes more than once (the shell passes it on,
// the system sends it again as the shell ends): it never ends at once.
bool takeFirst(int signal, bool hangup, void (*sayUnknown)())
{
    if (s_caught != 0 || s_held != 0) {
        if (s_holding != 0 && !hangup)
            sayUnknown();
        return false;
    }
    if (s_holding != 0)
        s_held = signal;
    else
        s_caught = signal;
    return true;
}

#ifdef Q_OS_UNIX
void sayUnknown()
{
    [[maybe_unused]] const ssize_t written
        = ::write(STDERR_FILENO, s_unknownBytes.constData(), size_t(s_unknownBytes.size()));
}

void handler(int signal)
{
    const bool hangup = signal == SIGHUP;
    if (!takeFirst(signal, hangup, sayUnknown)) {
        if (!hangup)
            ::_exit(130);
        return;
    }
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &byte, 1);
    errno = saved;
}

void install(int signal)
{
    struct sigaction action { };
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // Restarted calls keep a file write whole.
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
}
#endif

#ifdef Q_OS_WIN
Interrupts* s_instance = nullptr;

void sayUnknown() { putError(s_unknown); }

// Runs on a thread of its own: it only queues the call into the event loop.
BOOL WINAPI consoleHandler(DWORD event)
{
    const bool interrupt = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT;
    // The console closes, the user logs off or the system shuts down: the
    // program ends when this returns, or when the system's time is up.
    const bool closing
        = event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT;
    if ((!interrupt && !closing) || !s_instance)
        return FALSE;
    // After the first Ctrl-C, the default handler ends the program at once.
    const bool first = takeFirst(closing ? SIGTERM : SIGINT, closing, sayUnknown);
    if (!first && !closing)
        return FALSE;
    if (first)
        QMetaObject::invokeMethod(s_instance, "onSignal", Qt::QueuedConnection);
    // Never returns: the program's own end (or the system) ends this thread.
    if (closing)
        ::Sleep(INFINITE);
    return TRUE;
}
#endif

} // namespace

Interrupts::Interrupts(QObject* parent)
    : QObject(parent)
{
    s_unknown = u"tz586kv: "_qs
        + tr("ended in the middle of a change: the controller's state is unknown; read it "
             "(tz586kv read) before going on")
        + u'\n';
    s_unknownBytes = s_unknown.toUtf8();
#ifdef Q_OS_UNIX
    if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &Interrupts::onSignal);
    install(SIGINT);
    install(SIGTERM);
    install(SIGHUP);
    // A reader of standard output or error that went away is no reason to
    // stop, least of all in the middle of a change: writes just fail.
    std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef Q_OS_WIN
    s_instance = this;
    ::SetConsoleCtrlHandler(consoleHandler, TRUE);
#endif
}

Interrupts::~Interrupts()
{
#ifdef Q_OS_WIN
    ::SetConsoleCtrlHandler(consoleHandler, FALSE);
    s_instance = nullptr;
#endif
#ifdef Q_OS_UNIX
    if (!m_notifier)
        return;
    for (const int signal : { SIGINT, SIGTERM, SIGHUP, SIGPIPE })
        std::signal(signal, SIG_DFL);
    delete m_notifier;
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
#endif
}

bool Interrupts::caught() { return s_caught != 0; }

void Interrupts::setHolding(bool holding)
{
    s_holding = holding ? 1 : 0;
    // Raised first, looked at after: a signal in between is held.
    if (holding && s_caught != 0) {
        s_holding = 0;
        abortOnce();
    }
}

void Interrupts::onSignal()
{
#ifdef Q_OS_UNIX
    char byte = 0;
    while (::read(s_pipe[0], &byte, 1) == 1) { }
    m_notifier->setEnabled(false);
#endif
    if (s_held != 0) {
        emit held();
        return;
    }
    abortOnce();
    emit interrupted(static_cast<int>(s_caught));
}

void Interrupts::abortOnce()
{
    if (m_aborted)
        return;
    m_aborted = true;
    if (m_abort)
        m_abort();
}
