#include "historyrecorder.h"

namespace {

HistoryStore::Kind storeKind(ImageRecorder::Kind kind)
{
    switch (kind) {
    case ImageRecorder::Kind::Read:
        return HistoryStore::Kind::Read;
    case ImageRecorder::Kind::BeforeWrite:
        return HistoryStore::Kind::BeforeWrite;
    case ImageRecorder::Kind::Written:
        return HistoryStore::Kind::Written;
    case ImageRecorder::Kind::Verified:
        return HistoryStore::Kind::Verified;
    case ImageRecorder::Kind::BeforeDefault:
        return HistoryStore::Kind::BeforeDefault;
    case ImageRecorder::Kind::DefaultWrite:
        return HistoryStore::Kind::DefaultWrite;
    }
    return HistoryStore::Kind::Read;
}

} // namespace

QString HistoryRecorder::record(Kind kind, const QString& image)
{
    // A failure stays with the store, which tells the user once.
    if (!m_store.record(storeKind(kind), image, m_port ? m_port() : QString()))
        return {};
    return m_store.newestEntry();
}
