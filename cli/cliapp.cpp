#include "cliapp.h"

#include "clicontext.h"
#include "commandhelp.h"
#include "commands.h"
#include "devicecommands.h"
#include "historystore.h"
#include "hostprobe.h"
#include "interrupts.h"
#include "linehistory.h"
#include "settinginput.h"
#include "sourcelanguage.h"

#include <QCoreApplication>
#include <optional>

namespace {

struct CliAppText {
    Q_DECLARE_TR_FUNCTIONS(CliApp)
};

ExitCode dispatch(CliContext& context)
{
    switch (context.invocation.command) {
    case CliCommand::Ports:
        return Commands::ports(context);
    case CliCommand::Doctor:
        return Commands::doctor(context);
    case CliCommand::Diff:
        return Commands::diff(context);
    case CliCommand::History:
        return Commands::history(context);
    case CliCommand::Write:
        return Commands::write(context);
    case CliCommand::Set:
        return Commands::set(context);
    case CliCommand::Read:
        return DeviceCommands::read(context);
    case CliCommand::Defaults:
        return DeviceCommands::defaults(context);
    case CliCommand::Log:
        return DeviceCommands::log(context);
    case CliCommand::ClearLog:
        return DeviceCommands::clearLog(context);
    case CliCommand::None:
        break;
    }
    return ExitCode::Usage;
}

// diff and history diff end 1 when the sides differ, and 2 for trouble that
// is 1 elsewhere.
bool comparesSides(const Invocation& invocation)
{
    return invocation.command == CliCommand::Diff
        || (invocation.command == CliCommand::History && !invocation.arguments.isEmpty()
            && invocation.arguments.front() == u"diff"_qs);
}

int finish(Console& console, const Invocation& invocation, ExitCode code)
{
    int exitCode = static_cast<int>(code);
    if (exitCode == 1 && console.failed() && comparesSides(invocation)) {
        console.setErrorKind(u"usage"_qs);
        exitCode = 2;
    }
    console.finish(exitCode);
    return exitCode;
}

} // namespace

int runCli(const QStringList& args, const QString& programDir)
{
    Console console;
    const ParsedCommandLine parsed = parseCommandLine(args);
    const Invocation& invocation = parsed.invocation;
    // Parsing stops at the first error: a --json after it still counts.
    console.setJson(invocation.json || args.contains(u"--json"_qs));
    console.setQuiet(invocation.quiet);
    if (!parsed.error.isEmpty()) {
        console.error([&args] { return parseCommandLine(args).error; });
        console.note([&invocation] { return helpHint(invocation.command); });
        return finish(console, invocation, ExitCode::Usage);
    }
    if (invocation.help) {
        console.out(invocation.command == CliCommand::None ? programHelp()
                                                           : commandHelp(invocation.command));
        return static_cast<int>(ExitCode::Done);
    }
    if (invocation.version) {
        console.out(u"tz586kv " TZ_VERSION "\n"_qs);
        return static_cast<int>(ExitCode::Done);
    }
    // Before the English of --json: what its handler may say is made now,
    // in the user's language.
    Interrupts interrupts;
    std::optional<SourceLanguage> english;
    if (invocation.json)
        english.emplace();
    // A target that cannot be written is refused before the port is touched.
    if (!invocation.output.isEmpty()) {
        const ExitCode code = checkOutput(console, invocation.output);
        if (code != ExitCode::Done)
            return finish(console, invocation, code);
    }
    const CliConfig config(programDir);
    const HostProbe probe;
    HistoryStore history(historyRootFor(config.port(invocation.port)));
    CliContext context { invocation, console, interrupts, config, probe, history };
    // A signal that came after the work was done changes nothing.
    const ExitCode code = dispatch(context);
    if (code == ExitCode::Interrupted)
        console.error([] { return CliAppText::tr("interrupted"); });
    // Not a failure of the command: its exit code stays.
    if (history.takeFailureNotice())
        console.note([&history] { return u"tz586kv: "_qs + history.failureText(); });
    return finish(console, invocation, code);
}
