#pragma once

#include "batteryresistance.h"
#include "exitcode.h"

#include <QJsonObject>
#include <QString>
#include <optional>

class Console;
struct SampleStore;

// What the log command prints after a fetch. Sample n is at n seconds, as the
// log window's time axis and readout put it (the CSV file's column counts from 0).
struct LogSummary {
    struct Extreme {
        float value = 0;
        int time = 0; // seconds
    };
    int present = 0; // samples with a voltage or a current
    std::optional<Extreme> voltMin;
    std::optional<Extreme> voltMax;
    std::optional<Extreme> curMax;
    ResistanceEstimate resistance; // of the whole log
};

LogSummary summarize(const SampleStore& store);
QString summaryText(const LogSummary& summary);
QJsonObject summaryJson(const LogSummary& summary);

// The window's CSV format and atomic save; Done, or FileTrouble with a message.
ExitCode saveLogFile(Console& console, const QString& path, const SampleStore& store);
