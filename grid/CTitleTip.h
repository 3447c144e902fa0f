#pragma once

// The small borderless pop-up that shows the whole text of a cell too narrow
// for it while the mouse rests on the cell. It hides on any key, press, or
// move out of the cell, and passes the press on to the window beneath, so a
// click on the tip reaches the grid cell under it (a quick second click as a
// double click).

#include "CString.h"
#include "GridRect.h"
#include "WinTypes.h"

#include <wx/font.h>
#include <wx/popupwin.h>

class CTitleTip : public wxPopupWindow {
public:
    CTitleTip();

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

    // Handlers with client points of the tip.
    void OnMouseMove(wxPoint point);
    void OnButtonDown(wxEventType type, wxPoint point);

private:
    void forwardMouse(wxEventType type, wxPoint screenPoint);
    void onPaint(wxPaintEvent& event);
    void onMotion(wxMouseEvent& event);
    void onButton(wxMouseEvent& event);
    void onKey(wxKeyEvent& event);
    void onCaptureLost(wxMouseCaptureLostEvent& event);

    wxWindow* m_parent = nullptr;
    GridRect m_hoverRect; // in the tip's client coordinates
    wxLongLong m_lastLeftPress = -1;
    int m_doubleClickTime = 500;
    bool m_created = false;
    wxString m_text;
    wxFont m_font;
    wxColour m_textColour;
};
