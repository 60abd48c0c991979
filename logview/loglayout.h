#pragma once

#include <array>
#include <optional>

// Positions of the log window's controls, in twips, worked out from the
// window's outer size. No toolkit here, so the figures can be checked alone.
namespace LogLayout {

struct Rect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

struct Size {
    float width = 0;
    float height = 0;
};

// The design values the formulas start from.
inline constexpr float MinWidth = 5070;
inline constexpr float MinHeight = 4600;
inline constexpr float InitialWidth = 7000;
inline constexpr float InitialHeight = 5200;
inline constexpr Rect CmdClose { 1680, 300, 1575, 495 };
inline constexpr Rect PicLog { 540, 1020, 3855, 495 };
inline constexpr Rect LblVolt { 0, 960, 435, 195 };
inline constexpr Rect LblCur { 4500, 960, 435, 195 };
inline constexpr Rect LblTime { 2160, 1740, 675, 195 };
inline constexpr Rect LblS { 360, 1560, 435, 195 };
inline constexpr Rect Frame1 { 3420, 180, 1395, 690 };
inline constexpr Rect Frame2 { 120, 180, 1395, 675 };
inline constexpr Rect ChkScaleLine { 180, 360, 1155, 255 }; // inside its frame
inline constexpr Rect TxtLog { 3840, 1260, 555, 585 };
inline constexpr Rect Chemistry { 120, 285, 1200, 330 }; // top below the graph
inline constexpr Rect Cells { 1380, 285, 700, 330 };
// The legend line inside each frame: from (180, 300) to (1080, 300).
inline constexpr float LegendLeft = 180;
inline constexpr float LegendRight = 1080;
inline constexpr float LegendY = 300;

inline constexpr int VoltLabels = 11; // 0 .. 10 V
inline constexpr int CurLabels = 7; // 0 .. 300 A
inline constexpr int TimeLabels = 10; // 0 .. 540 s

struct Placement {
    Rect cmdClose;
    Rect frame1;
    Rect frame2;
    Rect picLog;
    std::array<Rect, VoltLabels> lblVolt {};
    std::array<Rect, CurLabels> lblCur {};
    std::array<Rect, TimeLabels> lblS {};
    Rect lblTime;
    // Below the time scale, left of its caption: the pack's chemistry and cells.
    Rect chemistry;
    Rect cells;
};

struct Result {
    // Set when the window is below its minimum: resize to this and lay out
    // again at the new size; nothing else is placed then.
    std::optional<Size> snapTo;
    Placement placement;
};

// w, h: the window's outer width and height in twips.
Result layout(float w, float h);

} // namespace LogLayout
