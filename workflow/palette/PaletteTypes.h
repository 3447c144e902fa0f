#pragma once

// What the colour and line-style palettes share without a window: helpers
// on the rectangles of the host window's client coordinates, the messages the
// palettes post to their windows (and the windows to their owners), and the
// keys they answer. As everywhere on the platform, a rectangle's right and
// bottom edges lie outside it.

#include "CPoint.h"
#include "CRect.h"
#include "WinTypes.h"

// Copies of a rectangle shrunk (or grown) by dx on the left and right and
// by dy at the top and bottom.
constexpr CRect deflated(CRect rect, int dx, int dy) {
    rect.DeflateRect(dx, dy);
    return rect;
}
constexpr CRect inflated(CRect rect, int dx, int dy) {
    rect.InflateRect(dx, dy);
    return rect;
}

// Messages of the colour palettes (wParam: a colour; lParam: 0, or
// kPreviewLParam for an arrow key's preview that leaves the popup open).
constexpr UINT WM_FO_COLOR_SELECTED = 0x4DC;
constexpr UINT WM_FO_COLOR_CANCEL = 0x4DD;
constexpr UINT WM_FO_COLOR_CUSTOM = 0x4DE;
constexpr UINT WM_FO_COLOR_CHANGED = 0x4DF;
// Messages of the line-style palette (wParam: a pen style).
constexpr UINT WM_FO_LINETYPE_SELECTED = 0x4F0;
constexpr UINT WM_FO_LINETYPE_CANCEL = 0x4F1;
constexpr UINT WM_FO_LINETYPE_CLOSE = 0x4F2;
constexpr UINT WM_FO_LINETYPE_CHANGED = 0x4F3;
constexpr long kPreviewLParam = 100;

// The pen styles of the line-style palette, top to bottom, and the keys
// the palettes answer, by their virtual-key numbers; in a namespace of their
// own, beside the painter's and the keyboard's names of the same numbers.
namespace palette {
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;

constexpr UINT VK_CANCEL = 3;
constexpr UINT VK_TAB = 9;
constexpr UINT VK_RETURN = 13;
constexpr UINT VK_ESCAPE = 27;
constexpr UINT VK_LEFT = 37;
constexpr UINT VK_UP = 38;
constexpr UINT VK_RIGHT = 39;
constexpr UINT VK_DOWN = 40;
} // namespace palette
