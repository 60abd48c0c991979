#pragma once

#include <QString>
#include <array>

// The controller's numeric settings, in the order of its parameter table.
enum class Parameter {
    PwmFrequencyMinLoad,
    PwmFrequencyMaxLoad,
    Neutral,
    HighPointForward,
    HighPointBrake,
    DeadBand,
    LowBatteryCutoff,
    CurrentLimit,
    BrakeMaxDuty,
    ReverseMaxDuty,
    NeutralBrake,
    CurrentLimitTimer,
    TimedCurrentLimit,
    ForwardBoost,
    ReverseShiftLevel,
};

// Bits 0..4 of the mode byte.
enum class Mode { VirginBit, ReverseMode, ReverseCancel, TLimitCut, RobotMode };

struct ParameterInfo {
    const char16_t* caption;
    const char16_t* unit; // empty for "Forward Boost"
    const char16_t* key; // short name for scripts
    float min;
    float max;
    int spinMin;
    int spinMax;
    int increment;
    int maxLength; // typed characters at most
};

inline constexpr int ParameterCount = 15;
inline constexpr int ModeCount = 5;

constexpr Parameter parameterAt(int index) { return static_cast<Parameter>(index); }
constexpr int indexOf(Parameter p) { return static_cast<int>(p); }
constexpr Mode modeAt(int bit) { return static_cast<Mode>(bit); }
constexpr int bitOf(Mode m) { return static_cast<int>(m); }

const std::array<ParameterInfo, ParameterCount>& parameterTable();
const ParameterInfo& info(Parameter p);

// "min～max" with both bounds in shortest form, e.g. "2.5～6".
QString parameterTooltip(Parameter p);

// Captions of the five modes, by bit.
const std::array<const char16_t*, ModeCount>& modeCaptions();

// Short names for scripts, by parameter index and by mode bit.
const std::array<const char16_t*, ParameterCount>& parameterKeys();
const std::array<const char16_t*, ModeCount>& modeKeys();

// Rows shown on the main window from the top.
inline constexpr std::array<Parameter, 12> VisibleRows { Parameter::PwmFrequencyMinLoad,
    Parameter::PwmFrequencyMaxLoad, Parameter::DeadBand, Parameter::LowBatteryCutoff,
    Parameter::CurrentLimit, Parameter::TimedCurrentLimit, Parameter::CurrentLimitTimer,
    Parameter::BrakeMaxDuty, Parameter::ReverseMaxDuty, Parameter::NeutralBrake,
    Parameter::ReverseShiftLevel, Parameter::ForwardBoost };
