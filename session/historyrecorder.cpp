#include "historyrecorder.h"

QString HistoryRecorder::record(Kind kind, const QString& image)
{
    // A failure stays with the store, which tells the user once.
    if (!m_store.record(kind, image, m_port ? m_port() : QString()))
        return {};
    return m_store.newestEntry();
}

QString HistoryRecorder::recordLog(const SampleStore& store, const QString& image)
{
    if (!m_logs.record(store, m_port ? m_port() : QString(), image))
        return {};
    return m_logs.newestEntry();
}
