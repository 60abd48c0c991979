#pragma once

#include <QString>

// A setting image as the controller sends it: its factory settings.
inline const QString Example
    = QStringLiteral("E8038813F005D007E8030000000000660A2D555032504C3C6A1485C800021504");

// The image with the bytes from byte k on replaced by hex.
inline QString withBytes(QString image, int k, const QString& hex)
{
    return image.replace(2 * k, hex.size(), hex);
}
