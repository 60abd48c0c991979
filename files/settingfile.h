#pragma once

#include "phrase.h"

#include <QString>

// A setting file holds the 64-character setting image. Text editors add a
// line end and some a UTF-8 byte-order mark: both are accepted on reading,
// never written.
namespace SettingFile {

enum class LoadStatus {
    Image, // 64 hex characters: text holds them
    WrongLength, // problem says how long it is
    NotHex, // problem names the first character that is not hex
    Empty,
    Unreadable,
    Folder,
    NotRegular, // a FIFO or a terminal: never opened, as reading it could wait for ever
};

struct Loaded {
    LoadStatus status = LoadStatus::Unreadable;
    QString text;
    Phrase problem; // for WrongLength and NotHex
};

// Reads at most a few bytes past an image, so a huge file costs nothing.
Loaded load(const QString& path);

// Writes exactly the image, no line end; false (old file intact) on failure or
// when image is not 64 characters long.
bool save(const QString& path, const QString& image);

} // namespace SettingFile
