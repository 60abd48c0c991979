#include "cliapp.h"

#include "clicontext.h"
#include "commandhelp.h"
#include "commands.h"
#include "devicecommands.h"
#include "hostprobe.h"
#include "interrupts.h"

namespace {

ExitCode dispatch(CliContext& context)
{
    switch (context.invocation.command) {
    case Command::Ports:
        return Commands::ports(context);
    case Command::Doctor:
        return Commands::doctor(context);
    case Command::Diff:
        return Commands::diff(context);
    case Command::Write:
        return Commands::write(context);
    case Command::Set:
        return Commands::set(context);
    case Command::Read:
        return DeviceCommands::read(context);
    case Command::Defaults:
        return DeviceCommands::defaults(context);
    case Command::Log:
        return DeviceCommands::log(context);
    case Command::ClearLog:
        return DeviceCommands::clearLog(context);
    case Command::None:
        break;
    }
    return ExitCode::Usage;
}

} // namespace

int runCli(const QStringList& args, const QString& programDir)
{
    Console console;
    const ParsedCommandLine parsed = parseCommandLine(args);
    const Invocation& invocation = parsed.invocation;
    if (!parsed.error.isEmpty()) {
        console.error(parsed.error);
        console.note(helpHint(invocation.command));
        return static_cast<int>(ExitCode::Usage);
    }
    if (invocation.help) {
        console.out(
            invocation.command == Command::None ? programHelp() : commandHelp(invocation.command));
        return static_cast<int>(ExitCode::Done);
    }
    if (invocation.version) {
        console.out(u"tz586kv " TZ_VERSION "\n"_qs);
        return static_cast<int>(ExitCode::Done);
    }
    Interrupts interrupts;
    const CliConfig config(programDir);
    const HostProbe probe;
    CliContext context { invocation, console, interrupts, config, probe };
    const ExitCode code = dispatch(context);
    if (Interrupts::caught()) {
        console.error(u"interrupted"_qs);
        return static_cast<int>(ExitCode::Interrupted);
    }
    return static_cast<int>(code);
}
