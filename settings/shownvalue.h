#pragma once

#include "parametertable.h"

#include <QString>
#include <optional>

// One value as the program shows it, typed: a number (in the window's form,
// or as given when it cannot be written), the current limiter switched off, a
// mode switch, or a byte. Every front end prints it through text().
struct ShownValue {
    enum class Kind { Number, LimiterOff, Switch, Byte };
    Kind kind = Kind::Number;
    QString digits; // Number: its text; Byte: two hex digits
    bool on = false; // Switch

    static ShownValue number(const QString& text) { return { Kind::Number, text, false }; }
    static ShownValue limiterOff() { return { Kind::LimiterOff, {}, false }; }
    static ShownValue switched(bool on) { return { Kind::Switch, {}, on }; }
    static ShownValue byte(const QString& hex) { return { Kind::Byte, hex, false }; }

    // "150", "Off", "On", "5A"; the command line's tables write "off" and "on".
    QString text(TextStyle style = TextStyle::Window) const;
    // A number with its unit after it ("150 A"); anything else alone.
    QString withUnit(const QString& unit) const;
    // A number's value; nothing for the rest or a text that is no number.
    std::optional<double> toNumber() const;

    bool operator==(const ShownValue&) const = default;
};
