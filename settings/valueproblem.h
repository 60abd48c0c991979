#pragma once

#include "parametertable.h"

#include <QString>
#include <optional>

// Why a parameter's value may not be written, said the same way wherever it
// is refused: the window's message, a file or a value given to tz586kv.
struct ValueProblem {
    enum class Kind { Empty, NotANumber, OutOfRange };
    Kind kind = Kind::OutOfRange;
    Parameter parameter = Parameter::PwmFrequencyMinLoad;
    QString given; // the text as it stands

    // The problem of a text given for p; none when it is a number in range.
    static std::optional<ValueProblem> of(Parameter p, const QString& given);

    // "Dead Band: 60 is outside 2 ~ 50" (2..50 on the command line),
    // "Dead Band: nothing is outside ...", "Dead Band: 6x is not a number".
    QString text(TextStyle style) const;
};
