#include "logfile.h"

#include "numbertext.h"

#include "boundedread.h"
#include "inputfile.h"
#include "writetarget.h"

#include <QCoreApplication>
#include <QFile>

#include <cmath>
#include <optional>

namespace LogFile {

namespace {

    const QString Header = QStringLiteral("Time(s),Voltage(V),Current(A)");
    const QString HeaderField = QStringLiteral("Time(s)");
    const QString LineEnd = QStringLiteral("\r\n");
    const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");

    QString sampleText(float value)
    {
        return value == SampleStore::Missing ? QString() : NumberText::shortest(value);
    }

    // An empty field marks a missing sample; anything else must be a number
    // that a single can hold.
    std::optional<float> sampleValue(QStringView field)
    {
        if (field.isEmpty())
            return SampleStore::Missing;
        const std::optional<double> number = NumberText::wholeNumber(field);
        if (!number)
            return std::nullopt;
        const float v = static_cast<float>(*number);
        if (!std::isfinite(v))
            return std::nullopt;
        return v;
    }

    QString said(const char* source) { return QCoreApplication::translate("LogFile", source); }

    // What line k + 1 should have held; the line number is filled in, a %2 is left.
    QString atLine(int k, const char* source) { return said(source).arg(k + 1); }

    // One data line k (k = 1 for the first) into the store; what was expected
    // where it breaks a rule, else empty.
    QString readDataLine(QStringView line, int k, SampleStore& store)
    {
        const QList<QStringView> fields = line.split(u',');
        const std::optional<double> index = NumberText::wholeNumber(fields[0]);
        if (!index || *index != k - 1)
            return atLine(
                k, QT_TRANSLATE_NOOP("LogFile", "Line %1: expected the sample number %2 first"))
                .arg(k - 1);
        if (k > SampleStore::Count)
            return atLine(
                k, QT_TRANSLATE_NOOP("LogFile", "Line %1: expected no more than %2 samples"))
                .arg(SampleStore::Count);
        if (fields.size() > 3)
            return atLine(
                k, QT_TRANSLATE_NOOP("LogFile", "Line %1: expected no more than three fields"));
        if (fields.size() < 2)
            return {};
        const std::optional<float> volt = sampleValue(fields[1]);
        if (!volt)
            return atLine(k,
                QT_TRANSLATE_NOOP(
                    "LogFile", "Line %1: expected a voltage or nothing in the second field"));
        store.voltsAt(k) = *volt;
        if (fields.size() >= 3) {
            const std::optional<float> cur = sampleValue(fields[2]);
            if (!cur)
                return atLine(k,
                    QT_TRANSLATE_NOOP(
                        "LogFile", "Line %1: expected a current or nothing in the third field"));
            store.ampsAt(k) = *cur;
        }
        return {};
    }

    QString readLog(const QString& text, SampleStore& store)
    {
        QList<QStringView> lines = QStringView(text).split(u'\n');
        // A final line end ends the last line; it does not start another.
        if (text.endsWith(u'\n'))
            lines.removeLast();
        for (int k = 0; k < lines.size(); ++k) {
            QStringView line = lines[k];
            if (line.endsWith(u'\r'))
                line.chop(1);
            if (line.isEmpty() && k > 0)
                return atLine(k,
                    QT_TRANSLATE_NOOP("LogFile", "Line %1: expected a sample, not an empty line"));
            if (k == 0) {
                if (line.split(u',').first() != HeaderField)
                    return atLine(k, QT_TRANSLATE_NOOP("LogFile", "Line %1: expected %2"))
                        .arg(Header);
            } else if (QString problem = readDataLine(line, k, store); !problem.isEmpty()) {
                return problem;
            }
        }
        // A header alone holds no log.
        return lines.size() > 1
            ? QString()
            : atLine(1, QT_TRANSLATE_NOOP("LogFile", "Line %1: expected the first sample"));
    }

} // namespace

QString logFileText(const SampleStore& store)
{
    QString text = Header + LineEnd;
    text.reserve(SampleStore::Count * 16);
    for (int n = 1; n <= SampleStore::Count; ++n) {
        text += QString::number(n - 1) + u',' + sampleText(store.voltsAt(n)) + u','
            + sampleText(store.ampsAt(n)) + LineEnd;
    }
    return text;
}

LoadStatus load(const QString& path, SampleStore& store, QString* problem)
{
    auto trouble = [problem](const QString& text) {
        if (problem)
            *problem = text;
        return LoadStatus::Trouble;
    };
    const InputFileKind kind = inputFileKind(path);
    if (kind == InputFileKind::Folder)
        return trouble(said(QT_TRANSLATE_NOOP("LogFile", "A folder, not a file")));
    if (kind == InputFileKind::Other)
        return trouble(said(QT_TRANSLATE_NOOP("LogFile", "Not a regular file")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return trouble(file.errorString());
    const QString tooLarge
        = said(QT_TRANSLATE_NOOP("LogFile", "Larger than a log file can be (1 MiB)"));
    if (file.size() > MaxFileSize)
        return trouble(tooLarge);
    const QByteArray bytes = readBounded(file, MaxFileSize);
    if (file.error() != QFileDevice::NoError)
        return trouble(file.errorString());
    if (bytes.size() > MaxFileSize)
        return trouble(tooLarge);
    if (bytes.isEmpty())
        return LoadStatus::Empty;
    // A byte-order mark, as text editors leave it and as setting files take it.
    const QString text = QString::fromLatin1(bytes.startsWith(Bom) ? bytes.mid(Bom.size()) : bytes);
    // Checked on a copy: a bad line must not leave half a file in the store.
    // The file is the whole log: a sample it does not hold is missing, not
    // left over from an earlier log.
    SampleStore loaded;
    loaded.volt.fill(SampleStore::Missing);
    loaded.cur.fill(SampleStore::Missing);
    if (const QString broken = readLog(text, loaded); !broken.isEmpty())
        return trouble(broken);
    loaded.held = true;
    store = loaded;
    return LoadStatus::Loaded;
}

bool save(const QString& path, const SampleStore& store)
{
    return saveAtomically(path, logFileText(store).toLatin1());
}

} // namespace LogFile
