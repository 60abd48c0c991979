#pragma once

#include "benchrow.h"

// Start-up time and memory of the real main window against a minimal Qt
// Widgets program, each run as a child process of benchExe (this program).
QList<BenchRow> startupBench(const QString& benchExe);
