#include "valueproblem.h"

#include "numbertext.h"

std::optional<ValueProblem> ValueProblem::of(Parameter p, const QString& given)
{
    if (given.isEmpty())
        return ValueProblem { Kind::Empty, p, given };
    const std::optional<double> number = NumberText::wholeNumber(given);
    if (!number)
        return ValueProblem { Kind::NotANumber, p, given };
    if (!info(p).inRange(float(*number)))
        return ValueProblem { Kind::OutOfRange, p, given };
    return std::nullopt;
}

QString ValueProblem::text(TextStyle style) const
{
    const QString caption = QString::fromUtf16(info(parameter).caption);
    if (kind == Kind::NotANumber)
        return QStringLiteral("%1: %2 is not a number").arg(caption, given);
    return QStringLiteral("%1: %2 is outside %3")
        .arg(caption, kind == Kind::Empty ? QStringLiteral("nothing") : given,
            rangeText(parameter, style));
}
