#pragma once

// The class library's point: two integer coordinates. The difference of two
// points is a size; a point moved by a size is a point.

#include "CSize.h"
#include "WinTypes.h"

class CPoint {
public:
    LONG x = 0;
    LONG y = 0;

    constexpr CPoint() = default;
    constexpr CPoint(int px, int py) : x(px), y(py) {}
    constexpr explicit CPoint(CSize size) : x(size.cx), y(size.cy) {}

    constexpr void SetPoint(int px, int py) {
        x = px;
        y = py;
    }
    constexpr void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    constexpr void Offset(CSize size) { Offset(size.cx, size.cy); }

    constexpr bool operator==(const CPoint&) const = default;
    constexpr CPoint operator+(CSize size) const { return CPoint(x + size.cx, y + size.cy); }
    constexpr CPoint operator-(CSize size) const { return CPoint(x - size.cx, y - size.cy); }
    constexpr CSize operator-(CPoint other) const { return CSize(x - other.x, y - other.y); }
    constexpr CPoint operator-() const { return CPoint(-x, -y); }
    constexpr CPoint& operator+=(CSize size) {
        Offset(size);
        return *this;
    }
    constexpr CPoint& operator-=(CSize size) {
        Offset(-size.cx, -size.cy);
        return *this;
    }
};
