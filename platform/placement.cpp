#include "placement.h"

#include <algorithm>

namespace Placement {

namespace {

    // The least move along one axis: from at, for extent, into [low, high).
    int kept(int at, int extent, int low, int high)
    {
        return std::max(low, std::min(at, high - extent));
    }

} // namespace

QRect keptOnScreen(const QRect& window, const QRect& screen)
{
    const int x = kept(window.x(), window.width(), screen.x(), screen.x() + screen.width());
    const int y = kept(window.y(), window.height(), screen.y(), screen.y() + screen.height());
    return QRect(QPoint(x, y), window.size());
}

QRect beside(const QSize& size, int minimumWidth, const QRect& anchor, const QRect& screen)
{
    const int roomRight = screen.x() + screen.width() - (anchor.x() + anchor.width());
    const int roomLeft = anchor.x() - screen.x();
    const bool right
        = size.width() <= roomRight || (size.width() > roomLeft && roomRight >= roomLeft);
    const int room = right ? roomRight : roomLeft;
    const int width = std::min(size.width(), std::max(room, minimumWidth));
    const int x = right ? anchor.x() + anchor.width() : anchor.x() - width;
    return keptOnScreen(QRect(x, anchor.y(), width, size.height()), screen);
}

} // namespace Placement
