#pragma once

#include <QList>
#include <QString>

// A mark the user set on a log: a time and a short text.
struct LogMarker {
    int time = 0; // seconds, as the log window's axis: sample n at n s
    QString text;

    bool operator==(const LogMarker&) const = default;
};

// Markers live in a small text file beside the log's CSV, "flight.csv" beside
// "flight.csv.markers", so that the CSV stays as the log format has it: one
// line per marker, the seconds, a tab and the text, in UTF-8.
namespace LogMarkers {

inline constexpr int MaxMarkers = 100;
inline constexpr int MaxText = 60; // characters
inline constexpr qint64 MaxFileSize = 64 * 1024;
inline const QString Suffix = QStringLiteral(".markers");

QString sidecarPath(const QString& csvPath);

// What a marker keeps of a text: one line, trimmed, at most MaxText characters.
QString cleanText(const QString& text);

// The markers beside csvPath in time order; none when there is no sidecar.
// Lines that are no marker of 0..512 s are skipped, markers past MaxMarkers
// dropped. False, with none, for a sidecar that cannot be read or is too large.
bool load(const QString& csvPath, QList<LogMarker>& markers);

// In time order, each text cleaned, at most MaxMarkers; no markers removes
// the sidecar. False when it could not be written (the old one intact).
bool save(const QString& csvPath, QList<LogMarker> markers);

} // namespace LogMarkers
