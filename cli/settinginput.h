#pragma once

#include "console.h"
#include "exitcode.h"
#include "valueproblem.h"

#include <QList>
#include <QString>

// A setting file read and checked before any port is touched.
struct SettingInput {
    ExitCode code = ExitCode::Done; // FileTrouble with message when it is no setting file
    Say message;
    QString image; // the file's 64 characters, upper case
    // Every value the window would refuse to write ("Dead Band: 60 is
    // outside 2..50"); empty when all may be written.
    QList<ValueProblem> problems;
};

SettingInput readSettingFile(const QString& path);

// The window's atomic save; Done, or FileTrouble with a message. "-" is
// standard output.
ExitCode saveSettingFile(Console& console, const QString& path, const QString& image);

// Done when path ("-": standard output) may be written, else FileTrouble
// with the reason said.
ExitCode checkOutput(Console& console, const QString& path);
