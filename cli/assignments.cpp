#include "assignments.h"

#include "numbertext.h"
#include "parametertable.h"
#include "valueproblem.h"

#include <optional>

namespace {

constexpr int LimiterIndex = indexOf(Parameter::CurrentLimit);

QString folded(QStringView name)
{
    QString out;
    for (const QChar c : name) {
        if (c.isLetterOrNumber())
            out += c.toLower();
    }
    return out;
}

template <size_t N>
int indexOf(const QString& name, const std::array<const char16_t*, N>& keys,
    const std::array<const char16_t*, N>& captions)
{
    for (size_t i = 0; i < N; ++i) {
        if (name == folded(keys[i]) || name == folded(captions[i]))
            return static_cast<int>(i);
    }
    return -1;
}

std::optional<bool> switchValue(const QString& value)
{
    const QString v = value.toLower();
    if (v == u"on"_qs || v == u"1"_qs || v == u"yes"_qs || v == u"true"_qs)
        return true;
    if (v == u"off"_qs || v == u"0"_qs || v == u"no"_qs || v == u"false"_qs)
        return false;
    return std::nullopt;
}

std::array<const char16_t*, ParameterCount> parameterCaptions()
{
    std::array<const char16_t*, ParameterCount> captions {};
    for (int i = 0; i < ParameterCount; ++i)
        captions[i] = parameterTable()[i].caption;
    return captions;
}

QString notWritten(const QString& caption)
{
    return caption + u" is not written by this program: the controller keeps its own value"_qs;
}

// One NAME=VALUE; an error text when it does not hold.
QString parseOne(const QString& arg, Assignment& out, bool& outOfRange)
{
    const qsizetype equals = arg.indexOf(u'=');
    if (equals <= 0)
        return arg + u": give NAME=VALUE"_qs;
    const QString name = folded(QStringView(arg).left(equals));
    const QString value = arg.mid(equals + 1).trimmed();
    const int mode = indexOf(name, modeKeys(), modeCaptions());
    if (mode >= 0 && !isVisible(modeAt(mode)))
        return notWritten(QString::fromUtf16(modeCaptions()[size_t(mode)]));
    if (mode >= 0) {
        const std::optional<bool> on = switchValue(value);
        if (!on)
            return arg + u": a mode is on or off"_qs;
        out = { Assignment::Kind::Mode, mode, 0, *on };
        return {};
    }
    const int index = indexOf(name, parameterKeys(), parameterCaptions());
    if (index < 0)
        return arg + u": no such setting ('tz586kv read' lists them)"_qs;
    if (!parameterTable()[size_t(index)].written)
        return notWritten(QString::fromUtf16(parameterTable()[size_t(index)].caption));
    if (index == LimiterIndex && value.toLower() == u"off"_qs) {
        out = { Assignment::Kind::LimiterOff, index, 0, false };
        return {};
    }
    const std::optional<ValueProblem> problem = ValueProblem::of(parameterAt(index), value);
    outOfRange = problem && problem->kind == ValueProblem::Kind::OutOfRange;
    if (outOfRange || (problem && problem->kind == ValueProblem::Kind::Comma))
        return problem->text(TextStyle::Script);
    if (problem)
        return arg + u": "_qs + QString::fromUtf16(parameterTable()[size_t(index)].caption)
            + u" takes a number"_qs;
    out = { Assignment::Kind::Parameter, index, *NumberText::typedNumber(value), false };
    return {};
}

bool sameSetting(const Assignment& a, const Assignment& b)
{
    return (a.kind == Assignment::Kind::Mode) == (b.kind == Assignment::Kind::Mode)
        && a.index == b.index;
}

bool switchedOn(const Assignment& a, Mode mode)
{
    return a.kind == Assignment::Kind::Mode && a.index == bitOf(mode) && a.on;
}

// Why a and b cannot both be meant; empty when they can.
QString conflict(const QString& argA, const Assignment& a, const QString& argB, const Assignment& b)
{
    const QString both = argA + u" and "_qs + argB;
    if (sameSetting(a, b) && a.kind == b.kind && a.value == b.value && a.on == b.on)
        return both + u": the same setting given twice"_qs;
    if (sameSetting(a, b))
        return both + u" contradict each other"_qs;
    if ((switchedOn(a, Mode::ReverseCancel) && switchedOn(b, Mode::RobotMode))
        || (switchedOn(a, Mode::RobotMode) && switchedOn(b, Mode::ReverseCancel)))
        return both
            + u" contradict each other: Reverse Cancel and Robot Mode exclude each other"_qs;
    return {};
}

} // namespace

ParsedAssignments parseAssignments(const QStringList& args)
{
    ParsedAssignments parsed;
    for (const QString& arg : args) {
        Assignment assignment;
        parsed.error = parseOne(arg, assignment, parsed.outOfRange);
        for (qsizetype i = 0; i < parsed.assignments.size() && parsed.error.isEmpty(); ++i)
            parsed.error = conflict(args[i], parsed.assignments[i], arg, assignment);
        if (!parsed.error.isEmpty())
            return parsed;
        parsed.assignments.append(assignment);
    }
    return parsed;
}
