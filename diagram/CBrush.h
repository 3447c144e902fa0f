#pragma once

// A brush of the diagram painter, kept by value like CPen: solid or null.

#include "WinTypes.h"

constexpr int BS_SOLID = 0;
constexpr int BS_NULL = 1;
constexpr int BS_HOLLOW = BS_NULL;

// Stock brushes (GetStockObject numbers).
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;

class CBrush {
public:
    // The stock white brush.
    CBrush() = default;
    // CreateSolidBrush.
    explicit CBrush(COLORREF color) : m_style(BS_SOLID), m_color(color) {}
    // The null (hollow) brush: shapes are outlined and not filled.
    static CBrush null();
    // WHITE_BRUSH ... NULL_BRUSH; any other number gives the white brush.
    static CBrush stock(int stockId);

    int getStyle() const { return m_style; }
    COLORREF getColor() const { return m_color; }
    bool isNull() const { return m_style == BS_NULL; }

    bool operator==(const CBrush&) const = default;

private:
    int m_style = BS_SOLID;
    COLORREF m_color = RGB(255, 255, 255);
};
