#pragma once

#include "benchrow.h"

// Start-up time and memory of the real main window against a minimal Qt
// Widgets window showing one line of text, each run as a child process of
// benchExe (this program).
QList<BenchRow> startupBench(const QString& benchExe);
