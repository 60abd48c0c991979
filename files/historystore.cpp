#include "historystore.h"

#include "historyfolder.h"
#include "historyformat.h"
#include "settingfile.h"
#include "settingimage.h"
#include "writetarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString IndexName = u"index.tsv"_s;
const QString LockName = u"index.lock"_s;
constexpr int KindCount = 6;
constexpr std::array<const char16_t*, KindCount> Words { u"read", u"before-write", u"written",
    u"verified", u"before-default", u"default-write" };
constexpr std::array<const char*, KindCount> Texts { QT_TRANSLATE_NOOP("HistoryStore", "read"),
    QT_TRANSLATE_NOOP("HistoryStore", "before write"), QT_TRANSLATE_NOOP("HistoryStore", "written"),
    QT_TRANSLATE_NOOP("HistoryStore", "verified"),
    QT_TRANSLATE_NOOP("HistoryStore", "before default"),
    QT_TRANSLATE_NOOP("HistoryStore", "default write") };
// Past this size the index drops lines of pruned entries and merges the rest.
constexpr qint64 CompactAbove = 256 * 1024;
// An index read whole: more than any history writes is none.
constexpr qint64 IndexReadLimit = 64 * 1024 * 1024;
// The first line of an index; a port in it is never that long.
constexpr qint64 FirstLineLimit = 64 * 1024;
// Others hold the lock for one record; a holder that died leaves a stale lock
// that is taken over at once.
constexpr int LockWaitMs = 2000;

// Older versions kept the image from before a Default Write under
// "default-write": that is a before-default image.
int kindOf(QStringView word, bool old)
{
    for (int k = 0; k < KindCount; ++k) {
        if (word == QStringView(Words[k]))
            return old && HistoryStore::Kind(k) == HistoryStore::Kind::DefaultWrite
                ? int(HistoryStore::Kind::BeforeDefault)
                : k;
    }
    return -1;
}

bool isImage(const SettingFile::Loaded& loaded)
{
    return loaded.status == SettingFile::LoadStatus::Image && SettingImage::isHexImage(loaded.text);
}

int imageByte(const QString& image, int k) { return image.mid(2 * k, 2).toInt(nullptr, 16); }

// Nothing when the index cannot be read or is larger than any index grows.
std::optional<QList<QByteArray>> readIndexLines(const QString& path)
{
    return HistoryFolder::readLines(path, IndexReadLimit);
}

// What the index says of its entries, one line for each kind an entry came
// as: the newest of that kind, with the port of the entry's first line.
struct MergedIndex {
    QHash<QString, QList<HistoryFormat::Line>> lines; // by file
    QStringList order; // files, by their first line
};

void merge(MergedIndex& merged, HistoryFormat::Line line)
{
    QList<HistoryFormat::Line>& held = merged.lines[line.file];
    if (held.isEmpty()) {
        merged.order.append(line.file);
    } else {
        line.port = held.first().port;
        line.modelCode = held.first().modelCode;
        line.romVersion = held.first().romVersion;
    }
    const auto same = std::find_if(held.begin(), held.end(),
        [&](const HistoryFormat::Line& l) { return l.kind == line.kind; });
    if (same == held.end())
        held.append(line);
    else
        same->time = std::max(same->time, line.time);
}

} // namespace

HistoryStore::HistoryStore(QString root, Clock clock)
    : KeptFolder(std::move(root), std::move(clock), &HistoryStore::failureSentence)
{
}

QString HistoryStore::defaultRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + u"/tz586kv-link/history"_s;
}

QString HistoryStore::kindWord(Kind kind) { return QString::fromUtf16(Words[int(kind)]); }

QString HistoryStore::kindText(Kind kind) { return tr(Texts[int(kind)]); }

QString HistoryStore::kindsText(const Entry& entry)
{
    QStringList texts;
    for (Kind kind : entry.kinds)
        texts.append(kindText(kind));
    return texts.join(tr(", ", "between the kinds of one entry"));
}

QString HistoryStore::failureSentence(const QString& folder)
{
    return tr("The settings history cannot be written to %1.").arg(folder);
}

bool HistoryStore::record(Kind kind, const QString& image, const QString& port)
{
    if (image.size() != SettingImage::Length || !SettingImage::isHexImage(image))
        return false;
    return noteRecord([&] { return write(kind, image, port, m_clock()); });
}

bool HistoryStore::write(Kind kind, const QString& image, const QString& port, const QDateTime& now)
{
    if (!QDir().mkpath(m_root) || !mayWriteInto(m_root))
        return false;
    // One recorder at a time: what is listed stays true until the lock goes.
    QLockFile lock(filePath(LockName));
    if (!lock.tryLock(LockWaitMs))
        return false;
    list();
    findNewest();
    const bool indexLost = !m_names.empty() && !indexReadable();
    QString file = m_newestFile;
    if (file.isEmpty() || m_newestImage.compare(image, Qt::CaseInsensitive) != 0
        || m_newestPort != port) {
        if (!create(now, kind, image, file))
            return false;
        m_newestFile = file;
        m_newestImage = image;
        m_newestPort = port;
    }
    const HistoryFormat::Line line { now, kindWord(kind), file, port,
        imageByte(image, SettingImage::ModelByte), imageByte(image, SettingImage::VersionByte) };
    return appendIndex(HistoryFormat::formatLine(line)) && prune(now)
        && ((!indexLost && QFileInfo(indexPath()).size() <= CompactAbove) || compactIndex());
}

void HistoryStore::list()
{
    m_names.clear();
    const QStringList files = QDir(m_root).entryList({ u"*.set"_s }, QDir::Files, QDir::Unsorted);
    for (const QString& file : files) {
        const std::optional<HistoryFormat::Name> name = HistoryFormat::parseName(file);
        const int kind = name ? kindOf(name->kind, !name->utc) : -1;
        if (kind >= 0)
            m_names.push_back({ name->time, name->seq, Kind(kind), file });
    }
    std::sort(m_names.begin(), m_names.end(), HistoryFolder::earlier<Name, Name>);
}

QHash<QString, HistoryStore::Noted> HistoryStore::readIndex() const
{
    QHash<QString, Noted> noted;
    for (const QByteArray& bytes : readIndexLines(indexPath()).value_or(QList<QByteArray> {})) {
        const std::optional<HistoryFormat::Line> line = HistoryFormat::parseLine(bytes);
        const int kind = line ? kindOf(line->kind, line->old) : -1;
        if (kind < 0)
            continue;
        Noted& n = noted[line->file];
        if (!n.kinds.contains(Kind(kind)))
            n.kinds.append(Kind(kind));
        n.lastSeen = std::max(n.lastSeen, line->time);
        if (!std::exchange(n.known, true)) {
            n.port = line->port;
            n.modelCode = line->modelCode;
            n.romVersion = line->romVersion;
        }
    }
    return noted;
}

void HistoryStore::findNewest()
{
    for (auto it = m_names.rbegin(); it != m_names.rend(); ++it) {
        if (it->file == m_newestFile)
            return;
        const SettingFile::Loaded loaded = SettingFile::load(filePath(it->file));
        if (isImage(loaded)) {
            m_newestFile = it->file;
            m_newestImage = loaded.text;
            m_newestPort = readIndex().value(it->file).port;
            return;
        }
    }
    m_newestFile.clear();
}

bool HistoryStore::create(const QDateTime& now, Kind kind, const QString& image, QString& file)
{
    Name name;
    name.kind = kind;
    file = HistoryFolder::addEntry(
        m_root, m_names, now, name, kindWord(kind), u".set", image.toLatin1());
    return !file.isEmpty();
}

bool HistoryStore::appendIndex(QByteArray line) const
{
    return HistoryFolder::appendLine(indexPath(), std::move(line));
}

// Cheap, on every record: an index whose first line is none is garbage or gone.
bool HistoryStore::indexReadable() const
{
    QFile index(indexPath());
    if (!index.open(QIODevice::ReadOnly))
        return false;
    QByteArray first = index.readLine(FirstLineLimit);
    if (first.endsWith('\n'))
        first.chop(1);
    return HistoryFormat::parseLine(first).has_value();
}

bool HistoryStore::prune(const QDateTime& now)
{
    return HistoryFolder::prune(m_root, m_names, now, MaxEntries, KeepDays);
}

// Only under the lock, with the folder just listed: every line another
// process appended names a file that exists. An entry the index lost gets a
// line from its name and image.
bool HistoryStore::compactIndex() const
{
    MergedIndex merged;
    for (const Name& n : m_names)
        merged.lines.insert(n.file, {});
    for (const QByteArray& bytes : readIndexLines(indexPath()).value_or(QList<QByteArray> {})) {
        std::optional<HistoryFormat::Line> line = HistoryFormat::parseLine(bytes);
        const int kind = line ? kindOf(line->kind, line->old) : -1;
        if (kind < 0 || !merged.lines.contains(line->file))
            continue;
        line->kind = kindWord(Kind(kind));
        merge(merged, *line);
    }
    for (const Name& n : m_names) {
        if (!merged.lines.value(n.file).isEmpty())
            continue;
        const SettingFile::Loaded loaded = SettingFile::load(filePath(n.file));
        if (isImage(loaded))
            merge(merged,
                { n.time, kindWord(n.kind), n.file, {},
                    imageByte(loaded.text, SettingImage::ModelByte),
                    imageByte(loaded.text, SettingImage::VersionByte) });
    }
    QSaveFile out(indexPath());
    if (!out.open(QIODevice::WriteOnly))
        return false;
    for (const QString& file : std::as_const(merged.order)) {
        for (const HistoryFormat::Line& line : std::as_const(merged.lines[file]))
            out.write(HistoryFormat::formatLine(line));
    }
    return out.commit();
}

QList<HistoryStore::Entry> HistoryStore::entries()
{
    list();
    const QHash<QString, Noted> noted = readIndex();
    QList<Entry> result;
    for (auto it = m_names.rbegin(); it != m_names.rend(); ++it) {
        const QString path = filePath(it->file);
        const SettingFile::Loaded loaded = SettingFile::load(path);
        if (!isImage(loaded))
            continue;
        const Noted n = noted.value(it->file);
        Entry e { it->time, it->kind, { it->kind }, path, loaded.text,
            std::max(it->time, n.lastSeen), n.port, n.modelCode, n.romVersion };
        for (Kind kind : n.kinds) {
            if (!e.kinds.contains(kind))
                e.kinds.append(kind);
        }
        // Older lines, and entries the index lost, hold no model or version.
        if (e.modelCode < 0 || e.romVersion < 0) {
            e.modelCode = imageByte(e.image, SettingImage::ModelByte);
            e.romVersion = imageByte(e.image, SettingImage::VersionByte);
        }
        result.append(e);
    }
    return result;
}

QString HistoryStore::filePath(const QString& file) const { return m_root + u'/' + file; }

QString HistoryStore::indexPath() const { return filePath(IndexName); }
