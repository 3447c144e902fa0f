#pragma once

// The line-style picker of the shape and line property dialogs: a sample
// line of its pen style beside a drop-down arrow. Its popup holds the five
// styles; the arrow keys there move the selection without touching the
// button until Enter, a click, a click outside the popup, or Escape, which
// takes the style the selection rests on.

#include "CFODropButton.h"

class CFODropLineTypeButton : public CFODropButton {
public:
    CFODropLineTypeButton(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                          const wxSize& size = wxDefaultSize);

    int getLineType() const { return static_cast<int>(m_state.getValue()); }
    // Does not repaint.
    void setLineType(int lineType) { m_state.setValue(static_cast<DWORD>(lineType)); }

    void onPaletteMessage(UINT message, DWORD wParam, long lParam) override;

protected:
    DropPalettePopup* makePopup(const wxRect& buttonRect) override;
    void drawValue(wxDC& dc, const wxRect& r, bool highlighted) override;
};
