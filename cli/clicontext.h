#pragma once

#include "cliconfig.h"
#include "commandline.h"
#include "console.h"
#include "doctor.h"

class HistoryStore;
class Interrupts;
class SystemProbe;

// What a command works with.
struct CliContext {
    const Invocation& invocation;
    Console& console;
    Interrupts& interrupts;
    const CliConfig& config;
    const SystemProbe& probe;
    HistoryStore& history; // every setting image read or written

    // --port, or else the configured port.
    PortName port() const { return config.port(invocation.port); }
};
