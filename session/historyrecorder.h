#pragma once

#include "historystore.h"
#include "imagerecorder.h"

#include <functional>

// Keeps the operations' images in the settings history, for both front ends,
// each with the port it came from or went to.
class HistoryRecorder : public ImageRecorder {
public:
    // The device of the port in use, asked at each record.
    using PortName = std::function<QString()>;

    HistoryRecorder(HistoryStore& store, PortName port)
        : m_store(store)
        , m_port(std::move(port))
    {
    }

    QString record(Kind kind, const QString& image) override;
    HistoryStore& store() { return m_store; }

private:
    HistoryStore& m_store;
    PortName m_port;
};
