#include "inifile.h"

#include "boundedread.h"
#include "writetarget.h"

#include <QFile>
#include <QFileInfo>

#include <optional>
#include <utility>
#include <vector>

namespace {

// Configuration files are tiny; anything this big is not ours to load.
constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

const QString Missing = QStringLiteral("Error");

struct Line {
    qsizetype start = 0; // first character of the content
    qsizetype end = 0; // after the content, before the line end
    bool terminated = false; // followed by a line end
};

struct Document {
    QString text; // bytes as Latin-1, so that every byte comes back unchanged
    std::vector<Line> lines;
};

// Every read is bounded; a missing, oversized or unreadable file is no file.
std::optional<QString> readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return std::nullopt;
    const QByteArray bytes = readBounded(file, MaxFileSize);
    if (bytes.size() > MaxFileSize || file.error() != QFileDevice::NoError)
        return std::nullopt;
    return QString::fromLatin1(bytes);
}

Document parse(QString text)
{
    Document doc;
    doc.text = std::move(text);
    const QString& t = doc.text;
    // A UTF-8 byte order mark is kept but must not hide the first section.
    qsizetype pos = t.startsWith(QLatin1String("\xEF\xBB\xBF")) ? 3 : 0;
    while (pos < t.size()) {
        const qsizetype nl = t.indexOf(u'\n', pos);
        Line line { pos, nl < 0 ? t.size() : nl, nl >= 0 };
        if (line.terminated && line.end > line.start && t[line.end - 1] == u'\r')
            --line.end;
        doc.lines.push_back(line);
        pos = nl < 0 ? t.size() : nl + 1;
    }
    return doc;
}

QStringView content(const Document& doc, const Line& line)
{
    return QStringView(doc.text).mid(line.start, line.end - line.start);
}

std::optional<QStringView> sectionName(QStringView text)
{
    const QStringView t = text.trimmed();
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return t.mid(1, close - 1).trimmed();
}

bool isComment(QStringView trimmed) { return trimmed.startsWith(u';') || trimmed.startsWith(u'#'); }

// Index of the '=' of a key line whose name matches, or -1.
qsizetype keyEquals(QStringView text, const QString& key)
{
    const QStringView t = text.trimmed();
    if (t.isEmpty() || isComment(t))
        return -1;
    const qsizetype eq = text.indexOf(u'=');
    if (eq < 0 || text.left(eq).trimmed().compare(key, Qt::CaseInsensitive) != 0)
        return -1;
    return eq;
}

struct Section {
    qsizetype header = -1; // line index of "[name]"
    qsizetype end = -1; // line index after its last line
};

// The first section of that name wins, as it does for the system's reader.
Section findSection(const Document& doc, const QString& name)
{
    Section found;
    for (qsizetype i = 0; i < qsizetype(doc.lines.size()); ++i) {
        const std::optional<QStringView> s = sectionName(content(doc, doc.lines[i]));
        if (!s)
            continue;
        if (found.header >= 0) {
            found.end = i;
            return found;
        }
        if (s->compare(name, Qt::CaseInsensitive) == 0)
            found.header = i;
    }
    if (found.header >= 0)
        found.end = qsizetype(doc.lines.size());
    return found;
}

struct KeyLine {
    qsizetype line = -1;
    qsizetype equals = -1; // offset of '=' within the line
};

KeyLine findKey(const Document& doc, const Section& section, const QString& key)
{
    for (qsizetype i = section.header + 1; i < section.end; ++i) {
        const qsizetype eq = keyEquals(content(doc, doc.lines[i]), key);
        if (eq >= 0)
            return { i, eq };
    }
    return {};
}

QString unquoted(QStringView value)
{
    QStringView v = value.trimmed();
    if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"'))
        v = v.mid(1, v.size() - 2);
    return v.toString();
}

QString lineEndOf(const QString& text)
{
    const qsizetype nl = text.indexOf(u'\n');
    return nl > 0 && text[nl - 1] == u'\r' ? u"\r\n"_qs : u"\n"_qs;
}

// New text of the file with the key set; only one line changes or is added.
QString withKey(QString text, const QString& section, const QString& key, const QString& value)
{
    const Document doc = parse(std::move(text));
    QString out = doc.text;
    const QString eol = lineEndOf(out);
    const Section s = findSection(doc, section);
    if (s.header < 0) {
        if (!out.isEmpty() && !out.endsWith(u'\n'))
            out += eol;
        return out + u'[' + section + u']' + eol + key + u'=' + value + eol;
    }
    const KeyLine k = findKey(doc, s, key);
    if (k.line >= 0) {
        const Line& line = doc.lines[k.line];
        const qsizetype from = line.start + k.equals + 1;
        return out.replace(from, line.end - from, value);
    }
    qsizetype last = s.header;
    for (qsizetype i = s.header + 1; i < s.end; ++i) {
        if (!content(doc, doc.lines[i]).trimmed().isEmpty())
            last = i;
    }
    const Line& after = doc.lines[last];
    if (after.terminated) {
        const qsizetype at = out.indexOf(u'\n', after.end) + 1;
        return out.insert(at, key + u'=' + value + eol);
    }
    return out + eol + key + u'=' + value + eol;
}

bool isPlainValue(const QString& text)
{
    for (const QChar c : text) {
        if (c == u'\n' || c == u'\r' || c == u'\0' || c.unicode() > 0xFF)
            return false;
    }
    return true;
}

// Names must read back as the same section or key.
bool isPlainName(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t != text || !isPlainValue(text) || isComment(t))
        return false;
    return !text.contains(u'=') && !text.contains(u'[') && !text.contains(u']');
}

} // namespace

IniFile::IniFile(QString path)
    : m_path(std::move(path))
{
}

QString IniFile::value(const QString& section, const QString& key) const
{
    std::optional<QString> text = readText(m_path);
    if (!text)
        return Missing;
    const Document doc = parse(std::move(*text));
    const Section s = findSection(doc, section);
    if (s.header < 0)
        return Missing;
    const KeyLine k = findKey(doc, s, key);
    if (k.line < 0)
        return Missing;
    const QStringView line = content(doc, doc.lines[k.line]);
    return unquoted(line.mid(k.equals + 1)).left(MaxValueLength);
}

QList<std::pair<QString, QString>> IniFile::entries(const QString& section) const
{
    std::optional<QString> text = readText(m_path);
    if (!text)
        return {};
    const Document doc = parse(std::move(*text));
    const Section s = findSection(doc, section);
    QList<std::pair<QString, QString>> found;
    for (qsizetype i = s.header + 1; s.header >= 0 && i < s.end; ++i) {
        const QStringView line = content(doc, doc.lines[i]);
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0 || isComment(line.trimmed()))
            continue;
        found.append({ line.left(eq).trimmed().toString(),
            unquoted(line.mid(eq + 1)).left(MaxValueLength) });
    }
    return found;
}

bool IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    // A name or value that would break the line structure is refused, not
    // smuggled into the file as extra lines.
    if (!isPlainName(section) || !isPlainName(key) || !isPlainValue(value))
        return false;
    QString text;
    if (!mayReplace(m_path))
        return false;
    if (QFileInfo::exists(m_path)) {
        std::optional<QString> old = readText(m_path);
        if (!old)
            return false;
        text = std::move(*old);
    }
    return saveAtomically(m_path, withKey(std::move(text), section, key, value).toLatin1());
}
