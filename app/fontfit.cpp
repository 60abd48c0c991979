#include "fontfit.h"

#include <QFontMetrics>
#include <cmath>

namespace {
constexpr qreal SmallestSize = 6.0;
}

QFont fittingFont(const QFont& base, const std::function<bool(const QFont&)>& fits)
{
    QFont font = base;
    const qreal start = base.pointSizeF() > 0 ? base.pointSizeF() : 9.0;
    font.setPointSizeF(start);
    if (fits(font))
        return font;
    // Every size tried costs a font engine: bisect the half points below the
    // base rather than walk down them. Step k is SmallestSize + k / 2.
    auto sizeAt = [](int step) { return SmallestSize + step / 2.0; };
    int fitting = 0; // the smallest size serves when nothing fits
    int tooLarge = int(std::ceil((start - SmallestSize) * 2));
    while (tooLarge - fitting > 1) {
        const int mid = (fitting + tooLarge) / 2;
        font.setPointSizeF(sizeAt(mid));
        if (fits(font))
            fitting = mid;
        else
            tooLarge = mid;
    }
    font.setPointSizeF(sizeAt(fitting));
    return font;
}

bool textFits(
    const QFont& font, const QString& text, int width, int height, int extraWidth, bool wrap)
{
    const QFontMetrics metrics(font);
    const int room = width - extraWidth;
    if (!wrap)
        return metrics.horizontalAdvance(text) <= room && metrics.height() <= height;
    const QRect needed = metrics.boundingRect(QRect(0, 0, room, 10000), Qt::TextWordWrap, text);
    return needed.width() <= room && needed.height() <= height;
}
