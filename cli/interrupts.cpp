#include "interrupts.h"

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

volatile std::sig_atomic_t s_caught = 0;
int s_pipe[2] = { -1, -1 };

#ifdef Q_OS_UNIX
void handler(int signal)
{
    const int saved = errno;
    s_caught = signal;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t written = ::write(s_pipe[1], &byte, 1);
    errno = saved;
}

void install(int signal)
{
    struct sigaction action { };
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    // Restarted calls keep a file write whole; the reset lets a second
    // Ctrl-C end a program that no longer listens.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    ::sigaction(signal, &action, nullptr);
}
#endif

#ifdef Q_OS_WIN
Interrupts* s_instance = nullptr;

// Runs on a thread of its own: it only queues the call into the event loop.
BOOL WINAPI consoleHandler(DWORD event)
{
    const bool interrupt = event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT;
    // After the first, the default handler ends the program at once.
    if (!interrupt || s_caught != 0 || !s_instance)
        return FALSE;
    s_caught = SIGINT;
    QMetaObject::invokeMethod(s_instance, "onSignal", Qt::QueuedConnection);
    return TRUE;
}
#endif

} // namespace

Interrupts::Interrupts(QObject* parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &Interrupts::onSignal);
    install(SIGINT);
    install(SIGTERM);
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
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    delete m_notifier;
    ::close(s_pipe[0]);
    ::close(s_pipe[1]);
    s_pipe[0] = s_pipe[1] = -1;
#endif
}

bool Interrupts::caught() { return s_caught != 0; }

void Interrupts::onSignal()
{
#ifdef Q_OS_UNIX
    char byte = 0;
    while (::read(s_pipe[0], &byte, 1) == 1) { }
    m_notifier->setEnabled(false);
#endif
    if (m_abort)
        m_abort();
    emit interrupted(static_cast<int>(s_caught));
}
