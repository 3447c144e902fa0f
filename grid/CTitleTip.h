#pragma once

// The small borderless pop-up that shows the whole text of a cell too narrow
// for it while the mouse rests on the cell. It never takes the mouse or the
// focus from its owner (the grid): the pointer goes through it, so a click on
// the tip reaches the cell under it (a quick second click as a double
// click). It hides on a click or a key in its owner, on the pointer leaving
// the cell or the owner, and when the owner's window loses the focus.

#include "CString.h"
#include "GridRect.h"
#include "WinTypes.h"

#include <wx/font.h>
#include <wx/popupwin.h>

class CTitleTip : public wxPopupWindow {
public:
    CTitleTip();
    ~CTitleTip() override;

    // Makes the pop-up for its parent (the grid); TRUE when it exists.
    virtual BOOL Create(wxWindow* parent);
    void DestroyWindow();
    // Rectangles in the parent's client coordinates. Shown only when the
    // text does not fit in the title rectangle.
    void Show(GridRect rectTitle, const CString& title, int xOffset = 0, const GridRect* hover = nullptr,
              const wxFont* font = nullptr, COLORREF textColour = 0xFF000000,
              COLORREF backColour = 0xFF000000);
    void Hide();

    const wxString& GetShownText() const { return m_text; }

    // Handlers with client points of the tip, for the pointer events that
    // still reach it (where the display cannot let them through): it hides
    // and passes them on to the window beneath.
    void OnMouseMove(wxPoint point);
    void OnButtonDown(wxEventType type, wxPoint point);
    // The pointer moved in the owner: out of the cell, the tip hides.
    void OnOwnerMouseMove(wxPoint ownerPoint);

private:
    void forwardMouse(wxEventType type, wxPoint screenPoint);
    void onPaint(wxPaintEvent& event);
    void onMotion(wxMouseEvent& event);
    void onButton(wxMouseEvent& event);
    void onKey(wxKeyEvent& event);
    void onOwnerMotion(wxMouseEvent& event);
    void onOwnerEvent(wxEvent& event);
    void onOwnerActivate(wxActivateEvent& event);
    // Takes the tip's handlers off its owner and the owner's window.
    void forgetOwner();

    wxWindow* m_parent = nullptr;
    wxWindow* m_ownerWindow = nullptr;
    GridRect m_hoverRect; // in the tip's client coordinates
    wxLongLong m_lastLeftPress = -1;
    int m_doubleClickTime = 500;
    bool m_created = false;
    wxString m_text;
    wxFont m_font;
    wxColour m_textColour;
};
