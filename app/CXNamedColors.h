#pragma once

// A colour written as the mini-HTML text gives it: three decimal numbers
// separated by commas ("255,0,0"), '#' and six hexadecimal digits
// ("#00FF00"), or one of the 140 colour names ("LightGrey"). What cannot be
// read is black.

#include "CString.h"
#include "WinTypes.h"

// The parts of a colour (red | green << 8 | blue << 16).
constexpr int GetRValue(COLORREF color) {
    return color & 0xFF;
}
constexpr int GetGValue(COLORREF color) {
    return (color >> 8) & 0xFF;
}
constexpr int GetBValue(COLORREF color) {
    return (color >> 16) & 0xFF;
}

class CXNamedColors {
public:
    explicit CXNamedColors(const CString& text);

    COLORREF getColor() const { return m_color; }

    // The colour of a name, ignoring case; black for a name not in the table.
    static COLORREF colorOfName(const CString& name);

private:
    COLORREF m_color = 0;
};
