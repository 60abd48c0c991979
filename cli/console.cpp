#include "console.h"

#include "exitcode.h"
#include "sourcelanguage.h"

#include <QJsonDocument>
#include <algorithm>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif
#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

void putBytes(FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

#ifdef Q_OS_WIN
// A console shows UTF-16 as it is, whatever its code page; false when the
// stream is a file or a pipe.
bool putConsole(FILE* stream, const QString& text)
{
    const HANDLE handle = ::GetStdHandle(stream == stdout ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (handle == INVALID_HANDLE_VALUE || !::GetConsoleMode(handle, &mode))
        return false;
    std::fflush(stream);
    DWORD written = 0;
    return ::WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(text.utf16()),
               DWORD(text.size()), &written, nullptr)
        != 0;
}
#endif

// UTF-16 to a Windows console; UTF-8 elsewhere and into files and pipes.
void put(FILE* stream, const QString& text)
{
#ifdef Q_OS_WIN
    if (putConsole(stream, text))
        return;
#endif
    putBytes(stream, text.toUtf8());
}

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F)
        || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
        || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

qsizetype displayWidth(QStringView text)
{
    qsizetype width = 0;
    for (const uint c : text.toUcs4())
        width += isWide(c) ? 2 : 1;
    return width;
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

void putError(const QString& text) { put(stderr, text); }

void Console::out(const QString& text)
{
    if (!m_quiet)
        put(stdout, text);
}

void Console::data(const QByteArray& bytes) { putBytes(stdout, bytes); }

void Console::json(const QJsonObject& document)
{
    m_documentPrinted = true;
    put(stdout, QString::fromUtf8(QJsonDocument(document).toJson(QJsonDocument::Indented)));
}

void Console::error(const Say& message)
{
    endProgress();
    if (m_firstError.isEmpty())
        m_firstError = SourceLanguage::english(message);
    put(stderr, u"tz586kv: "_qs + SourceLanguage::userLanguage(message) + u'\n');
}

void Console::info(const Say& line)
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

void Console::note(const Say& line)
{
    endProgress();
    put(stderr, SourceLanguage::userLanguage(line) + u'\n');
}

void Console::progress(const Say& text)
{
    if (m_quiet || !errIsTerminal())
        return;
    // Erase to the end of the line: a shorter text leaves no tail.
    put(stderr, u"\r"_qs + SourceLanguage::userLanguage(text) + u"\x1b[K"_qs);
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
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    }
    QString text;
    for (const QStringList& row : rows) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c) {
            line += row[c];
            if (c + 1 < row.size())
                line += QString(widths[c] + 2 - displayWidth(row[c]), u' ');
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text;
}
