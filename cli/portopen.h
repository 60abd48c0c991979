#pragma once

#include "doctor.h"
#include "exitcode.h"

class Console;
class SerialLine;
class SystemProbe;

// Opens the chosen port, or tells plainly why it cannot: Done or
// PortUnavailable.
ExitCode openPort(
    SerialLine& line, const Doctor::Port& port, const SystemProbe& probe, Console& console);
