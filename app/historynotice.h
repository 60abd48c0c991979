#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class HistoryStore;
class MainWindow;

// Tells the user once that the settings history could not be kept. The
// notice waits behind an operation's last message and takes the message
// line only if nothing else has taken it meanwhile.
class HistoryNotice : public QObject {
    Q_OBJECT
public:
    // busy: whether an operation runs, which keeps the notice back.
    HistoryNotice(MainWindow& window, std::function<bool()> busy);

    void setDelay(int ms) { m_timer.setInterval(ms); }
    bool waiting() const { return m_waiting; }
    // After an operation: a failure of store's waits for a quieter moment.
    void afterOperation(HistoryStore& store);
    // The history window shows the failure itself.
    void drop() { m_waiting = false; }

private:
    void show();

    MainWindow& m_window;
    std::function<bool()> m_busy;
    QTimer m_timer;
    HistoryStore* m_store = nullptr;
    bool m_waiting = false;
    QString m_after; // the message the notice may replace
};
