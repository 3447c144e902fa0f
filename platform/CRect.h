#pragma once

// The class library's rectangle: left, top, right and bottom as integers.
// As everywhere on the platform, the right and bottom edges lie outside the
// rectangle: (0, 0, 10, 10) holds the points 0-9 on each axis. Nothing forces
// left <= right or top <= bottom until the rectangle is normalised.

#include "CPoint.h"
#include "CSize.h"
#include "WinTypes.h"

class CRect {
public:
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(CPoint topLeft, CSize size)
        : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy) {}
    constexpr CRect(CPoint topLeft, CPoint bottomRight)
        : left(topLeft.x), top(topLeft.y), right(bottomRight.x), bottom(bottomRight.y) {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr CSize Size() const { return CSize(Width(), Height()); }
    constexpr CPoint TopLeft() const { return CPoint(left, top); }
    constexpr CPoint BottomRight() const { return CPoint(right, bottom); }
    // Halves truncate toward zero, as the class library's do.
    constexpr CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    // Empty: no width or no height (a rectangle that is not normalised is empty).
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // The right and bottom edges are outside.
    constexpr bool PtInRect(CPoint point) const {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    constexpr void SetRect(int l, int t, int r, int b) {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    // Swaps the coordinates so that left <= right and top <= bottom.
    constexpr void NormalizeRect() {
        if (left > right) {
            const LONG swap = left;
            left = right;
            right = swap;
        }
        if (top > bottom) {
            const LONG swap = top;
            top = bottom;
            bottom = swap;
        }
    }
    constexpr void InflateRect(int dx, int dy) { InflateRect(dx, dy, dx, dy); }
    constexpr void InflateRect(CSize size) { InflateRect(size.cx, size.cy); }
    constexpr void InflateRect(int l, int t, int r, int b) {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    constexpr void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    constexpr void DeflateRect(CSize size) { InflateRect(-size.cx, -size.cy); }
    constexpr void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    constexpr void OffsetRect(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    constexpr void OffsetRect(CPoint point) { OffsetRect(point.x, point.y); }
    constexpr void OffsetRect(CSize size) { OffsetRect(size.cx, size.cy); }

    // The common part of a and b; when they do not overlap (or either is
    // empty) the result is (0, 0, 0, 0) and FALSE.
    constexpr BOOL IntersectRect(const CRect& a, const CRect& b) {
        if (a.IsRectEmpty() || b.IsRectEmpty() || a.left >= b.right || b.left >= a.right ||
            a.top >= b.bottom || b.top >= a.bottom) {
            SetRectEmpty();
            return FALSE;
        }
        SetRect(a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom);
        return TRUE;
    }
    // The smallest rectangle holding a and b; an empty one does not count.
    // Both empty: (0, 0, 0, 0) and FALSE.
    constexpr BOOL UnionRect(const CRect& a, const CRect& b) {
        if (a.IsRectEmpty() && b.IsRectEmpty()) {
            SetRectEmpty();
            return FALSE;
        }
        if (a.IsRectEmpty()) {
            *this = b;
            return TRUE;
        }
        if (b.IsRectEmpty()) {
            *this = a;
            return TRUE;
        }
        SetRect(a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom);
        return TRUE;
    }
    constexpr BOOL EqualRect(const CRect& other) const { return *this == other; }

    constexpr bool operator==(const CRect&) const = default;
    constexpr CRect operator&(const CRect& other) const {
        CRect result;
        result.IntersectRect(*this, other);
        return result;
    }
    constexpr CRect operator|(const CRect& other) const {
        CRect result;
        result.UnionRect(*this, other);
        return result;
    }
    constexpr CRect operator+(CPoint point) const {
        CRect result = *this;
        result.OffsetRect(point);
        return result;
    }
    constexpr CRect operator-(CPoint point) const {
        CRect result = *this;
        result.OffsetRect(-point.x, -point.y);
        return result;
    }
};
