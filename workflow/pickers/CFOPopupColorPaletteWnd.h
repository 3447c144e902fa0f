#pragma once

// The popup palette of the drop-down colour button: the 48 colours and
// "Custom...".

#include "CFODropColorPaletteControl.h"
#include "DropPalettePopup.h"

class CFOPopupColorPaletteWnd : public DropPalettePopup {
public:
    bool create(const wxRect& buttonRect, wxWindow* owner, COLORREF colour, int width, int height) {
        return DropPalettePopup::create("CFODropColorPaletteWnd", buttonRect, owner,
                                        std::make_unique<CFODropColorPaletteControl>(), colour, width,
                                        height);
    }
    CFODropColorPaletteControl& getControl() const {
        return static_cast<CFODropColorPaletteControl&>(getCanvas()->getControl());
    }
};
