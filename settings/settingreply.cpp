#include "settingreply.h"

#include "settingimage.h"

namespace {
constexpr qsizetype ReplyLength = 68;
constexpr qsizetype RomVersionAt = 2 * SettingImage::VersionByte;
}

std::optional<SettingReply> acceptSettingReply(QStringView reply)
{
    if (reply.size() != ReplyLength)
        return std::nullopt;
    QString text = reply.toString();
    text.remove(QStringLiteral("sr"));
    // A garbled image must not reach the window half-decoded.
    if (!SettingImage::isHexImage(text))
        return std::nullopt;
    SettingReply accepted;
    accepted.image = text.left(SettingImage::Length);
    accepted.romVersion = QStringView(accepted.image).mid(RomVersionAt, 2).toInt(nullptr, 16);
    return accepted;
}
