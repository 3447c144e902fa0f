#pragma once

// The geometric pen of a line or a shape from the style and width it stores:
// a width of 0 draws nothing. A stored width may be any int a file gave;
// cairo fails on strokes some ten million pixels wide, so the pen is held at
// kWidestPen, which already covers the largest paper, and the stored width
// is kept as read. (A limit the painter's pens could take over.)

#include "CPen.h"
#include "WinTypes.h"

#include <algorithm>

constexpr int kWidestPen = 65535;

inline int entityPenWidth(int width) {
    return std::min(width, kWidestPen);
}

inline CPen entityPen(int style, int width, COLORREF color) {
    return width == 0 ? CPen::ExtCreatePen(PS_GEOMETRIC | PS_NULL, 0, color)
                      : CPen::ExtCreatePen(PS_GEOMETRIC | style, entityPenWidth(width), color);
}
