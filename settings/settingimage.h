#pragma once

#include "parametertable.h"

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>

// The controller's 32-byte setting record as 64 hex characters, and its
// translation to and from what the main window shows.
namespace SettingImage {

inline constexpr int Length = 64;
inline constexpr int ThisModel = 2;
inline constexpr int DeletedModel = 255;

enum class DecodeStatus {
    Ok,
    Deleted, // model code FF
    OtherModel, // any model code but 02 and FF
    BadField, // model 02, but a character of the image is not hex: change nothing
};

struct Decoded {
    DecodeStatus status = DecodeStatus::BadField;
    int modelCode = 0;
    // Each parameter as the window shows it.
    std::array<QString, ParameterCount> texts;
    QString version; // the ROM version byte, decimal
    uint8_t modeByte = 0;
};

// Reads the first 64 characters of text (fewer is BadField).
Decoded decode(QStringView text);

// True when the first 64 characters exist and all are hex digits.
bool isHexImage(QStringView text);

// What a write carries: nothing for a value that may not be written.
struct WriteValues {
    std::array<std::optional<double>, ParameterCount> values;
    bool limiterOff = false; // the limiter byte is FF and its value is not read
    std::array<bool, ModeCount> modes {};
};

enum class EncodeStatus {
    Ok,
    InvalidValue, // parameter `invalid` may not be written
    NoSource, // no image to take bytes 4-9 and 28-30 from
};

struct Encoded {
    EncodeStatus status = EncodeStatus::NoSource;
    int invalid = -1;
    QString image; // 64 upper-case hex characters when Ok
};

// source: the last image read from the controller, or else the image last
// decoded from a file; empty when there is neither.
Encoded encode(const WriteValues& values, QStringView source);

} // namespace SettingImage
