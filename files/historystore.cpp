#include "historystore.h"

#include "settingfile.h"
#include "settingimage.h"
#include "writetarget.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString IndexName = u"index.tsv"_s;
const QString StampFormat = u"yyyy-MM-dd_HH-mm-ss"_s;
const QString IndexTimeFormat = u"yyyy-MM-dd HH:mm:ss"_s;
constexpr int KindCount = 5;
constexpr std::array<const char16_t*, KindCount> Words { u"read", u"before-write", u"written",
    u"verified", u"default-write" };
// Past this size the index drops lines of pruned entries and its oldest lines.
constexpr qint64 CompactAbove = 256 * 1024;
constexpr int IndexLinesKept = 2000;

const QRegularExpression& namePattern()
{
    static const QRegularExpression pattern(
        u"^(\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d)(?:-(\\d+))?_([a-z-]+)\\.set$"_s);
    return pattern;
}

int kindOf(QStringView word)
{
    for (int k = 0; k < KindCount; ++k) {
        if (word == QStringView(Words[k]))
            return k;
    }
    return -1;
}

// Fixed-layout dates parsed by hand: QDateTime::fromString costs more than the
// rest of listing a full folder.
QDateTime parseTime(QStringView text, QChar dateTimeSeparator, QChar timeSeparator)
{
    if (text.size() != 19 || text[10] != dateTimeSeparator || text[13] != timeSeparator)
        return {};
    const auto number = [&](int from, int length) { return text.mid(from, length).toInt(); };
    const QDate date(number(0, 4), number(5, 2), number(8, 2));
    const QTime time(number(11, 2), number(14, 2), number(17, 2));
    return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
}

QDateTime stampTime(QStringView stamp) { return parseTime(stamp, u'_', u'-'); }

bool isImage(const SettingFile::Loaded& loaded)
{
    return loaded.status == SettingFile::LoadStatus::Image && SettingImage::isHexImage(loaded.text);
}

} // namespace

HistoryStore::HistoryStore(QString root, Clock clock)
    : m_root(std::move(root))
    , m_clock(std::move(clock))
{
}

QString HistoryStore::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + u"/tz586kv-link/history"_s;
}

QString HistoryStore::kindWord(Kind kind) { return QString::fromUtf16(Words[int(kind)]); }

QString HistoryStore::kindText(Kind kind) { return kindWord(kind).replace(u'-', u' '); }

QString HistoryStore::failureText() const
{
    return u"The settings history cannot be written to %1."_s.arg(QDir::toNativeSeparators(m_root));
}

bool HistoryStore::takeFailureNotice() { return std::exchange(m_notice, false); }

bool HistoryStore::record(Kind kind, const QString& image)
{
    if (image.size() != SettingImage::Length || !SettingImage::isHexImage(image))
        return false;
    bool written = false;
    try {
        written = write(kind, image, m_clock());
    } catch (...) {
        written = false;
    }
    if (!written && !m_failed)
        m_notice = true;
    m_failed = !written;
    return written;
}

bool HistoryStore::write(Kind kind, const QString& image, const QDateTime& now)
{
    if (!QDir().mkpath(m_root) || !mayWriteInto(m_root))
        return false;
    list(false);
    findNewest();
    QString file;
    if (!m_newestFile.isEmpty() && m_newestImage.compare(image, Qt::CaseInsensitive) == 0) {
        file = m_newestFile;
    } else {
        Name name = freeName(now, kind);
        file = name.file;
        if (!SettingFile::save(filePath(file), image))
            return false;
        insert(std::move(name));
        if (m_names.back().file == file) {
            m_newestKnown = true;
            m_newestFile = file;
            m_newestImage = image;
        }
    }
    const bool ok = appendIndex(now, kind, file) && prune(now)
        && (QFileInfo(indexPath()).size() <= CompactAbove || compactIndex());
    m_listedAt = QFileInfo(m_root).lastModified();
    return ok;
}

bool HistoryStore::earlier(const Name& a, const Name& b)
{
    return a.time < b.time || (a.time == b.time && a.seq < b.seq);
}

void HistoryStore::list(bool always)
{
    const QDateTime modified = QFileInfo(m_root).lastModified();
    if (m_listed && !always && modified == m_listedAt)
        return;
    m_names.clear();
    const QStringList files = QDir(m_root).entryList({ u"*.set"_s }, QDir::Files, QDir::Unsorted);
    for (const QString& file : files) {
        const auto match = namePattern().match(file);
        if (!match.hasMatch())
            continue;
        const int kind = kindOf(match.capturedView(3));
        const QDateTime time = stampTime(match.capturedView(1));
        if (kind < 0 || !time.isValid())
            continue;
        const int seq = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
        m_names.push_back({ time, seq, Kind(kind), file });
    }
    std::sort(m_names.begin(), m_names.end(), earlier);
    m_listed = true;
    m_listedAt = modified;
    m_newestKnown = false;
}

void HistoryStore::findNewest()
{
    if (m_newestKnown)
        return;
    m_newestKnown = true;
    m_newestFile.clear();
    m_newestImage.clear();
    for (auto it = m_names.rbegin(); it != m_names.rend(); ++it) {
        const SettingFile::Loaded loaded = SettingFile::load(filePath(it->file));
        if (isImage(loaded)) {
            m_newestFile = it->file;
            m_newestImage = loaded.text;
            return;
        }
    }
}

HistoryStore::Name HistoryStore::freeName(const QDateTime& now, Kind kind) const
{
    const QString stamp = now.toString(StampFormat);
    const QDateTime second = stampTime(stamp);
    int seq = 1;
    for (const Name& n : m_names) {
        if (n.time == second)
            seq = std::max(seq, n.seq + 1);
    }
    // Another copy of the program may have taken a name we have not listed.
    for (;; ++seq) {
        const QString file
            = stamp + (seq > 1 ? u"-%1"_s.arg(seq) : QString()) + u'_' + kindWord(kind) + u".set"_s;
        if (!QFileInfo::exists(filePath(file)))
            return { second, seq, kind, file };
    }
}

void HistoryStore::insert(Name name)
{
    const auto at = std::upper_bound(m_names.begin(), m_names.end(), name, earlier);
    m_names.insert(at, std::move(name));
}

bool HistoryStore::appendIndex(const QDateTime& now, Kind kind, const QString& file) const
{
    if (!mayReplace(indexPath()))
        return false;
    QFile index(indexPath());
    if (!index.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray line
        = (now.toString(IndexTimeFormat) + u'\t' + kindWord(kind) + u'\t' + file + u'\n').toUtf8();
    return index.write(line) == line.size() && index.flush();
}

bool HistoryStore::prune(const QDateTime& now)
{
    const QDateTime youngest = now.addDays(-KeepDays);
    while (m_names.size() > size_t(MaxEntries) && m_names.front().time < youngest) {
        const QString path = filePath(m_names.front().file);
        if (!QFile::remove(path) && QFileInfo::exists(path))
            return false;
        if (m_names.front().file == m_newestFile)
            m_newestKnown = false;
        m_names.erase(m_names.begin());
    }
    return true;
}

bool HistoryStore::compactIndex() const
{
    QFile index(indexPath());
    if (!index.open(QIODevice::ReadOnly))
        return false;
    QSet<QString> kept;
    for (const Name& n : m_names)
        kept.insert(n.file);
    QList<QByteArray> lines;
    for (const QByteArray& line : index.readAll().split('\n')) {
        if (kept.contains(QString::fromUtf8(line.mid(line.lastIndexOf('\t') + 1))))
            lines.append(line);
    }
    index.close();
    lines = lines.mid(std::max<qsizetype>(0, lines.size() - IndexLinesKept));
    QSaveFile out(indexPath());
    if (!out.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray& line : std::as_const(lines))
        out.write(line + '\n');
    return out.commit();
}

QList<HistoryStore::Entry> HistoryStore::entries()
{
    list(true);
    QHash<QString, QDateTime> seen;
    QFile index(indexPath());
    if (index.open(QIODevice::ReadOnly)) {
        while (!index.atEnd()) {
            const QStringList fields = QString::fromUtf8(index.readLine()).trimmed().split(u'\t');
            const QDateTime time = parseTime(fields.first(), u' ', u':');
            if (fields.size() == 3 && time > seen.value(fields[2]))
                seen.insert(fields[2], time);
        }
    }
    QList<Entry> result;
    for (auto it = m_names.rbegin(); it != m_names.rend(); ++it) {
        const QString path = filePath(it->file);
        const SettingFile::Loaded loaded = SettingFile::load(path);
        if (isImage(loaded))
            result.append({ it->time, it->kind, path, loaded.text,
                std::max(it->time, seen.value(it->file, it->time)) });
    }
    return result;
}

QString HistoryStore::filePath(const QString& file) const { return m_root + u'/' + file; }

QString HistoryStore::indexPath() const { return filePath(IndexName); }
