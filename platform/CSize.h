#pragma once

// The class library's size: a width and a height in one value.

#include "WinTypes.h"

class CSize {
public:
    LONG cx = 0;
    LONG cy = 0;

    constexpr CSize() = default;
    constexpr CSize(int width, int height) : cx(width), cy(height) {}

    constexpr bool operator==(const CSize&) const = default;
    constexpr CSize operator+(CSize other) const { return CSize(cx + other.cx, cy + other.cy); }
    constexpr CSize operator-(CSize other) const { return CSize(cx - other.cx, cy - other.cy); }
    constexpr CSize operator-() const { return CSize(-cx, -cy); }
    constexpr CSize& operator+=(CSize other) {
        cx += other.cx;
        cy += other.cy;
        return *this;
    }
    constexpr CSize& operator-=(CSize other) {
        cx -= other.cx;
        cy -= other.cy;
        return *this;
    }
};
