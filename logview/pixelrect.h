#pragma once

#include "loglayout.h"
#include "twips.h"

#include <QRect>

// A place of the layout, in twips, as the widget's pixels.
inline QRect pixelRect(const LogLayout::Rect& r)
{
    return QRect(tw(r.left), tw(r.top), tw(r.width), tw(r.height));
}
