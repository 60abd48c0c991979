#pragma once

#include <QFont>

// The fonts of the script the texts are in. Japanese asks for Gothic
// families that every supported system has, so that its glyphs (and the wave
// dash of the ranges) come from one font rather than from whatever fallback
// the system picks, and never for a size below the window's.
namespace ScriptFonts {

// Japanese from now on, or the platform's own fonts again. The application
// font changes, and every window with it.
void setJapanese(bool japanese);
bool japanese();

// A size the layout was drawn with, raised to the window's in Japanese.
qreal atLeastWindow(qreal pointSize);
// The fixed-pitch font for figures, at atLeastWindow(pointSize).
QFont fixed(qreal pointSize);

}
