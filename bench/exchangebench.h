#pragma once

#include "benchrow.h"

// Message exchange against the emulator over a pseudo-terminal: a whole "sr"
// exchange against its wire time, and the CPU share of a reply window that
// runs out.
QList<BenchRow> exchangeBench();
