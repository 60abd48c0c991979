#include "historynotice.h"

#include "historystore.h"
#include "mainwindow.h"

#include <QLineEdit>

namespace {
// Long enough to read an operation's last message first.
constexpr int DelayMs = 3000;
}

HistoryNotice::HistoryNotice(MainWindow& window, std::function<bool()> busy)
    : m_window(window)
    , m_busy(std::move(busy))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(DelayMs);
    connect(&m_timer, &QTimer::timeout, this, &HistoryNotice::show);
}

void HistoryNotice::afterOperation(HistoryStore& store)
{
    m_store = &store;
    if (store.takeFailureNotice())
        m_waiting = true;
    // A failure's red text stays: the notice waits for a quieter moment.
    if (m_waiting && m_window.messageTone() == MessageTone::Normal) {
        m_after = m_window.messageLine()->text();
        m_timer.start();
    }
}

void HistoryNotice::show()
{
    if (!m_waiting || m_busy() || m_window.messageLine()->text() != m_after
        || m_window.messageTone() != MessageTone::Normal)
        return;
    m_waiting = false;
    m_window.showMessage([store = m_store] { return store->failureText(); }, MessageTone::Normal);
}
