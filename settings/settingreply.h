#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The controller's answer to "sr": the echoed command letters around the
// 64-character setting image and the CR.
struct SettingReply {
    QString image; // 64 hex characters
    int romVersion = 0; // byte 30 of the image, 0..255
};

// Nothing unless the reply is exactly 68 characters long and, with every "sr"
// taken out, starts with a whole hex image.
std::optional<SettingReply> acceptSettingReply(QStringView reply);
