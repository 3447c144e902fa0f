#pragma once

// The colour picker of the graphical property dialogs: a swatch of its
// colour beside a drop-down arrow. Its popup holds the 48 colours; the
// arrow keys there preview a colour in the button at once, a click or
// Enter chooses one, Escape keeps the last preview, a click outside the
// popup takes the colour it shows, and "Custom..." opens "More Colors".

#include "CFODropButton.h"

class CFODropColorButton : public CFODropButton {
public:
    CFODropColorButton(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                       const wxSize& size = wxDefaultSize);

    COLORREF getColor() const { return m_state.getValue(); }
    // Does not repaint.
    void setColor(COLORREF colour) { m_state.setValue(colour); }

    void onPaletteMessage(UINT message, DWORD wParam, long lParam) override;

protected:
    DropPalettePopup* makePopup(const wxRect& buttonRect) override;
    void drawValue(wxDC& dc, const wxRect& r, bool highlighted) override;
};
