#pragma once

#include "exitcode.h"

#include <QString>
#include <QStringList>

class Console;

// A setting file read and checked before any port is touched.
struct SettingInput {
    ExitCode code = ExitCode::Done; // FileTrouble with message when it is no setting file
    QString message;
    QString image; // the file's 64 characters, upper case
    // "Dead Band: 60 is outside 2..50" for every value the window would
    // refuse to write; empty when all may be written.
    QStringList problems;
};

SettingInput readSettingFile(const QString& path);

// The window's atomic save; Done, or FileTrouble with a message. "-" is
// standard output.
ExitCode saveSettingFile(Console& console, const QString& path, const QString& image);

// Done when path ("-": standard output) may be written, else FileTrouble
// with the reason said.
ExitCode checkOutput(Console& console, const QString& path);
