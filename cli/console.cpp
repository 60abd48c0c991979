#include "console.h"

#include <QJsonDocument>
#include <algorithm>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

void put(FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

bool errIsTerminal()
{
#ifdef Q_OS_UNIX
    return ::isatty(STDERR_FILENO) == 1;
#else
    return false;
#endif
}

} // namespace

void Console::out(const QString& text) { put(stdout, text); }

void Console::json(const QJsonObject& document)
{
    const QByteArray bytes = QJsonDocument(document).toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void Console::error(const QString& message)
{
    endProgress();
    put(stderr, u"tz586kv: "_qs + message + u'\n');
}

void Console::note(const QString& line)
{
    endProgress();
    put(stderr, line + u'\n');
}

void Console::progress(const QString& text)
{
    if (!errIsTerminal())
        return;
    // Erase to the end of the line: a shorter text leaves no tail.
    put(stderr, u"\r"_qs + text + u"\x1b[K"_qs);
    m_progressShown = true;
}

void Console::endProgress()
{
    if (!m_progressShown)
        return;
    put(stderr, u"\n"_qs);
    m_progressShown = false;
}

QString columns(const QList<QStringList>& rows)
{
    QList<qsizetype> widths;
    for (const QStringList& row : rows) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c >= widths.size())
                widths.append(0);
            widths[c] = std::max(widths[c], row[c].size());
        }
    }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += c + 1 < row.size() ? row[c].leftJustified(widths[c] + 2) : row[c];
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text;
}
