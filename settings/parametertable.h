#pragma once

#include <QString>
#include <array>

// One record per controller parameter, indexed like TxtData(0..14).
struct ParameterInfo {
    const char16_t* caption;
    const char16_t* unit; // empty for "Forward Boost"
    float min; // MinData
    float max; // MaxData
    int spinMin;
    int spinMax;
    int increment;
    int maxLength; // typed characters at most
};

inline constexpr int ParameterCount = 15;
inline constexpr int ModeCount = 5;

const std::array<ParameterInfo, ParameterCount>& parameterTable();

// "min～max" with both bounds in shortest form, e.g. "2.5～6".
QString parameterTooltip(int index);

// Captions of ChkMode(0..4).
const std::array<const char16_t*, ModeCount>& modeCaptions();

// Rows shown on the main window from the top, by parameter index.
inline constexpr std::array<int, 12> VisibleRows { 0, 1, 5, 6, 7, 12, 11, 8, 9, 10, 14, 13 };
