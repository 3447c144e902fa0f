#pragma once

// A font of the diagram painter as the program creates it: the fields of a
// logical font, kept by value. The face is kept exactly as given (and as a
// diagram stores it); only the painter looks for an installed face to draw
// with (DiagramFont).
//
//     CFont font{.height = -12, .weight = FW_NORMAL, .face = "Courier New"};
//
// height < 0: the character height in pixels (the em size);
// height > 0: the cell height in pixels (ascent + descent);
// height = 0: the default size, a character height of 16 pixels (12 points).

#include "CString.h"
#include "WinTypes.h"

constexpr int FW_DONTCARE = 0;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

// Stock fonts (GetStockObject numbers).
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_GUI_FONT = 17;

struct CFont {
    int height = 0;
    // Angle of the text's base line in tenths of a degree, counter-clockwise:
    // 900 runs upwards. Used by TextOut.
    int escapement = 0;
    int weight = FW_NORMAL;
    BYTE italic = 0;
    BYTE underline = 0;
    BYTE strikeOut = 0;
    CString face = "Arial";

    // The height of a font of that many points on the 96-dpi display:
    // -MulDiv(points, LOGPIXELSY, 72).
    static int heightFromPoints(int points, int logPixelsY = 96) { return -MulDiv(points, logPixelsY, 72); }
    // SYSTEM_FONT or DEFAULT_GUI_FONT (the dialog font, 8 points); any other
    // number gives the default GUI font.
    static CFont stock(int stockId);

    bool operator==(const CFont&) const = default;
};
