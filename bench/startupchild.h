#pragma once

#include <QString>

// One child run for the start-up figures: "minimal", "main" or "main-get".
// Prints "paint <ns> setup <ns> rss <kB>" on stdout; returns the exit code.
// paint is CLOCK_BOOTTIME at the window's first paint, so that the parent can
// count process creation too; setup is time spent on the bench's own props.
int runStartupChild(const QString& mode);

// CLOCK_BOOTTIME in nanoseconds: one clock for parent and children.
qint64 bootTimeNs();
