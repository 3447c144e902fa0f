#pragma once

// What a palette needs of the window that hosts it: it posts its messages
// to the window (they arrive after the current input has been handled),
// has parts of it repainted, hides a popup, and moves the focus back.

#include "PaletteTypes.h"

class PaletteWindow {
public:
    virtual ~PaletteWindow() = default;

    virtual void postMessage(UINT message, DWORD wParam, long lParam) = 0;
    // Repaints the rectangle, erasing it first.
    virtual void invalidate(const CRect& rect) = 0;
    virtual void hide() = 0;
    // The focus goes to the tab stop before the window in its dialog.
    virtual void focusPreviousTabStop() = 0;
    virtual bool shiftHeld() const = 0;
};
