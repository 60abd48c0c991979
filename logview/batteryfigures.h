#pragma once

#include "logscene.h"

#include <QCoreApplication>
#include <QStringList>

// The lines the readout and the Statistics box show of a log and its
// battery: the span's figures with the pack's resistance, per cell where the
// cell count is known, and the compared log's figures after them.
class BatteryFigures {
    Q_DECLARE_TR_FUNCTIONS(BatteryFigures)
public:
    // "R 25.3 mΩ (23.1–27.9)", then "6.3 mΩ (5.8–7.0) per cell" when cells are known.
    static QStringList resistanceLines(const ResistanceEstimate& r, int cells);
    // The figures of first..last of store, with its resistance over them.
    static QStringList spanLines(const SampleStore& store, int cells, int first, int last);
    // Below the cursor's time, volts and amps: the resting voltage, volts per
    // cell, the markers and the compared log's volts and amps at sample n.
    static QStringList cursorLines(const SampleStore& store, const LogScene& scene, int n);
    // The Statistics box: the log's figures, then the compared log's.
    static QStringList statistics(
        const SampleStore& store, const LogScene& scene, int first, int last);
};
