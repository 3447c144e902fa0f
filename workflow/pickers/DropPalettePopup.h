#pragma once

// The popup of a drop-down picker button: a borderless window under the
// button (or above it, or ending at its right edge, so that it stays inside
// the work area) holding the palette's canvas, which takes the keys. A
// click outside it, or the focus leaving it, chooses the value it shows.

#include "PaletteCanvas.h"

#include <memory>
#include <wx/popupwin.h>

class DropPalettePopup : public wxPopupTransientWindow {
public:
    // buttonRect is the button's rectangle on the screen; the owner (the
    // button) gets the palette's messages. False when the window could not
    // be made.
    bool create(const wxString& name, const wxRect& buttonRect, wxWindow* owner,
                std::unique_ptr<PaletteControl> control, DWORD value, int width, int height);

    PaletteCanvas* getCanvas() const { return m_canvas; }

protected:
    void OnDismiss() override;

private:
    PaletteCanvas* m_canvas = nullptr;
    wxWindow* m_owner = nullptr;
};
