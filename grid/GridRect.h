#pragma once

// A rectangle by its edges, as the grid's geometry computes them. Cell
// rectangles are inclusive (the grid line falls on right and bottom); fills
// and text take right and bottom as the first pixel outside, so the drawing
// code widens a cell rectangle by one pixel where it means to cover its
// grid line.

#include <algorithm>
#include <wx/gdicmn.h>

struct GridRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    bool PtInRect(const wxPoint& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    void DeflateRect(int x, int y) { left += x, right -= x, top += y, bottom -= y; }
    void OffsetRect(int x, int y) { left += x, right += x, top += y, bottom += y; }
    GridRect Intersect(const GridRect& o) const {
        GridRect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
                   std::min(bottom, o.bottom)};
        return r.IsRectEmpty() ? GridRect{} : r;
    }
    // The area that a fill of this rectangle covers.
    wxRect toWx() const { return wxRect(left, top, std::max(0, Width()), std::max(0, Height())); }
    static GridRect fromWx(const wxRect& r) { return {r.x, r.y, r.x + r.width, r.y + r.height}; }
};
