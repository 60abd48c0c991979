#include "logfile.h"

#include "numbertext.h"

#include "boundedread.h"
#include "writetarget.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>
#include <optional>

namespace LogFile {

namespace {

    const QString Header = QStringLiteral("Time(s),Voltage(V),Current(A)");
    const QString HeaderField = QStringLiteral("Time(s)");
    const QString LineEnd = QStringLiteral("\r\n");

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

    // One data line k (k = 1 for the first) into the store; false when it breaks a rule.
    bool readDataLine(QStringView line, int k, SampleStore& store)
    {
        const QList<QStringView> fields = line.split(u',');
        const std::optional<double> index = NumberText::wholeNumber(fields[0]);
        if (!index || *index != k - 1)
            return false;
        if (fields.size() < 2)
            return true;
        if (k > SampleStore::Count)
            return false;
        const std::optional<float> volt = sampleValue(fields[1]);
        if (!volt)
            return false;
        store.RunVolt(k) = *volt;
        if (fields.size() >= 3) {
            const std::optional<float> cur = sampleValue(fields[2]);
            if (!cur)
                return false;
            store.RunCur(k) = *cur;
        }
        return true;
    }

    bool readLog(const QString& text, SampleStore& store)
    {
        QList<QStringView> lines = QStringView(text).split(u'\n');
        // A final line end ends the last line; it does not start another.
        if (text.endsWith(u'\n'))
            lines.removeLast();
        for (int k = 0; k < lines.size(); ++k) {
            QStringView line = lines[k];
            if (line.endsWith(u'\r'))
                line.chop(1);
            if (line.isEmpty())
                return false;
            if (k == 0) {
                if (line.split(u',').first() != HeaderField)
                    return false;
            } else if (!readDataLine(line, k, store)) {
                return false;
            }
        }
        return true;
    }

} // namespace

QString MakeRunDat(const SampleStore& store)
{
    QString text = Header + LineEnd;
    text.reserve(SampleStore::Count * 16);
    for (int n = 1; n <= SampleStore::Count; ++n) {
        text += QString::number(n - 1) + u',' + sampleText(store.RunVolt(n)) + u','
            + sampleText(store.RunCur(n)) + LineEnd;
    }
    return text;
}

LoadStatus load(const QString& path, SampleStore& store)
{
    if (QFileInfo(path).isDir())
        return LoadStatus::Trouble;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return LoadStatus::Trouble;
    const QByteArray bytes = readBounded(file, MaxFileSize);
    if (file.error() != QFileDevice::NoError || bytes.size() > MaxFileSize)
        return LoadStatus::Trouble;
    if (bytes.isEmpty())
        return LoadStatus::Empty;
    // Checked on a copy: a bad line must not leave half a file in the store.
    SampleStore loaded = store;
    if (!readLog(QString::fromLatin1(bytes), loaded))
        return LoadStatus::Trouble;
    loaded.held = true;
    store = loaded;
    return LoadStatus::Loaded;
}

bool save(const QString& path, const SampleStore& store)
{
    return saveAtomically(path, MakeRunDat(store).toLatin1());
}

} // namespace LogFile
