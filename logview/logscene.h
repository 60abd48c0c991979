#pragma once

#include "batteryresistance.h"
#include "cellcount.h"
#include "logmarkers.h"
#include "samplestore.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// Where the log shown came from: its CSV when there is one (markers live
// beside it), when it was fetched and from which port.
struct LogSource {
    QString path;
    QDateTime time;
    QString port;
};

// A second log laid over the first, from its first sample on.
struct LogOverlay {
    SampleStore store;
    QString name;
    int cells = 0; // counted by the same chemistry; 0 when not told
};

// What the log window shows beside the store's curves; the graph, the
// readout, the figures and the picture read it.
struct LogScene {
    LogSource source;
    ResistanceEstimate resistance; // of the whole log
    bool resting = false; // the curve V + I·R
    std::optional<Chemistry> chemistry;
    int cells = 0; // in series; 0 while not known
    std::optional<LogOverlay> overlay;
    QList<LogMarker> markers;
};
