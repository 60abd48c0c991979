#include "devicecommands.h"

#include "clicontext.h"

namespace DeviceCommands {

namespace {

    ExitCode notYet(CliContext& context, const QString& what)
    {
        context.console.error(what + u" is not available yet"_qs);
        return ExitCode::Usage;
    }

} // namespace

ExitCode read(CliContext& context) { return notYet(context, u"read"_qs); }

ExitCode write(CliContext& context, const SettingsReport&) { return notYet(context, u"write"_qs); }

ExitCode set(CliContext& context, const QList<Assignment>&) { return notYet(context, u"set"_qs); }

ExitCode defaults(CliContext& context) { return notYet(context, u"defaults"_qs); }

ExitCode log(CliContext& context) { return notYet(context, u"log"_qs); }

ExitCode clearLog(CliContext& context) { return notYet(context, u"clear-log"_qs); }

ExitCode readController(CliContext& context, SettingsReport&)
{
    return notYet(context, u"diff with the controller"_qs);
}

Doctor::ControllerCheck controllerCheck(CliContext&) { return {}; }

} // namespace DeviceCommands
