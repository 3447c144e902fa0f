#pragma once

// A pen of the diagram painter, kept by value: selecting it into a DiagramDC
// copies it, and "deleting" it is letting it go out of scope.
//
// Pens of width 0 or 1 draw one-pixel lines with the pixel pattern of their
// style; wider pens draw a band of their width with flat (butt) ends and
// mitred corners, their dashes scaled by the width (see DiagramDC.h).

#include "WinTypes.h"

#include <vector>

// Pen styles (the low bits of a style word).
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;
constexpr int PS_USERSTYLE = 7;
constexpr int PS_STYLE_MASK = 0x0000000F;
// Further bits of ExtCreatePen's style word. End caps and joins are taken
// but every pen is drawn with flat ends and mitred joins.
constexpr int PS_ENDCAP_ROUND = 0x00000000;
constexpr int PS_ENDCAP_SQUARE = 0x00000100;
constexpr int PS_ENDCAP_FLAT = 0x00000200;
constexpr int PS_JOIN_ROUND = 0x00000000;
constexpr int PS_JOIN_BEVEL = 0x00001000;
constexpr int PS_JOIN_MITER = 0x00002000;
constexpr int PS_COSMETIC = 0x00000000;
constexpr int PS_GEOMETRIC = 0x00010000;
constexpr int PS_TYPE_MASK = 0x000F0000;

// Stock pens (GetStockObject numbers).
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;

class CPen {
public:
    // The stock black pen: solid, one pixel.
    CPen() = default;
    // CreatePen: a style 0-6, a width (0 and 1 are one pixel) and a colour.
    // As on the platform, a dashed or dotted style wider than 1 pixel draws solid.
    CPen(int style, int width, COLORREF color);
    // ExtCreatePen with a solid brush of the colour: PS_GEOMETRIC or
    // PS_COSMETIC combined with a style; PS_USERSTYLE takes the on and off
    // lengths (in pixels for a geometric pen, which is how the program uses it).
    static CPen ExtCreatePen(int styleWord, int width, COLORREF color,
                             const std::vector<DWORD>& userStyle = {});
    // WHITE_PEN, BLACK_PEN or NULL_PEN; any other number gives the black pen.
    static CPen stock(int stockId);

    int getStyle() const { return m_style; }
    int getWidth() const { return m_width; }
    COLORREF getColor() const { return m_color; }
    bool isGeometric() const { return m_geometric; }
    const std::vector<DWORD>& getUserStyle() const { return m_userStyle; }
    // Draws nothing (PS_NULL).
    bool isNull() const { return m_style == PS_NULL; }
    // The width in pixels that lines take: 1 for widths 0 and 1.
    int pixelWidth() const { return m_width < 1 ? 1 : m_width; }
    // On and off lengths in pixels, starting with "on"; empty for a solid line.
    std::vector<int> dashPattern() const;

    bool operator==(const CPen&) const = default;

private:
    int m_style = PS_SOLID;
    int m_width = 1;
    COLORREF m_color = 0;
    bool m_geometric = false;
    std::vector<DWORD> m_userStyle;
};
