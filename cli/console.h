#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// Data to standard output, messages to standard error.
class Console {
public:
    void out(const QString& text); // text as it is
    void json(const QJsonObject& document);
    // "tz586kv: " + message + line end, on standard error.
    void error(const QString& message);
    // A further line on standard error, as it is.
    void note(const QString& line);

    // One line on standard error that rewrites itself; only on a terminal.
    void progress(const QString& text);
    void endProgress();

private:
    bool m_progressShown = false;
};

// Rows with their columns padded to line up, each row ending in a line end.
QString columns(const QList<QStringList>& rows);
