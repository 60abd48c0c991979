#pragma once

#include "doctor.h"
#include "exitcode.h"

class Console;
class SerialLine;
class SystemProbe;

// Opens the chosen port, or tells plainly why it cannot (a name that does
// not read among the reasons): Done or PortUnavailable.
ExitCode openPort(
    SerialLine& line, const PortName& port, const SystemProbe& probe, Console& console);
