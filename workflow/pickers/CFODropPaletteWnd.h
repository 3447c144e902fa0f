#pragma once

// The window of the honeycomb palette, a child of the "More Colors"
// dialog: its messages go to the dialog.

#include "CFODropPaletteControl.h"
#include "PaletteCanvas.h"

class CFODropPaletteWnd : public PaletteCanvas {
public:
    CFODropPaletteWnd(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                      wxWindow* owner, COLORREF colour)
        : PaletteCanvas(parent, id, pos, size, std::make_unique<CFODropPaletteControl>(), colour, false,
                        owner) {
        SetName("CFODropPaletteWnd");
    }
    CFODropPaletteControl& getControl() {
        return static_cast<CFODropPaletteControl&>(PaletteCanvas::getControl());
    }
};
