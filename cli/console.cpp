#include "console.h"

#include "exitcode.h"

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

void Console::out(const QString& text)
{
    if (!m_quiet)
        put(stdout, text);
}

void Console::data(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void Console::json(const QJsonObject& document)
{
    m_documentPrinted = true;
    const QByteArray bytes = QJsonDocument(document).toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void Console::error(const QString& message)
{
    endProgress();
    if (m_firstError.isEmpty())
        m_firstError = message;
    put(stderr, u"tz586kv: "_qs + message + u'\n');
}

void Console::info(const QString& line)
{
    if (!m_quiet)
        note(line);
}

void Console::setErrorKind(const QString& kind)
{
    if (m_errorKind.isEmpty())
        m_errorKind = kind;
}

void Console::finish(int exitCode)
{
    if (m_json && !m_documentPrinted && exitCode != 0)
        json({ { u"error"_qs, errorJson(exitCode) } });
}

QJsonObject Console::errorJson(int exitCode) const
{
    const QString kind = m_errorKind.isEmpty() ? exitKind(exitCode).toString() : m_errorKind;
    return { { u"kind"_qs, kind }, { u"message"_qs, m_firstError }, { u"exit"_qs, exitCode } };
}

void Console::note(const QString& line)
{
    endProgress();
    put(stderr, line + u'\n');
}

void Console::progress(const QString& text)
{
    if (m_quiet || !errIsTerminal())
        return;
    // Erase to the end of the line: a shorter text leaves no tail.
    put(stderr, u"\r"_qs + text + u"\x1b[K"_qs);
    m_progressShown = true;
}

void Console::endProgress()
{
    if (!m_progressShown)
        return;
    // Progress is only for while it lasts.
    put(stderr, u"\r\x1b[K"_qs);
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
