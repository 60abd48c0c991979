#pragma once

// Layouts are kept in twips, as drawn; 15 twips make one pixel at 96 DPI and
// Qt's device-independent pixels carry that to other screens.
constexpr int tw(int twips) { return twips >= 0 ? (twips + 7) / 15 : -((-twips + 7) / 15); }
