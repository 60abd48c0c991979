#include "historyformat.h"

#include <QList>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace HistoryFormat {

namespace {

    const QString StampFormat = u"yyyy-MM-dd_HH-mm-ss"_s;
    const QString LineTimeFormat = u"yyyy-MM-ddTHH:mm:ssZ"_s;
    constexpr qsizetype StampLength = 19;

    const QRegularExpression& namePattern()
    {
        static const QRegularExpression pattern(
            u"^([0-9]{4}-[0-9]{2}-[0-9]{2}_[0-9]{2}-[0-9]{2}-[0-9]{2})(Z?)(?:-([0-9]{1,9}))?_([a-z-]+)$"_s);
        return pattern;
    }

    // Fixed-layout dates parsed by hand: QDateTime::fromString costs more than
    // the rest of listing a full folder.
    QDateTime parseTime(QStringView text, QChar dateTimeSeparator, QChar timeSeparator, bool utc)
    {
        if (text.size() != StampLength || text[10] != dateTimeSeparator || text[13] != timeSeparator
            || text[16] != timeSeparator)
            return {};
        for (qsizetype i : { 0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18 }) {
            if (!text[i].isDigit() || text[i].unicode() > u'9')
                return {};
        }
        const auto number = [&](int from, int length) { return text.mid(from, length).toInt(); };
        const QDate date(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2));
        if (!date.isValid() || !time.isValid())
            return {};
        return utc ? QDateTime(date, time, Qt::UTC) : QDateTime(date, time);
    }

    // A byte 0..255 written in decimal, else -1.
    int byteField(QStringView text)
    {
        if (text.isEmpty() || text.size() > 3)
            return -1;
        for (QChar c : text) {
            if (c < u'0' || c > u'9')
                return -1;
        }
        const int value = text.toInt();
        return value <= 255 ? value : -1;
    }

    QString byteText(int value) { return value < 0 ? QString() : QString::number(value); }

} // namespace

std::optional<Name> parseName(QStringView file, QStringView extension)
{
    if (!file.endsWith(extension))
        return std::nullopt;
    const QRegularExpressionMatch match = namePattern().match(file.chopped(extension.size()));
    if (!match.hasMatch())
        return std::nullopt;
    Name name;
    name.utc = !match.capturedView(2).isEmpty();
    name.time = parseTime(match.capturedView(1), u'_', u'-', name.utc);
    name.seq = match.capturedView(3).isEmpty() ? 1 : match.capturedView(3).toInt();
    name.kind = match.captured(4);
    if (!name.time.isValid() || name.seq < 1)
        return std::nullopt;
    return name;
}

QString formatName(const QDateTime& time, int seq, const QString& kind, QStringView extension)
{
    return time.toUTC().toString(StampFormat) + u'Z' + (seq > 1 ? u"-%1"_s.arg(seq) : QString())
        + u'_' + kind + extension.toString();
}

std::optional<Line> parseLine(QByteArrayView bytes)
{
    if (bytes.endsWith('\r'))
        bytes.chop(1);
    const QString text = QString::fromUtf8(bytes);
    const QList<QStringView> fields = QStringView(text).split(u'\t');
    if (fields.size() < 3 || fields[1].isEmpty() || fields[2].isEmpty())
        return std::nullopt;
    Line line;
    const QStringView time = fields[0];
    line.old = !time.endsWith(u'Z');
    line.time = line.old ? parseTime(time, u' ', u':', false)
                         : parseTime(time.chopped(1), u'T', u':', true);
    if (!line.time.isValid())
        return std::nullopt;
    line.kind = fields[1].toString();
    line.file = fields[2].toString();
    line.port = fields.value(3).toString();
    line.modelCode = byteField(fields.value(4));
    line.romVersion = byteField(fields.value(5));
    line.image = fields.value(6).toString();
    return line;
}

QByteArray formatLine(const Line& line)
{
    QString port = line.port;
    port.replace(u'\t', u' ').replace(u'\n', u' ');
    QStringList fields { line.time.toUTC().toString(LineTimeFormat), line.kind, line.file, port,
        byteText(line.modelCode), byteText(line.romVersion) };
    if (!line.image.isEmpty())
        fields.append(line.image);
    return (fields.join(u'\t') + u'\n').toUtf8();
}

} // namespace HistoryFormat
