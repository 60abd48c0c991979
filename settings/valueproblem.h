#pragma once

#include "parametertable.h"
#include "phrase.h"

#include <QString>
#include <optional>

// Why a parameter's value may not be written, said the same way wherever it
// is refused: the window's message, a file or a value given to tz586kv.
struct ValueProblem {
    enum class Kind { Empty, NotANumber, OutOfRange, Comma };
    Kind kind = Kind::OutOfRange;
    Parameter parameter = Parameter::PwmFrequencyMinLoad;
    QString given; // the text as read, typed full-width forms in ASCII

    // The problem of a text given for p; none when it is a number in range.
    // A comma is never read as a decimal point nor dropped: it is refused.
    static std::optional<ValueProblem> of(Parameter p, const QString& given);

    // "Dead Band: 60 is outside 2 ~ 50" (2..50 on the command line),
    // "Dead Band: nothing is outside ...", "Dead Band: 6x is not a number",
    // "Low Batt. Protection: 3,5 has a comma; type the decimal point as ".""
    Phrase phrase(TextStyle style) const;
    QString text(TextStyle style) const { return phrase(style).text; } // for people
};
