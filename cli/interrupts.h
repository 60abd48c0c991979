#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGINT, SIGTERM and SIGHUP (Ctrl-C, Ctrl-Break and the console's close,
// logoff and shutdown on Windows) turned into an event: the handler only
// writes to a pipe (queues a call on Windows), and the event loop (which a
// running exchange pumps) calls the abort hook. While the controller is being
// changed, the first signal is held instead: the change runs to its end. A
// second SIGINT or SIGTERM ends the program at once, saying so when it cuts a
// change short; a hangup never does. SIGPIPE is ignored. One instance at a
// time.
class Interrupts : public QObject {
    Q_OBJECT
public:
    explicit Interrupts(QObject* parent = nullptr);
    ~Interrupts() override;

    // True once a signal came that was not held, even before the event loop
    // has seen it.
    static bool caught();

    // Called once, from the event loop, on the first signal; for example the
    // exchange's abort(). Empty to drop it.
    void setAbortHook(std::function<void()> hook) { m_abort = std::move(hook); }

    // From the moment the controller starts to change until the change has
    // ended. A signal that came before and was not acted on yet aborts at
    // once, before anything changes.
    void setHolding(bool holding);

signals:
    void interrupted(int signal);
    // The first signal came during a change and waits for its end.
    void held();

private slots:
    void onSignal();

private:
    void abortOnce();

    QSocketNotifier* m_notifier = nullptr;
    std::function<void()> m_abort;
    bool m_aborted = false;
};
