#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <optional>

// How the settings history is kept on disk: entry file names and the lines of
// index.tsv. Names and lines of older versions, in local time and without a
// port, still parse; new ones are in UTC.
namespace HistoryFormat {

// "2026-12-07_14-03-22Z-2_read.set": the UTC second, a sequence number from 2
// on for more entries in that second, and the kind. Older names lack the Z and
// hold local time.
struct Name {
    QDateTime time;
    int seq = 1;
    QString kind; // the word, e.g. "before-write"
    bool utc = true; // false: named by an older version
};

// The log history's entries end in ".csv" instead.
std::optional<Name> parseName(QStringView file, QStringView extension = u".set");
QString formatName(
    const QDateTime& time, int seq, const QString& kind, QStringView extension = u".set");

// One recording: time, kind, file[, port, model code, ROM version, image].
// Older lines hold the first three only, in local time; the log history's
// lines name the setting image in force when the log came.
struct Line {
    QDateTime time;
    QString kind;
    QString file;
    QString port; // empty when not known
    int modelCode = -1; // -1 when not known
    int romVersion = -1;
    QString image {}; // empty when none
    bool old = false; // written by an older version
};

// line without its line end; nothing for a line that is not one.
std::optional<Line> parseLine(QByteArrayView line);
// With the line end. A tab or line feed in port becomes a space.
QByteArray formatLine(const Line& line);

} // namespace HistoryFormat
