#pragma once

// The popup palette of the drop-down line-style button: the five styles.

#include "CFOLineTypeControl.h"
#include "DropPalettePopup.h"

class CFOPopupLineTypeWnd : public DropPalettePopup {
public:
    bool create(const wxRect& buttonRect, wxWindow* owner, int lineType, int width, int height) {
        return DropPalettePopup::create("CFOLineTypeWnd", buttonRect, owner,
                                        std::make_unique<CFOLineTypeControl>(), static_cast<DWORD>(lineType),
                                        width, height);
    }
    CFOLineTypeControl& getControl() const {
        return static_cast<CFOLineTypeControl&>(getCanvas()->getControl());
    }
};
