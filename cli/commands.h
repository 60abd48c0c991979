#pragma once

#include "exitcode.h"

struct CliContext;

// The commands, each after its command line has been checked.
namespace Commands {

ExitCode ports(CliContext& context);
ExitCode doctor(CliContext& context);
ExitCode diff(CliContext& context);
// The settings kept from earlier reads and writes; show N puts one beside the
// controller's.
ExitCode history(CliContext& context);
// write and set check their arguments here, then hand over to DeviceCommands.
ExitCode write(CliContext& context);
ExitCode set(CliContext& context);

} // namespace Commands
