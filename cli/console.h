#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Makes a text for a person in the language in force: standard error gets
// it in the user's language, a JSON document in English (SourceLanguage).
using Say = std::function<QString()>;

// Results to standard output, progress and messages to standard error.
// Quiet leaves only the errors; in JSON mode a failure still ends in one
// document on standard output.
class Console {
public:
    void setQuiet(bool quiet) { m_quiet = quiet; }
    void setJson(bool json) { m_json = json; }

    void out(const QString& text); // text as it is; not when quiet
    void data(const QByteArray& bytes); // a file's content for -o -, always
    void json(const QJsonObject& document);
    // "tz586kv: " + message + line end, on standard error; the first one, in
    // English, is the message of the JSON error document.
    void error(const Say& message);
    // A further line on standard error, as it is.
    void note(const Say& line);
    // A line on standard error that is not about a failure: not when quiet.
    void info(const Say& line);

    // One line on standard error that rewrites itself, erased at the end;
    // only on a terminal.
    void progress(const Say& text);
    void endProgress();

    // Whether an error was said.
    bool failed() const { return !m_firstError.isEmpty(); }
    // The error document's kind, when the exit code alone would not tell it
    // ("port-lost", "out-of-range", "verify-failed").
    void setErrorKind(const QString& kind);
    // {"kind", "message", "exit"} of a failure.
    QJsonObject errorJson(int exitCode) const;
    // In JSON mode, after a failure for which no document was printed:
    // {"error": errorJson(exitCode)}.
    void finish(int exitCode);

private:
    bool m_quiet = false;
    bool m_json = false;
    bool m_progressShown = false;
    bool m_documentPrinted = false;
    QString m_firstError;
    QString m_errorKind;
};

// The error kind of a value outside its range, whatever its exit code.
inline const QString OutOfRange = QStringLiteral("out-of-range");

// Text on standard error as Console writes it, for a console's own handler.
void putError(const QString& text);

// Rows with their columns padded to line up on a terminal, where a wide
// (East Asian) character takes two columns; each row ends in a line end.
QString columns(const QList<QStringList>& rows);
