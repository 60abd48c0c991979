#pragma once

#include <QList>
#include <QString>

// One line of the benchmark table: a figure measured in this run and its target.
struct BenchRow {
    QString name;
    double value = 0;
    QString unit; // "ratio" or "ms"
    double target = 0; // value must be at most this
    double floor = 0; // and at least this, when above 0
};
