#pragma once

#include "assignments.h"
#include "doctor.h"
#include "exitcode.h"
#include "settingsreport.h"

struct CliContext;

// The commands that talk to the controller. The command line is checked and
// every file argument read before any of these runs; each opens the port with
// openPort(), hands the exchange's abort to context.interrupts, and returns
// the exit code of the outcome.
namespace DeviceCommands {

ExitCode read(CliContext& context);
// file: a valid setting file whose values are all in range.
ExitCode write(CliContext& context, const SettingsReport& file);
ExitCode set(CliContext& context, const QList<Assignment>& assignments);
ExitCode defaults(CliContext& context);
ExitCode log(CliContext& context);
ExitCode clearLog(CliContext& context);

// The controller's settings, for diff: Done with report filled.
ExitCode readController(CliContext& context, SettingsReport& report);

// Asks "sr" for the doctor; empty while the doctor cannot ask.
Doctor::ControllerCheck controllerCheck(CliContext& context);

} // namespace DeviceCommands
