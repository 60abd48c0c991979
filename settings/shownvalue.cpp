#include "shownvalue.h"

#include "numbertext.h"

#include <QCoreApplication>

QString ShownValue::text(TextStyle style) const
{
    // The command line's words are typed back: they stay English.
    const bool script = style == TextStyle::Script;
    const bool shownOn = kind == Kind::Switch && on;
    switch (kind) {
    case Kind::LimiterOff:
    case Kind::Switch:
        if (script)
            return shownOn ? QStringLiteral("on") : QStringLiteral("off");
        return shownOn ? QCoreApplication::translate("ShownValue", "On")
                       : QCoreApplication::translate("ShownValue", "Off");
    case Kind::Number:
    case Kind::Byte:
        break;
    }
    return digits;
}

QString ShownValue::withUnit(const QString& unit) const
{
    return kind != Kind::Number || unit.isEmpty() ? text() : digits + u' ' + unit;
}

std::optional<double> ShownValue::toNumber() const
{
    if (kind != Kind::Number)
        return std::nullopt;
    return NumberText::wholeNumber(digits);
}
