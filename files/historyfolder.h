#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <algorithm>
#include <optional>
#include <vector>

// How both histories, of settings and of logs, keep their entries: one file
// per recording, created exclusively under the UTC second it was kept in, and
// an index.tsv of lines appended by one recorder at a time.
namespace HistoryFolder {

// The entry on disk before the index names it, even after a power cut.
bool writeDurably(QFile& file, const QByteArray& bytes);

// The lines of a file read whole; nothing when it cannot be read or is larger
// than limit.
std::optional<QList<QByteArray>> readLines(const QString& path, qint64 limit);

// line with its end; a last line cut short (a crash, a full disk) must not
// swallow it. False when the file may not be replaced or the write fails.
bool appendLine(const QString& path, QByteArray line);

// A new entry holding bytes, named by HistoryFormat::formatName from seq on;
// a name taken meanwhile moves on to the next. Its name, empty on failure.
QString createEntry(const QString& root, const QDateTime& second, int& seq, const QString& kind,
    QStringView extension, const QByteArray& bytes);

// Names of entries (each with time, seq and file) oldest first.
bool earlier(const auto& a, const auto& b)
{
    return a.time < b.time || (a.time == b.time && a.seq < b.seq);
}

// createEntry for the second of now, after the names already in it, and name
// (with the rest of what the caller keeps of an entry) added to names. The
// entry's file name, empty on failure.
template <typename Name>
QString addEntry(const QString& root, std::vector<Name>& names, const QDateTime& now, Name name,
    const QString& kind, QStringView extension, const QByteArray& bytes)
{
    name.time = now.toUTC().addMSecs(-now.time().msec());
    name.seq = 1;
    for (const Name& n : names) {
        if (n.time == name.time)
            name.seq = std::max(name.seq, n.seq + 1);
    }
    name.file = createEntry(root, name.time, name.seq, kind, extension, bytes);
    if (!name.file.isEmpty())
        names.insert(std::upper_bound(names.begin(), names.end(), name, earlier<Name, Name>), name);
    return name.file;
}

// Drops the oldest of names (oldest first, each with time and file) while
// more than maxEntries are kept and the oldest is older than keepDays; the
// files named with each of besides appended go with it.
template <typename Name>
bool prune(const QString& root, std::vector<Name>& names, const QDateTime& now, int maxEntries,
    int keepDays, const QStringList& besides = {})
{
    const QDateTime youngest = now.addDays(-keepDays);
    while (names.size() > size_t(maxEntries) && names.front().time < youngest) {
        const QString path = root + u'/' + names.front().file;
        for (const QString& beside : besides)
            QFile::remove(path + beside);
        if (!QFile::remove(path) && QFile::exists(path))
            return false;
        names.erase(names.begin());
    }
    return true;
}

} // namespace HistoryFolder
