#include "PaletteDC.h"

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
