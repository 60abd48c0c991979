#pragma once

#include <cmath>

// Layouts are kept in twips, as drawn; 15 twips make one pixel at 96 DPI and
// Qt's device-independent pixels carry that to other screens.
inline constexpr int TwipsPerPixel = 15;

// To the nearest pixel, halves away from zero.
constexpr int tw(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}
inline int tw(float twips) { return static_cast<int>(std::lround(twips / float(TwipsPerPixel))); }

inline float pixelsToTwips(int pixels) { return static_cast<float>(pixels * TwipsPerPixel); }
