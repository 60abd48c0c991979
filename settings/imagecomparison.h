#pragma once

#include "parametertable.h"

#include <QString>
#include <QStringView>
#include <array>
#include <vector>

// Two setting images side by side, value by value, in the texts the main
// window would show for each (for people: in the user's language).
namespace ImageComparison {

inline constexpr int RowCount = ParameterCount + ModeCount;
using Texts = std::array<QString, RowCount>;

struct Row {
    bool isMode = false;
    int index = 0; // parameter index, or mode bit
    QString caption; // in the user's language
    QString unit;
    QString first; // empty when that image does not decode
    QString second;
    bool differs = false; // only when both decode
};

// Every parameter and mode in the order people see them; a row differs when
// the change engine finds its bytes changed.
std::vector<Row> compare(QStringView first, QStringView second);

// One image's texts in the rows' order, all empty when it does not decode.
// The current limiter reads "Off" when off; a mode switch "On" or "Off".
Texts shownTexts(QStringView image);

// How many values and bytes differ; -1 when either image does not decode.
int differences(QStringView first, QStringView second);

} // namespace ImageComparison
