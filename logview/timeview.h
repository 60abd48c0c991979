#pragma once

#include <algorithm>

// The stretch of the time axis the graph shows, in seconds: the whole 540 s
// until the wheel zooms in. Times stay what they are; only their place moves.
struct TimeView {
    static constexpr double Whole = 540;
    static constexpr double Narrowest = 10;

    double from = 0;
    double to = Whole;

    double width() const { return to - from; }
    bool whole() const { return from <= 0 && to >= Whole; }
    // The seconds at fraction f of the width.
    double timeAt(double f) const { return from + f * width(); }

    // factor below 1 zooms in, keeping the time at fraction f where it is.
    TimeView zoomedAt(double f, double factor) const
    {
        const double w = std::clamp(width() * factor, Narrowest, Whole);
        const double start = std::clamp(timeAt(f) - f * w, 0.0, Whole - w);
        return { start, start + w };
    }
};
