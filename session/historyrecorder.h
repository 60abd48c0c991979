#pragma once

#include "historystore.h"
#include "imagerecorder.h"

// Keeps the operations' images in the settings history, for both front ends.
class HistoryRecorder : public ImageRecorder {
public:
    explicit HistoryRecorder(HistoryStore& store)
        : m_store(store)
    {
    }

    void record(Kind kind, const QString& image) override;
    HistoryStore& store() { return m_store; }

private:
    HistoryStore& m_store;
};
