#pragma once

#include <QStringView>
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
    const char16_t* help; // after the code; further lines indented to line up
};

inline constexpr ExitCodeInfo ExitCodes[] {
    { ExitCode::Done, u"", u"done (diff: the two sides are the same)" },
    { ExitCode::Usage, u"usage",
        u"usage error, or a value out of range on the command line (diff:\n"
        u"       the two sides differ; trouble there is 2 and above)" },
    { ExitCode::PortUnavailable, u"port", u"the port cannot be opened, or was lost" },
    { ExitCode::NoAnswer, u"no-answer",
        u"no answer or a broken answer from the controller (\"RS232\n"
        u"       communication fault.\", \"TZ cannot be set.\", \"Setting Data is\n"
        u"       deleted.\", \"TZ type is different.\")" },
    { ExitCode::Refused, u"refused",
        u"the controller refused the data or the verify failed (\"Data is\n"
        u"       abnormal!!\": it holds a value out of range that would be\n"
        u"       written back; \"Verify was NG.\")" },
    { ExitCode::FileTrouble, u"file",
        u"a file cannot be read or written, or holds bad data or a value\n"
        u"       out of range" },
    { ExitCode::Interrupted, u"interrupted",
        u"interrupted (Ctrl-C) before the controller was changed; once\n"
        u"       a write, Default Write or Clear has begun it ends first and\n"
        u"       the exit code is its own (Ctrl-C again ends at once)" },
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
