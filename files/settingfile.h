#pragma once

#include <QString>

// A setting file holds the 64-character setting image and nothing else.
namespace SettingFile {

enum class LoadStatus {
    Image, // exactly 64 characters: text holds them
    WrongLength, // anything else that is not empty: ignored without a word
    Empty,
    Unreadable,
};

struct Loaded {
    LoadStatus status = LoadStatus::Unreadable;
    QString text;
};

// Reads at most 65 bytes, so a huge file costs nothing.
Loaded load(const QString& path);

// Writes exactly the image, no line end; false (old file intact) on failure or
// when image is not 64 characters long.
bool save(const QString& path, const QString& image);

} // namespace SettingFile
