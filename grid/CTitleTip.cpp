#include "CTitleTip.h"

#include "GridDefines.h"
#include "GridSystem.h"
#include "WxText.h"

#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/time.h>
#include <wx/utils.h>

CTitleTip::CTitleTip() {
    const int doubleClick =
        gridsystem::displayAvailable() ? wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC) : -1;
    if (doubleClick > 0)
        m_doubleClickTime = doubleClick;
}

BOOL CTitleTip::Create(wxWindow* parent) {
    if (m_created)
        return TRUE;
    m_parent = parent;
    m_created = wxPopupWindow::Create(parent, wxBORDER_SIMPLE);
    if (m_created) {
        SetName("ZTitleTip");
        SetBackgroundColour(gridsystem::toWx(gridsystem::colour(wxSYS_COLOUR_INFOBK)));
        Bind(wxEVT_PAINT, &CTitleTip::onPaint, this);
        Bind(wxEVT_MOTION, &CTitleTip::onMotion, this);
        Bind(wxEVT_LEFT_DOWN, &CTitleTip::onButton, this);
        Bind(wxEVT_RIGHT_DOWN, &CTitleTip::onButton, this);
        Bind(wxEVT_MIDDLE_DOWN, &CTitleTip::onButton, this);
        Bind(wxEVT_KEY_DOWN, &CTitleTip::onKey, this);
        Bind(wxEVT_MOUSE_CAPTURE_LOST, &CTitleTip::onCaptureLost, this);
    }
    return m_created;
}

void CTitleTip::DestroyWindow() {
    m_created = false;
    if (HasCapture())
        ReleaseMouse();
    Destroy();
}

void CTitleTip::Show(GridRect rectTitle, const CString& title, int xOffset, const GridRect* hover,
                     const wxFont* font, COLORREF textColour, COLORREF backColour) {
    if (!m_created && m_parent)
        Create(m_parent);
    if (!m_created || rectTitle.IsRectEmpty() || IsShown())
        return;
    m_hoverRect = hover ? *hover : rectTitle;
    m_hoverRect.right++, m_hoverRect.bottom++;
    m_hoverRect.OffsetRect(-(rectTitle.left + xOffset), -rectTitle.top);
    if (!FindFocus())
        return;

    m_text = " " + toWx(title) + " ";
    m_font = font && font->IsOk() ? *font : m_parent->GetFont();
    wxClientDC dc(m_parent);
    dc.SetFont(m_font);
    const int textWidth = dc.GetTextExtent(m_text).x;
    // Only a text that does not fit in the cell gets a tip.
    if (rectTitle.right - xOffset >= rectTitle.left + textWidth + 2 * xOffset)
        return;

    const wxPoint origin = m_parent->ClientToScreen(wxPoint(rectTitle.left + xOffset, rectTitle.top));
    SetSize(origin.x, origin.y, textWidth + xOffset, rectTitle.Height());
    SetBackgroundColour(
        gridsystem::toWx(backColour != kNoColour ? backColour : gridsystem::colour(wxSYS_COLOUR_INFOBK)));
    m_textColour =
        gridsystem::toWx(textColour != kNoColour ? textColour : gridsystem::colour(wxSYS_COLOUR_INFOTEXT));
    wxPopupWindow::Show(true);
    Refresh();
    if (!HasCapture())
        CaptureMouse();
}

void CTitleTip::Hide() {
    if (!m_created)
        return;
    if (HasCapture())
        ReleaseMouse();
    wxPopupWindow::Hide();
}

void CTitleTip::onPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    dc.SetFont(m_font);
    dc.SetTextForeground(m_textColour);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.DrawText(m_text, 0, 0);
}

void CTitleTip::forwardMouse(wxEventType type, wxPoint screenPoint) {
    wxWindow* target = wxFindWindowAtPoint(screenPoint);
    if (!target || target == this)
        target = m_parent;
    if (!target)
        return;
    const wxPoint client = target->ScreenToClient(screenPoint);
    const wxSize size = target->GetClientSize();
    if (client.x < 0 || client.y < 0 || client.x >= size.x || client.y >= size.y)
        return;
    wxMouseEvent event(type);
    event.SetPosition(client);
    event.SetEventObject(target);
    event.SetId(target->GetId());
    event.m_leftDown = type == wxEVT_LEFT_DOWN || type == wxEVT_LEFT_DCLICK;
    target->GetEventHandler()->AddPendingEvent(event);
}

void CTitleTip::OnMouseMove(wxPoint point) {
    if (m_hoverRect.PtInRect(point))
        return;
    const wxPoint screen = ClientToScreen(point);
    Hide();
    forwardMouse(wxEVT_MOTION, screen);
}

void CTitleTip::OnButtonDown(wxEventType type, wxPoint point) {
    const wxPoint screen = ClientToScreen(point);
    Hide();
    if (type == wxEVT_LEFT_DOWN) {
        const wxLongLong now = wxGetLocalTimeMillis();
        if (m_lastLeftPress >= 0 && now - m_lastLeftPress < m_doubleClickTime)
            type = wxEVT_LEFT_DCLICK;
        m_lastLeftPress = now;
    }
    forwardMouse(type, screen);
}

void CTitleTip::onMotion(wxMouseEvent& event) {
    OnMouseMove(event.GetPosition());
}

void CTitleTip::onButton(wxMouseEvent& event) {
    OnButtonDown(event.GetEventType(), event.GetPosition());
}

void CTitleTip::onKey(wxKeyEvent& event) {
    Hide();
    if (m_parent) {
        wxKeyEvent copy(event);
        m_parent->GetEventHandler()->AddPendingEvent(copy);
    }
}

void CTitleTip::onCaptureLost(wxMouseCaptureLostEvent&) {
    wxPopupWindow::Hide();
}
