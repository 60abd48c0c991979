#include "historyfolder.h"

#include "boundedread.h"
#include "historyformat.h"
#include "writetarget.h"

#include <QFileInfo>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace HistoryFolder {

bool writeDurably(QFile& file, const QByteArray& bytes)
{
    if (file.write(bytes) != bytes.size() || !file.flush())
        return false;
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return fsync(file.handle()) == 0;
#endif
}

std::optional<QList<QByteArray>> readLines(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = readBounded(file, limit);
    if (bytes.size() > limit || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes.split('\n');
}

bool appendLine(const QString& path, QByteArray line)
{
    if (!mayReplace(path))
        return false;
    QFile file(path);
    char last = '\n';
    if (file.open(QIODevice::ReadOnly) && file.size() > 0 && file.seek(file.size() - 1)
        && file.getChar(&last) && last != '\n')
        line.prepend('\n');
    file.close();
    return file.open(QIODevice::WriteOnly | QIODevice::Append) && file.write(line) == line.size()
        && file.flush();
}

QString createEntry(const QString& root, const QDateTime& second, int& seq, const QString& kind,
    QStringView extension, const QByteArray& bytes)
{
    for (;; ++seq) {
        const QString name = HistoryFormat::formatName(second, seq, kind, extension);
        QFile out(root + u'/' + name);
        if (out.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (writeDurably(out, bytes))
                return name;
            out.remove();
            return {};
        }
        // Taken names are finite: any other failure ends the loop.
        if (!QFileInfo::exists(out.fileName()))
            return {};
    }
}

} // namespace HistoryFolder
