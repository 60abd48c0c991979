#include "shownvalue.h"

#include "numbertext.h"

QString ShownValue::text(TextStyle style) const
{
    const bool lower = style == TextStyle::Script;
    switch (kind) {
    case Kind::LimiterOff:
        return lower ? QStringLiteral("off") : QStringLiteral("Off");
    case Kind::Switch:
        if (on)
            return lower ? QStringLiteral("on") : QStringLiteral("On");
        return lower ? QStringLiteral("off") : QStringLiteral("Off");
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
