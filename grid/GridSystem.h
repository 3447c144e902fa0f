#pragma once

// What the grid reads of the desktop: its colours, the message font and the
// size of a scroll bar, plus the crossing between the grid's COLORREF values
// and wxWidgets colours. A grid object exists before its window, and its
// storage works in programs that never start the display (the headless
// tests); there the desktop's values are replaced by fixed ones.

#include "WinTypes.h"

#include <wx/colour.h>
#include <wx/font.h>
#include <wx/settings.h>

namespace gridsystem {

// Whether wxWidgets' display side has been started in this program.
bool displayAvailable();

// A desktop colour; the classic Windows value without a display.
COLORREF colour(wxSystemColour which);

// The font of message boxes; an invalid font without a display.
wxFont messageFont();

// Width of a vertical scroll bar and height of a horizontal one.
int scrollBarWidth();
int scrollBarHeight();

inline wxColour toWx(COLORREF colour) {
    return wxColour(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
inline COLORREF fromWx(const wxColour& colour) {
    return RGB(colour.Red(), colour.Green(), colour.Blue());
}

} // namespace gridsystem
