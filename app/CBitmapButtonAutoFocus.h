#pragma once

// The picture buttons of the main window: a button drawn from its own
// bitmaps (normal, pressed, focused, and disabled, which is the normal one
// when none is given) with its caption over the picture. It takes the
// keyboard focus when the mouse passes over it (see below). The caption is
// centred on the part right of the picture's 17-pixel icon band, or on the
// whole button when the icon offset is cleared; a disabled button shows it
// embossed, white with a grey copy one pixel up and left.
//
// The focus follows the mouse from button to button, but stays in a field
// or list the user types into: a button passed over on the way takes no
// key meant for the field.

#include "CString.h"

#include <wx/bitmap.h>
#include <wx/control.h>

class wxDC;
class wxKeyEvent;
class wxTopLevelWindow;

class CBitmapButtonAutoFocus : public wxControl {
public:
    // The states DrawItem draws.
    enum State { kSelected = 1, kFocus = 2, kDisabled = 4 };
    // The width of the icon band at the bitmap's left.
    static constexpr int kIconBand = 17;

    CBitmapButtonAutoFocus(wxWindow* parent, int id, const CString& caption);
    ~CBitmapButtonAutoFocus() override;

    // The bitmaps of the states; the button takes the normal one's size.
    bool LoadBitmaps(const wxBitmap& normal, const wxBitmap& selected = wxNullBitmap,
                     const wxBitmap& focus = wxNullBitmap, const wxBitmap& disabled = wxNullBitmap);
    // 1: the caption leaves the icon band free; 0: it is centred on the whole button.
    void setIconOffset(int offset) { m_iconOffset = offset; }
    int getIconOffset() const { return m_iconOffset; }
    // Makes this the button that the Enter key of its window presses
    // (unless the focus is on another picture button, which Enter presses).
    void SetDefault();

    // Draws the button in a state (bits of State) into a rectangle.
    void DrawItem(wxDC& dc, const wxRect& rect, int state);
    // Where the caption is centred.
    wxRect captionRect(const wxRect& rect) const;
    // The state the button is in now.
    int currentState() const;
    // Sends the button's command, as a click does.
    void click();
    // The mouse passing over the button.
    void OnMouseMove();

    bool AcceptsFocus() const override { return IsShown() && IsEnabled(); }

protected:
    wxSize DoGetBestSize() const override;

private:
    void OnPaint();
    void onWindowKey(wxKeyEvent& event);

    wxBitmap m_normal, m_selected, m_focus, m_disabled;
    int m_iconOffset = 1;
    // The window whose Enter key this button presses; null when none.
    wxTopLevelWindow* m_defaultOf = nullptr;
    bool m_pressed = false;
};
