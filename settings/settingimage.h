#pragma once

#include "parametertable.h"

#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

// The controller's 32-byte setting record as 64 hex characters, and each
// parameter's translation to and from it, as its table entry says.
namespace SettingImage {

inline constexpr int Length = 64;
inline constexpr int ThisModel = 2;
inline constexpr int DeletedModel = 255;
inline constexpr int ModelByte = 29;
inline constexpr int VersionByte = 30;
// The limiter byte that means "off"; it decodes to this current.
inline constexpr int LimiterOffByte = 0xFF;
inline constexpr float LimiterOffAmps = 480;

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
    bool limiterOff = false; // the limiter byte means "off"
};

// Reads the first 64 characters of text (fewer is BadField).
Decoded decode(QStringView text);

// True when the first 64 characters exist and all are hex digits.
bool isHexImage(QStringView text);

// The model code of an image of at least 64 characters.
int modelCode(QStringView image);

// Whether the limiter byte of an image that isHexImage switches the limiter
// off: every byte whose current reads as LimiterOffAmps does.
bool limiterOff(QStringView image);

// Byte k of an image that isHexImage.
int byteAt(QStringView image, int k);
// The hex characters a parameter takes in an image.
QStringView field(Parameter p, QStringView image);
// A parameter's value in an image that isHexImage, as the window shows it.
QString fieldText(Parameter p, QStringView image);
// The upper-case hex characters that carry value for p.
QString fieldHex(Parameter p, float value);

} // namespace SettingImage
