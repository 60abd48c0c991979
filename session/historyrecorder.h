#pragma once

#include "historystore.h"
#include "imagerecorder.h"
#include "loghistory.h"
#include "logrecorder.h"

#include <functional>

// Keeps the operations' images in the settings history, and the logs they
// fetch in the log history beside it, for both front ends, each with the
// port it came from or went to.
class HistoryRecorder : public ImageRecorder, public LogRecorder {
public:
    // The device of the port in use, asked at each record.
    using PortName = std::function<QString()>;

    HistoryRecorder(HistoryStore& store, PortName port)
        : m_store(store)
        , m_logs(LogHistory::rootIn(store.root()))
        , m_port(std::move(port))
    {
    }

    QString record(Kind kind, const QString& image) override;
    QString recordLog(const SampleStore& store, const QString& image) override;
    HistoryStore& store() { return m_store; }
    LogHistory& logs() { return m_logs; }

private:
    HistoryStore& m_store;
    LogHistory m_logs;
    PortName m_port;
};
