#pragma once

#include "samplestore.h"
#include "timeview.h"

#include <QRect>
#include <QStringList>

// What the pointer over the graph asks the readout box to show.
struct CursorReadout {
    int t = 0; // sample number = seconds on the time axis
    int p = 0; // pointer height in percent of the inner height, 0 at the top
    float left = 0; // box position in the window, twips
    float top = 0;
    bool visible = false;
    QStringList lines; // "12s", "7.5V", "190A"; empty when hidden
};

// x, y: pointer in the graph's inner coordinates (twips); pic: the graph's
// outer left, top, width and height in the window (twips), border 30 each side;
// view: the seconds the graph's width shows.
CursorReadout readCursor(float x, float y, float picLeft, float picTop, float picWidth,
    float picHeight, const SampleStore& store, const TimeView& view = {});

// Where the readout box goes, in pixels: gap right of and below the pointer,
// on the other side of it along an axis where the box would leave area (the
// graph's inner area), and moved into area where neither side holds it.
QRect readoutPlace(const QSize& box, const QPoint& pointer, int gap, const QRect& area);
