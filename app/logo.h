#pragma once

#include <QPixmap>
#include <QSize>

// The product artwork of the main window, drawn for the given size in pixels.
QPixmap drawLogo(const QSize& size, qreal devicePixelRatio);
