#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// NAME=VALUE of the set command, checked against the parameter table.
struct Assignment {
    enum class Kind { Parameter, LimiterOff, Mode };
    Kind kind = Kind::Parameter;
    int index = 0; // parameter index, or mode bit
    double value = 0; // Parameter
    bool on = false; // Mode
};

struct ParsedAssignments {
    QList<Assignment> assignments;
    QString error; // a usage error when not empty
    bool outOfRange = false; // the error is a value outside its range
};

// A name is a key (deadband) or a caption (Dead Band), without regard to case,
// blanks or punctuation. A value out of range is an error naming the range.
ParsedAssignments parseAssignments(const QStringList& args);
