#pragma once

#include "benchrow.h"

// Log window: layout and redraw at full-HD size, and a "br" reply from its
// last byte to the redrawn graph.
QList<BenchRow> logViewBench();
