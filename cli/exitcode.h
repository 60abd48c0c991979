#pragma once

#include <QStringView>
#include <QtGlobal>
#include <iterator>

// The same for every command; --help, the README and the man page list them,
// and ExitCodes below says what each means.
enum class ExitCode {
    Done = 0,
    Usage = 1,
    Differ = 1, // diff: the two sides differ
    PortUnavailable = 2,
    NoAnswer = 3,
    Refused = 4,
    FileTrouble = 5,
    Interrupted = 130,
};

// Each exit code once, with the kind of its JSON error document (unless a
// command names a closer one) and its lines in --help.
struct ExitCodeInfo {
    ExitCode code;
    const char16_t* kind;
    // After the code, translated in context CommandHelp; further lines
    // indented to line up.
    const char* help;
};

inline constexpr ExitCodeInfo ExitCodes[] {
    { ExitCode::Done, u"",
        QT_TRANSLATE_NOOP("CommandHelp", "done (diff: the two sides are the same)") },
    { ExitCode::Usage, u"usage",
        QT_TRANSLATE_NOOP("CommandHelp",
            "usage error, or a value out of range on the command line (diff:\n"
            "       the two sides differ; trouble there is 2 and above)") },
    { ExitCode::PortUnavailable, u"port",
        QT_TRANSLATE_NOOP("CommandHelp", "the port cannot be opened, or was lost") },
    { ExitCode::NoAnswer, u"no-answer",
        QT_TRANSLATE_NOOP("CommandHelp",
            "no answer or a broken answer from the controller (\"RS232\n"
            "       communication fault.\", \"TZ cannot be set.\", \"Setting Data is\n"
            "       deleted.\", \"TZ type is different.\")") },
    { ExitCode::Refused, u"refused",
        QT_TRANSLATE_NOOP("CommandHelp",
            "the controller refused the data or the verify failed (\"Data is\n"
            "       abnormal!!\": it holds a value out of range that would be\n"
            "       written back; \"Verify was NG.\")") },
    { ExitCode::FileTrouble, u"file",
        QT_TRANSLATE_NOOP("CommandHelp",
            "a file cannot be read or written, or holds bad data or a value\n"
            "       out of range") },
    { ExitCode::Interrupted, u"interrupted",
        QT_TRANSLATE_NOOP("CommandHelp",
            "interrupted (Ctrl-C) before the controller was changed; once\n"
            "       a write, Default Write or Clear has begun it ends first and\n"
            "       the exit code is its own (Ctrl-C again ends at once)") },
};

// The kind of an error document that ended with exitCode; any code the
// table lacks is an interruption.
inline QStringView exitKind(int exitCode)
{
    for (const ExitCodeInfo& info : ExitCodes) {
        if (int(info.code) == exitCode && info.kind[0] != u'\0')
            return info.kind;
    }
    return ExitCodes[std::size(ExitCodes) - 1].kind;
}
