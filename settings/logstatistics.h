#pragma once

#include "samplestore.h"

#include <QStringList>

// Figures of a stretch of the run log. Each sample stands for one second.
// A sample counts for each channel it has: the voltage figures need its
// voltage, the current figures and the charge its current, the energy both.
struct LogStatistics {
    int first = 1; // sample numbers, both ends included
    int last = 0;
    int voltSamples = 0;
    int voltMissing = 0;
    int curSamples = 0;
    int curMissing = 0;
    int energySamples = 0;
    double voltMin = 0;
    double voltMean = 0;
    double voltMax = 0;
    double curMean = 0;
    double curMax = 0;
    double charge = 0; // mAh
    double energy = 0; // Wh
};

// The ends may come in either order and are cut to 1..512; a store that
// holds no log has every sample missing.
LogStatistics logStatistics(const SampleStore& store, int first, int last);

// "100-199s 100s", "min 11.0 mean 11.5 max 12.0V", "mean 149 max 200A",
// "4028mAh 45.06Wh", "missing 2V 3A"; "-" for a figure without samples.
QStringList logStatisticsLines(const LogStatistics& s);
