#pragma once

#include <QImage>
#include <QSize>

// The product artwork of the main window, drawn for the given size in
// pixels into an image, which unlike a pixmap may be drawn on any thread.
QImage drawLogo(const QSize& size, qreal devicePixelRatio);
