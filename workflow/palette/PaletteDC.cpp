#include "PaletteDC.h"

#include "CPen.h"

#include <algorithm>

void PaletteDC::draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight) {
    const int x = rect.left, y = rect.top, cx = rect.Width(), cy = rect.Height();
    fillSolidRect(CRect(x, y, x + cx - 1, y + 1), topLeft);
    fillSolidRect(CRect(x, y, x + 1, y + cy - 1), topLeft);
    fillSolidRect(CRect(x + cx - 1, y, x + cx, y + cy), bottomRight);
    fillSolidRect(CRect(x, y + cy - 1, x + cx, y + cy), bottomRight);
}

void PaletteDC::frameRect(const CRect& rect, COLORREF colour) {
    frameRegion(rect, colour, 1, 1);
}

void PaletteDC::frameRegion(const CRect& rect, COLORREF colour, int width, int height) {
    if (rect.IsRectEmpty())
        return;
    fillSolidRect(CRect(rect.left, rect.top, rect.right, rect.top + height), colour);
    fillSolidRect(CRect(rect.left, rect.bottom - height, rect.right, rect.bottom), colour);
    fillSolidRect(CRect(rect.left, rect.top + height, rect.left + width, rect.bottom - height), colour);
    fillSolidRect(CRect(rect.right - width, rect.top + height, rect.right, rect.bottom - height), colour);
}

void PaletteDC::frameSelection(const CRect& rect) {
    frameRegion(deflated(rect, 1, 1), RGB(255, 255, 255), 2, 2);
    frameRegion(inflated(rect, 1, 1), RGB(0, 0, 0), 1, 1);
}

std::vector<CRect> PaletteDC::styledLineBoxes(int left, int right, int y, int penStyle) {
    constexpr int kWidth = 3;
    const std::vector<int> pattern =
        CPen::ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_JOIN_MITER | penStyle, kWidth, RGB(0, 0, 0))
            .dashPattern();
    const int top = y - kWidth / 2, bottom = top + kWidth;
    if (pattern.empty())
        return left < right ? std::vector<CRect>{CRect(left, top, right, bottom)} : std::vector<CRect>{};
    std::vector<CRect> boxes;
    size_t piece = 0;
    for (int x = left; x < right; x += pattern[piece], piece = (piece + 1) % pattern.size()) {
        // The pattern starts with a dash; every other piece is a gap.
        if (piece % 2 == 0)
            boxes.emplace_back(x, top, std::min(x + pattern[piece], right), bottom);
    }
    return boxes;
}
