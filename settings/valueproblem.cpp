#include "valueproblem.h"

#include "numbertext.h"

std::optional<ValueProblem> ValueProblem::of(Parameter p, const QString& given)
{
    if (given.isEmpty())
        return ValueProblem { Kind::Empty, p, given };
    const QString text = NumberText::typed(given);
    if (text.contains(u','))
        return ValueProblem { Kind::Comma, p, text };
    const std::optional<double> number = NumberText::wholeNumber(text);
    if (!number)
        return ValueProblem { Kind::NotANumber, p, text };
    if (!info(p).inRange(float(*number)))
        return ValueProblem { Kind::OutOfRange, p, text };
    return std::nullopt;
}

Phrase ValueProblem::phrase(TextStyle style) const
{
    const Phrase caption { QString::fromUtf16(info(parameter).caption), captionText(parameter) };
    const auto said = [](const char* source) { return Phrase::of("ValueProblem", source); };
    switch (kind) {
    case Kind::Empty:
        return said(QT_TRANSLATE_NOOP("ValueProblem", "%1: nothing is outside %2"))
            .arg(caption, rangePhrase(parameter, style));
    case Kind::NotANumber:
        return said(QT_TRANSLATE_NOOP("ValueProblem", "%1: %2 is not a number"))
            .arg(caption, given);
    case Kind::Comma:
        return said(QT_TRANSLATE_NOOP(
                        "ValueProblem", "%1: %2 has a comma; type the decimal point as \".\""))
            .arg(caption, given);
    case Kind::OutOfRange:
        break;
    }
    return said(QT_TRANSLATE_NOOP("ValueProblem", "%1: %2 is outside %3"))
        .arg(caption, given, rangePhrase(parameter, style));
}
