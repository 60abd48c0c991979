#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// SIGINT and SIGTERM (Ctrl-C and Ctrl-Break on Windows) turned into an event:
// the handler only writes to a pipe (queues a call on Windows), and the event
// loop (which a running exchange pumps) calls the abort hook. A second signal
// ends the program at once. One instance at a time.
class Interrupts : public QObject {
    Q_OBJECT
public:
    explicit Interrupts(QObject* parent = nullptr);
    ~Interrupts() override;

    // True once a signal came, even before the event loop has seen it.
    static bool caught();

    // Called once, from the event loop, on the first signal; for example the
    // exchange's abort(). Empty to drop it.
    void setAbortHook(std::function<void()> hook) { m_abort = std::move(hook); }

signals:
    void interrupted(int signal);

private slots:
    void onSignal();

private:
    QSocketNotifier* m_notifier = nullptr;
    std::function<void()> m_abort;
};
