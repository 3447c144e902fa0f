#pragma once

// The window of a palette: it owns the palette control, paints it through
// an off-screen bitmap, hands it the mouse and the keys, and passes the
// messages it posts on to the owner window (posted again); a popup's
// canvas then hides the popup, but for an arrow key's preview.
// While the left button is held after a press in the window, the moves
// and the release come to it wherever the pointer goes (the display's
// implicit grab), so the canvas takes no capture of its own and a popup
// keeps the grab that makes a click outside it close it.

#include "PaletteControl.h"
#include "PaletteWindow.h"

#include <functional>
#include <memory>
#include <wx/window.h>

class PaletteCanvas : public wxWindow, public PaletteWindow {
public:
    // The control is laid out for the window's client area with the value
    // as its current one.
    PaletteCanvas(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                  std::unique_ptr<PaletteControl> control, DWORD value, bool popup, wxWindow* owner);

    PaletteControl& getControl() { return *m_control; }
    // What hides the popup that holds the canvas, and what moves the focus
    // back out of it; without them the canvas hides itself and moves the
    // focus back from itself in its dialog.
    void setPopupActions(std::function<void()> hide, std::function<void()> focusBack);

    void postMessage(UINT message, DWORD wParam, long lParam) override;
    void invalidate(const CRect& rect) override;
    void hide() override;
    void focusPreviousTabStop() override;
    bool shiftHeld() const override;

    bool AcceptsFocus() const override { return true; }

private:
    void deliver(UINT message, DWORD wParam, long lParam);
    CRect clientRect() const;
    void OnPaint();
    void OnLeftDown(wxMouseEvent& event);
    void OnMotion(wxMouseEvent& event);
    void OnLeftUp(wxMouseEvent& event);
    void OnKeyDown(wxKeyEvent& event);

    std::unique_ptr<PaletteControl> m_control;
    wxWindow* m_owner;
    bool m_popup;
    bool m_pressed = false;
    std::function<void()> m_hideHost;
    std::function<void()> m_focusBack;
};
