#include "loghistory.h"

#include "historyfolder.h"
#include "historyformat.h"
#include "logfile.h"
#include "logmarkers.h"
#include "settingimage.h"
#include "writetarget.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Kind = u"log"_s;
const QString Extension = u".csv"_s;
// Others hold the lock for one record; a stale one is taken over at once.
constexpr int LockWaitMs = 2000;
// An index line is some 150 bytes: past this, lines of pruned entries go.
constexpr qint64 CompactAbove = 256 * 1024;
constexpr qint64 IndexReadLimit = 16 * 1024 * 1024;

} // namespace

LogHistory::LogHistory(QString root, Clock clock)
    : KeptFolder(std::move(root), std::move(clock), &LogHistory::failureSentence)
{
}

QString LogHistory::rootIn(const QString& settingsRoot) { return settingsRoot + u"/logs"_s; }

QString LogHistory::failureSentence(const QString& folder)
{
    return tr("The log history cannot be written to %1.").arg(folder);
}

bool LogHistory::record(const SampleStore& store, const QString& port, const QString& image)
{
    if (!store.held)
        return false;
    return noteRecord([&] { return write(store, port, image); });
}

bool LogHistory::write(const SampleStore& store, const QString& port, const QString& image)
{
    if (!QDir().mkpath(m_root) || !mayWriteInto(m_root))
        return false;
    QLockFile lock(m_root + u"/index.lock"_s);
    if (!lock.tryLock(LockWaitMs))
        return false;
    list();
    const QDateTime now = m_clock();
    const QString file = HistoryFolder::addEntry(
        m_root, m_names, now, Name {}, Kind, Extension, LogFile::logFileText(store).toLatin1());
    if (file.isEmpty())
        return false;
    m_newestFile = file;
    const bool known = image.size() == SettingImage::Length && SettingImage::isHexImage(image);
    const HistoryFormat::Line line { now, Kind, file, port,
        known ? SettingImage::byteAt(image, SettingImage::ModelByte) : -1,
        known ? SettingImage::byteAt(image, SettingImage::VersionByte) : -1,
        known ? image : QString() };
    return HistoryFolder::appendLine(indexPath(), HistoryFormat::formatLine(line))
        && HistoryFolder::prune(m_root, m_names, now, MaxEntries, KeepDays, { LogMarkers::Suffix })
        && (QFileInfo(indexPath()).size() <= CompactAbove || compactIndex());
}

void LogHistory::list()
{
    m_names.clear();
    const QStringList files
        = QDir(m_root).entryList({ u"*"_s + Extension }, QDir::Files, QDir::Unsorted);
    for (const QString& file : files) {
        const std::optional<HistoryFormat::Name> name = HistoryFormat::parseName(file, Extension);
        if (name && name->utc && name->kind == Kind)
            m_names.push_back({ name->time, name->seq, file });
    }
    std::sort(m_names.begin(), m_names.end(), HistoryFolder::earlier<Name, Name>);
}

// Only under the lock, with the folder just listed: the lines of entries
// that are gone go.
bool LogHistory::compactIndex() const
{
    QSet<QString> files;
    for (const Name& n : m_names)
        files.insert(n.file);
    QByteArray kept;
    for (const QByteArray& bytes :
        HistoryFolder::readLines(indexPath(), IndexReadLimit).value_or(QList<QByteArray> {})) {
        const std::optional<HistoryFormat::Line> line = HistoryFormat::parseLine(bytes);
        if (line && files.contains(line->file))
            kept += bytes + '\n';
    }
    QSaveFile out(indexPath());
    return out.open(QIODevice::WriteOnly) && out.write(kept) == kept.size() && out.commit();
}

QList<LogHistory::Entry> LogHistory::entries()
{
    list();
    QHash<QString, HistoryFormat::Line> noted;
    for (const QByteArray& bytes :
        HistoryFolder::readLines(indexPath(), IndexReadLimit).value_or(QList<QByteArray> {})) {
        const std::optional<HistoryFormat::Line> line = HistoryFormat::parseLine(bytes);
        if (line && line->kind == Kind && !noted.contains(line->file))
            noted.insert(line->file, *line);
    }
    QList<Entry> result;
    for (auto it = m_names.rbegin(); it != m_names.rend(); ++it) {
        const HistoryFormat::Line line = noted.value(it->file);
        result.append({ it->time, m_root + u'/' + it->file, line.port, line.image });
    }
    return result;
}

QString LogHistory::indexPath() const { return m_root + u"/index.tsv"_s; }
