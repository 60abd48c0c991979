#pragma once

#include "shownvalue.h"
#include "valueproblem.h"

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

class SettingValues;

// What a write would send and what it would change. Every front end asks
// here: the window's Write and Save, the command line's write, set and diff,
// the history's compare and restore, and the changed-since-read marks.
//
// A value the user did not change keeps the bytes of the image last shown,
// byte for byte; what only the controller knows (the hidden parameters, the
// model and the ROM version) keeps the controller's bytes.
namespace ChangeEngine {

enum class Status {
    Ok,
    InvalidValue, // a parameter may not be written
    NoSource, // no image to take the bytes nobody edits from
};

struct Change {
    enum class Kind { Parameter, Mode, Byte };
    Kind kind = Kind::Parameter;
    int index = 0; // parameter index, mode bit, or byte number
    QString caption; // in English, as JSON gives it: "Byte 18" for a byte
    QString unit;
    ShownValue from;
    ShownValue to;
    QString fromHex; // the field's bytes
    QString toHex;
    // What was given, when the controller will hold `to` instead of it.
    std::optional<ShownValue> rounded;
    bool writable = true; // false: what was given cannot be written as it is
};

struct Plan {
    Status status = Status::NoSource;
    // The first parameter, by index, that may not be written.
    std::optional<ValueProblem> problem;
    QString image; // the write image, when Ok
    // Against the controller's image, or the image last shown when the
    // controller has not been read on this connection.
    QList<Change> changes;
    // Values no write changes, where what was shown differs from what the
    // controller holds: from is the controller's, to what was shown.
    QList<Change> kept;
};

Plan plan(const SettingValues& values);

// Byte by byte, described field by field; empty unless both are 64 hex characters.
QList<Change> compare(QStringView from, QStringView to);

// The change's caption in the user's language.
QString captionText(const Change& change);

// "Dead Band: 10 uS -> 12 uS", with the bytes where the shown values agree
// and a note when the value was rounded; for people.
QString describe(const Change& change);

} // namespace ChangeEngine
