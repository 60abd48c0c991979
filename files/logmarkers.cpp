#include "logmarkers.h"

#include "boundedread.h"
#include "samplestore.h"
#include "writetarget.h"

#include <QFile>
#include <algorithm>

namespace {

bool earlier(const LogMarker& a, const LogMarker& b) { return a.time < b.time; }

} // namespace

namespace LogMarkers {

QString sidecarPath(const QString& csvPath) { return csvPath + Suffix; }

QString cleanText(const QString& text) { return text.simplified().left(MaxText); }

bool load(const QString& csvPath, QList<LogMarker>& markers)
{
    markers.clear();
    QFile file(sidecarPath(csvPath));
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = readBounded(file, MaxFileSize);
    if (bytes.size() > MaxFileSize || file.error() != QFileDevice::NoError)
        return false;
    for (const QByteArray& line : bytes.split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        bool number = false;
        const int time = line.left(tab).toInt(&number);
        if (tab > 0 && number && time >= 0 && time <= SampleStore::Count
            && markers.size() < MaxMarkers)
            markers.append({ time, cleanText(QString::fromUtf8(line.mid(tab + 1))) });
    }
    std::stable_sort(markers.begin(), markers.end(), earlier);
    return true;
}

bool save(const QString& csvPath, QList<LogMarker> markers)
{
    const QString path = sidecarPath(csvPath);
    if (markers.isEmpty())
        return !QFile::exists(path) || (mayReplace(path) && QFile::remove(path));
    std::stable_sort(markers.begin(), markers.end(), earlier);
    QByteArray bytes;
    for (const LogMarker& m : markers.first(std::min<qsizetype>(markers.size(), MaxMarkers)))
        bytes += QByteArray::number(m.time) + '\t' + cleanText(m.text).toUtf8() + '\n';
    return saveAtomically(path, bytes);
}

} // namespace LogMarkers
