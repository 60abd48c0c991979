#pragma once

#include "phrase.h"

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

// How a parameter is carried in the setting image.
enum class Codec {
    Word, // 16-bit value, low byte first
    Byte, // the value itself
    Percent, // PercentToHex / RawToPercent
    Volts, // VoltToHex / RawToVolt
    Amps, // CurrentToHex / RawToCurrent; FF is the limiter switched off
};

struct ParameterInfo {
    const char16_t* caption; // in English, as scripts and JSON documents give it
    const char16_t* unit; // empty for "Forward Boost"
    const char16_t* key; // short name for scripts
    float min;
    float max;
    int spinMin;
    int spinMax;
    int increment;
    int maxLength; // typed characters at most
    int offset; // its first byte in the setting image
    Codec codec;
    bool written; // false: a write keeps the bytes the controller holds

    // The one range check: every value written or accepted passes here.
    bool inRange(float value) const { return min <= value && value <= max; }
};

inline constexpr int ParameterCount = 15;
inline constexpr int ModeCount = 5;

constexpr Parameter parameterAt(int index) { return static_cast<Parameter>(index); }
constexpr int indexOf(Parameter p) { return static_cast<int>(p); }
constexpr Mode modeAt(int bit) { return static_cast<Mode>(bit); }
constexpr int bitOf(Mode m) { return static_cast<int>(m); }

const std::array<ParameterInfo, ParameterCount>& parameterTable();
const ParameterInfo& info(Parameter p);

// Where a text is shown: the window's messages, its tooltips, or the command line.
enum class TextStyle { Window, Tooltip, Script };

// A parameter's range with both bounds in shortest form: "2.5 ~ 6" in the
// window's messages, "2.5～6" in its tooltips, "2.5..6" on the command line.
Phrase rangePhrase(Parameter p, TextStyle style);
QString rangeText(Parameter p, TextStyle style); // for people

// Captions of the five modes, by bit, in English.
const std::array<const char16_t*, ModeCount>& modeCaptions();

// Captions in the user's language, for people.
QString captionText(Parameter p);
QString modeCaptionText(Mode m);

// Short names for scripts, by parameter index and by mode bit.
const std::array<const char16_t*, ParameterCount>& parameterKeys();
const std::array<const char16_t*, ModeCount>& modeKeys();

// Bytes of the setting image a parameter takes.
constexpr int widthOf(Codec c) { return c == Codec::Word ? 2 : 1; }

// The mode byte's place in the setting image.
inline constexpr int ModeByte = 31;
inline constexpr int ImageBytes = 32;

// Rows shown on the main window from the top.
inline constexpr std::array<Parameter, 12> VisibleRows { Parameter::PwmFrequencyMinLoad,
    Parameter::PwmFrequencyMaxLoad, Parameter::DeadBand, Parameter::LowBatteryCutoff,
    Parameter::CurrentLimit, Parameter::TimedCurrentLimit, Parameter::CurrentLimitTimer,
    Parameter::BrakeMaxDuty, Parameter::ReverseMaxDuty, Parameter::NeutralBrake,
    Parameter::ReverseShiftLevel, Parameter::ForwardBoost };

// Every parameter and mode in the order people see them: the window's rows,
// then the hidden parameters; the two shown modes, then the hidden ones.
inline constexpr std::array<Parameter, ParameterCount> ParameterOrder { VisibleRows[0],
    VisibleRows[1], VisibleRows[2], VisibleRows[3], VisibleRows[4], VisibleRows[5], VisibleRows[6],
    VisibleRows[7], VisibleRows[8], VisibleRows[9], VisibleRows[10], VisibleRows[11],
    Parameter::Neutral, Parameter::HighPointForward, Parameter::HighPointBrake };
inline constexpr std::array<Mode, 2> VisibleModes { Mode::ReverseCancel, Mode::RobotMode };
constexpr bool isVisible(Mode m) { return m == VisibleModes[0] || m == VisibleModes[1]; }
inline constexpr std::array<Mode, ModeCount> ModeOrder { Mode::ReverseCancel, Mode::RobotMode,
    Mode::VirginBit, Mode::ReverseMode, Mode::TLimitCut };
