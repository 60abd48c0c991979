#pragma once

#include "assignments.h"
#include "doctor.h"
#include "exitcode.h"

struct CliContext;

// The commands that talk to the controller. The command line is checked and
// every file argument read before any of these runs; each opens the port with
// openPort(), hands the exchange's abort to context.interrupts, and returns
// the exit code of the outcome.
namespace DeviceCommands {

ExitCode read(CliContext& context);
// image: the settings of a TZ586KV, as a file or the history keeps them.
ExitCode write(CliContext& context, const QString& image);
ExitCode set(CliContext& context, const QList<Assignment>& assignments);
ExitCode defaults(CliContext& context);
ExitCode log(CliContext& context);
ExitCode clearLog(CliContext& context);

// The controller's setting image, for diff: Done with image filled.
ExitCode readController(CliContext& context, QString& image);

// Asks "sr" for the doctor; empty while the doctor cannot ask.
Doctor::ControllerCheck controllerCheck(CliContext& context);

} // namespace DeviceCommands
