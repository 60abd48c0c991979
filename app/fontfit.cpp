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
    // The base size first, then every half point below it.
    for (qreal size = start; size >= SmallestSize; size = std::ceil(size * 2 - 1) / 2) {
        font.setPointSizeF(size);
        if (fits(font))
            return font;
    }
    font.setPointSizeF(SmallestSize);
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
