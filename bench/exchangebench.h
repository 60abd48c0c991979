#pragma once

#include "benchrow.h"

// Message exchange against the emulator over a pseudo-terminal: a whole "sr"
// exchange against its wire time, and the CPU share of a reply window that
// runs out; "sr" over the demo controller against the pseudo-terminal, and
// over TCP to the emulator against the wire time.
QList<BenchRow> exchangeBench();
