#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
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
