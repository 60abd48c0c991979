#include "assignments.h"

#include "numbertext.h"
#include "parametertable.h"
#include "valueproblem.h"

#include <QCoreApplication>
#include <optional>

namespace {

struct AssignmentText {
    Q_DECLARE_TR_FUNCTIONS(Assignments)
};

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

// shown(i): the caption as tz586kv read shows it, in the user's language.
template <size_t N, typename Shown>
int indexOf(const QString& name, const std::array<const char16_t*, N>& keys,
    const std::array<const char16_t*, N>& captions, Shown shown)
{
    for (size_t i = 0; i < N; ++i) {
        const int index = static_cast<int>(i);
        if (name == folded(keys[i]) || name == folded(captions[i]) || name == folded(shown(index)))
            return index;
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
    return AssignmentText::tr(
        "%1 is not written by this program: the controller keeps its own value")
        .arg(caption);
}

// One NAME=VALUE; an error text when it does not hold.
QString parseOne(const QString& arg, Assignment& out, bool& outOfRange)
{
    const qsizetype equals = arg.indexOf(u'=');
    if (equals <= 0)
        return AssignmentText::tr("%1: give NAME=VALUE").arg(arg);
    const QString name = folded(QStringView(arg).left(equals));
    const QString value = arg.mid(equals + 1).trimmed();
    const int mode = indexOf(
        name, modeKeys(), modeCaptions(), [](int i) { return modeCaptionText(modeAt(i)); });
    if (mode >= 0 && !isVisible(modeAt(mode)))
        return notWritten(modeCaptionText(modeAt(mode)));
    if (mode >= 0) {
        const std::optional<bool> on = switchValue(value);
        if (!on)
            return AssignmentText::tr("%1: a mode is on or off").arg(arg);
        out = { Assignment::Kind::Mode, mode, 0, *on };
        return {};
    }
    const int index = indexOf(name, parameterKeys(), parameterCaptions(),
        [](int i) { return captionText(parameterAt(i)); });
    if (index < 0)
        return AssignmentText::tr("%1: no such setting ('tz586kv read' lists them)").arg(arg);
    if (!parameterTable()[size_t(index)].written)
        return notWritten(captionText(parameterAt(index)));
    if (index == LimiterIndex && value.toLower() == u"off"_qs) {
        out = { Assignment::Kind::LimiterOff, index, 0, false };
        return {};
    }
    const std::optional<ValueProblem> problem = ValueProblem::of(parameterAt(index), value);
    outOfRange = problem && problem->kind == ValueProblem::Kind::OutOfRange;
    if (outOfRange || (problem && problem->kind == ValueProblem::Kind::Comma))
        return problem->text(TextStyle::Script);
    if (problem)
        return AssignmentText::tr("%1: %2 takes a number")
            .arg(arg, captionText(parameterAt(index)));
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
    if (sameSetting(a, b) && a.kind == b.kind && a.value == b.value && a.on == b.on)
        return AssignmentText::tr("%1 and %2: the same setting given twice").arg(argA, argB);
    if (sameSetting(a, b))
        return AssignmentText::tr("%1 and %2 contradict each other").arg(argA, argB);
    if ((switchedOn(a, Mode::ReverseCancel) && switchedOn(b, Mode::RobotMode))
        || (switchedOn(a, Mode::RobotMode) && switchedOn(b, Mode::ReverseCancel)))
        return AssignmentText::tr("%1 and %2 contradict each other: Reverse Cancel and Robot "
                                  "Mode exclude each other")
            .arg(argA, argB);
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
