#pragma once

#include <QRect>

// Where windows go so that a person can see them. Rectangles are outer
// (frame included), in the screens' device-independent pixels.
namespace Placement {

// window moved the least that lets it lie wholly on screen; one larger than
// the screen keeps its top-left corner there.
QRect keptOnScreen(const QRect& window, const QRect& screen);

// A window of size next to anchor, tops aligned: to its right where that
// fits on screen, else to its left, else on the side with more room, made
// narrower down to minimumWidth to fit there; then kept on screen.
QRect beside(const QSize& size, int minimumWidth, const QRect& anchor, const QRect& screen);

} // namespace Placement
