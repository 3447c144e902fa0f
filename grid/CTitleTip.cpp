#include "CTitleTip.h"

#include "GridDefines.h"
#include "GridSystem.h"
#include "WxText.h"

#include <gtk/gtk.h>
#include <wx/dcclient.h>
#include <wx/settings.h>
#include <wx/time.h>
#include <wx/utils.h>

namespace {

// The events of the owner on which a shown tip hides.
const wxEventType kOwnerEventsThatHide[] = {wxEVT_LEAVE_WINDOW, wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN,
                                            wxEVT_MIDDLE_DOWN,  wxEVT_KEY_DOWN,  wxEVT_KILL_FOCUS};

} // namespace

CTitleTip::CTitleTip() {
    const int doubleClick =
        gridsystem::displayAvailable() ? wxSystemSettings::GetMetric(wxSYS_DCLICK_MSEC) : -1;
    if (doubleClick > 0)
        m_doubleClickTime = doubleClick;
}

CTitleTip::~CTitleTip() {
    forgetOwner();
}

BOOL CTitleTip::Create(wxWindow* parent) {
    if (m_created)
        return TRUE;
    m_parent = parent;
    m_created = wxPopupWindow::Create(parent, wxBORDER_SIMPLE);
    if (m_created) {
        SetName("ZTitleTip");
        SetBackgroundColour(gridsystem::toWx(gridsystem::colour(wxSYS_COLOUR_INFOBK)));
        // The pointer goes through the tip to what lies beneath: the cell
        // under it, or a button of a dialog it overlaps, gets the clicks.
        cairo_region_t* nothing = cairo_region_create();
        gtk_widget_input_shape_combine_region(GetHandle(), nothing);
        cairo_region_destroy(nothing);
        Bind(wxEVT_PAINT, &CTitleTip::onPaint, this);
        // Where the tip still gets the pointer, it passes it on.
        Bind(wxEVT_MOTION, &CTitleTip::onMotion, this);
        Bind(wxEVT_LEFT_DOWN, &CTitleTip::onButton, this);
        Bind(wxEVT_RIGHT_DOWN, &CTitleTip::onButton, this);
        Bind(wxEVT_MIDDLE_DOWN, &CTitleTip::onButton, this);
        Bind(wxEVT_KEY_DOWN, &CTitleTip::onKey, this);
        // What ends the tip happens on its owner: the pointer leaving the
        // cell or the owner, a press, a key, the window losing the focus.
        m_parent->Bind(wxEVT_MOTION, &CTitleTip::onOwnerMotion, this);
        for (const wxEventType type : kOwnerEventsThatHide)
            m_parent->Bind(type, &CTitleTip::onOwnerEvent, this);
        m_ownerWindow = wxGetTopLevelParent(m_parent);
        if (m_ownerWindow)
            m_ownerWindow->Bind(wxEVT_ACTIVATE, &CTitleTip::onOwnerActivate, this);
    }
    return m_created;
}

void CTitleTip::forgetOwner() {
    if (!m_created || !m_parent)
        return;
    m_parent->Unbind(wxEVT_MOTION, &CTitleTip::onOwnerMotion, this);
    for (const wxEventType type : kOwnerEventsThatHide)
        m_parent->Unbind(type, &CTitleTip::onOwnerEvent, this);
    if (m_ownerWindow)
        m_ownerWindow->Unbind(wxEVT_ACTIVATE, &CTitleTip::onOwnerActivate, this);
    m_ownerWindow = nullptr;
}

void CTitleTip::DestroyWindow() {
    forgetOwner();
    m_created = false;
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
    // Shown without the mouse or the focus: its owner keeps both.
    wxPopupWindow::Show(true);
    Refresh();
}

void CTitleTip::Hide() {
    if (!m_created)
        return;
    wxPopupWindow::Hide();
}

void CTitleTip::OnOwnerMouseMove(wxPoint ownerPoint) {
    if (IsShown() && !m_hoverRect.PtInRect(ScreenToClient(m_parent->ClientToScreen(ownerPoint))))
        Hide();
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

void CTitleTip::onOwnerMotion(wxMouseEvent& event) {
    OnOwnerMouseMove(event.GetPosition());
    event.Skip();
}

void CTitleTip::onOwnerEvent(wxEvent& event) {
    Hide();
    event.Skip();
}

void CTitleTip::onOwnerActivate(wxActivateEvent& event) {
    if (!event.GetActive())
        Hide();
    event.Skip();
}
