#pragma once

#include <QImage>
#include <QRect>

#include <algorithm>

// Pixels of that colour in area (the whole image when none is given) of an RGB32 image.
inline int countIn(const QImage& image, QRgb colour, QRect area = {})
{
    const QImage part = area.isNull() ? image : image.copy(area);
    const auto* pixels = reinterpret_cast<const QRgb*>(part.constBits());
    return int(std::count(pixels, pixels + part.width() * part.height(), colour));
}
