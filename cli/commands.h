#pragma once

#include "exitcode.h"

#include <QString>

struct CliContext;

// The commands, each after its command line has been checked.
namespace Commands {

ExitCode ports(CliContext& context);
ExitCode doctor(CliContext& context);
ExitCode diff(CliContext& context);
// The settings kept from earlier reads and writes: list, show, diff, restore.
ExitCode history(CliContext& context);
// What changes from a to b, as diff prints it: Done when nothing, else Differ.
ExitCode printComparison(CliContext& context, const QString& nameA, const QString& imageA,
    const QString& nameB, const QString& imageB);
// write and set check their arguments here, then hand over to DeviceCommands.
ExitCode write(CliContext& context);
ExitCode set(CliContext& context);

} // namespace Commands
