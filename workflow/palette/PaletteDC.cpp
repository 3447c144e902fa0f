#include "PaletteDC.h"

void PaletteDC::draw3dRect(const PaletteRect& rect, COLORREF topLeft, COLORREF bottomRight) {
    const int x = rect.left, y = rect.top, cx = rect.width(), cy = rect.height();
    fillSolidRect(PaletteRect(x, y, x + cx - 1, y + 1), topLeft);
    fillSolidRect(PaletteRect(x, y, x + 1, y + cy - 1), topLeft);
    fillSolidRect(PaletteRect(x + cx - 1, y, x + cx, y + cy), bottomRight);
    fillSolidRect(PaletteRect(x, y + cy - 1, x + cx, y + cy), bottomRight);
}

void PaletteDC::frameRect(const PaletteRect& rect, COLORREF colour) {
    frameRegion(rect, colour, 1, 1);
}

void PaletteDC::frameRegion(const PaletteRect& rect, COLORREF colour, int width, int height) {
    if (rect.isEmpty())
        return;
    fillSolidRect(PaletteRect(rect.left, rect.top, rect.right, rect.top + height), colour);
    fillSolidRect(PaletteRect(rect.left, rect.bottom - height, rect.right, rect.bottom), colour);
    fillSolidRect(PaletteRect(rect.left, rect.top + height, rect.left + width, rect.bottom - height), colour);
    fillSolidRect(PaletteRect(rect.right - width, rect.top + height, rect.right, rect.bottom - height),
                  colour);
}

void PaletteDC::frameSelection(const PaletteRect& rect) {
    frameRegion(rect.deflated(1, 1), RGB(255, 255, 255), 2, 2);
    frameRegion(rect.inflated(1, 1), RGB(0, 0, 0), 1, 1);
}
