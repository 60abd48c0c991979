#pragma once

#include "benchrow.h"

struct CliBenchPrograms {
    QString cli; // tz586kv
    QString coreMinimal; // the minimal Qt Core program
    QString measure; // the small parent that reports time and peak memory
};

// The command-line program's "read" as a whole process against the emulator:
// its time against the wire time, its peak memory against a minimal Qt Core
// program.
QList<BenchRow> cliBench(const CliBenchPrograms& programs);
