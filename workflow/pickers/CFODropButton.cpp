#include "CFODropButton.h"

#include "CFOSystemColors.h"
#include "DisplaySystemColors.h"
#include "DropButtonGeometry.h"
#include "GridSystem.h"
#include "WxPaletteDC.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>

namespace {

// A metric of the desktop, or the usual value where the desktop has none.
int metric(wxSystemMetric which, const wxWindow* window, int usual) {
    const int value = wxSystemSettings::GetMetric(which, window);
    return value > 0 ? value : usual;
}

COLORREF systemColor(wxSystemColour which) {
    return gridsystem::fromWx(wxSystemSettings::GetColour(which));
}

wxRect wxRectOf(const CRect& rect) {
    return wxRect(rect.left, rect.top, rect.Width(), rect.Height());
}

} // namespace

CFODropButton::CFODropButton(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                             int popupWidth, int popupHeight, wxEventType selected, wxEventType cancel,
                             wxEventType changed)
    : m_popupWidth(popupWidth), m_popupHeight(popupHeight), m_notifications{selected, cancel, changed} {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, id, pos, size, wxBORDER_NONE | wxWANTS_CHARS);
    useDisplaySystemColors();
    adjustLayout();

    Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        const wxSize client = GetClientSize();
        m_arrowBox = CRect(client.x - m_side - m_edgeX, m_edgeY, client.x - m_edgeX, client.y - m_edgeY);
        Refresh();
        event.Skip();
    });
    Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent&) {
        SetFocus();
        m_pressing = true;
        CaptureMouse();
        Refresh();
    });
    Bind(wxEVT_LEFT_DCLICK, [this](wxMouseEvent&) {
        m_pressing = true;
        CaptureMouse();
        Refresh();
    });
    Bind(wxEVT_LEFT_UP, &CFODropButton::OnLeftUp, this);
    Bind(wxEVT_MOUSE_CAPTURE_LOST, [this](wxMouseCaptureLostEvent&) {
        m_pressing = false;
        Refresh();
    });
    Bind(wxEVT_KEY_DOWN, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_SPACE || event.GetKeyCode() == WXK_DOWN ||
            event.GetKeyCode() == WXK_NUMPAD_DOWN)
            openPopup();
        else
            event.Skip();
    });
    const auto repaint = [this](wxFocusEvent& event) {
        Refresh();
        event.Skip();
    };
    Bind(wxEVT_SET_FOCUS, repaint);
    Bind(wxEVT_KILL_FOCUS, repaint);
    Bind(wxEVT_SYS_COLOUR_CHANGED, [this](wxSysColourChangedEvent& event) {
        CFOSystemColors::refresh();
        Refresh();
        event.Skip();
    });
}

CFODropButton::~CFODropButton() {
    delete m_popup;
}

void CFODropButton::adjustLayout() {
    if (!m_owner)
        m_owner = GetParent();
    m_edgeX = metric(wxSYS_EDGE_X, this, 2);
    m_edgeY = metric(wxSYS_EDGE_Y, this, 2);
    const int hThumb = metric(wxSYS_HTHUMB_X, this, 16), vThumb = metric(wxSYS_VTHUMB_Y, this, 16);
    const DropButtonLayout layout =
        dropButtonLayout(std::max(GetSize().x, 0), m_edgeX, m_edgeY, hThumb, vThumb);
    m_side = layout.arrowBox.Width();
    m_arrowBox = layout.arrowBox;
    SetInitialSize(wxSize(layout.width, layout.height));
    SetMinSize(wxSize(2 * (m_side + m_edgeX), layout.height));
}

void CFODropButton::openPopup() {
    m_state.opening();
    closePopup();
    m_popup = makePopup(GetScreenRect());
    m_state.opened(m_popup != nullptr);
    Refresh();
}

void CFODropButton::closePopup() {
    if (!m_popup)
        return;
    if (m_popup->IsShown())
        m_popup->Dismiss();
    delete m_popup;
    m_popup = nullptr;
}

void CFODropButton::apply(const DropButtonState::Outcome& outcome) {
    if (outcome.closePopup)
        closePopup();
    for (const DropButtonNotice& notice : outcome.notices) {
        wxCommandEvent event(m_notifications[notice.kind], GetId());
        event.SetEventObject(this);
        event.SetInt(static_cast<int>(notice.value));
        if (m_owner)
            m_owner->GetEventHandler()->ProcessEvent(event);
    }
    Refresh(false);
}

void CFODropButton::OnLeftUp(wxMouseEvent& event) {
    if (HasCapture())
        ReleaseMouse();
    if (!m_pressing)
        return;
    m_pressing = false;
    Refresh();
    if (GetClientRect().Contains(event.GetPosition()))
        openPopup();
}

void CFODropButton::drawArrowBox(wxDC& dc, bool pushed) {
    // The down arrow of a scroll bar: a raised box, flat when pushed, with
    // its arrow moved one pixel down and right.
    WxPaletteDC painter(dc);
    const COLORREF face = systemColor(wxSYS_COLOUR_BTNFACE), shadow = systemColor(wxSYS_COLOUR_BTNSHADOW);
    painter.fillSolidRect(m_arrowBox, face);
    if (pushed) {
        painter.frameRect(m_arrowBox, shadow);
    } else {
        painter.draw3dRect(m_arrowBox, systemColor(wxSYS_COLOUR_3DLIGHT),
                           systemColor(wxSYS_COLOUR_3DDKSHADOW));
        painter.draw3dRect(deflated(m_arrowBox, 1, 1), systemColor(wxSYS_COLOUR_BTNHIGHLIGHT), shadow);
    }
    const int shift = pushed ? 1 : 0;
    const int half = std::max(2, m_arrowBox.Width() / 4);
    const int cx = (m_arrowBox.left + m_arrowBox.right) / 2 + shift;
    const int top = (m_arrowBox.top + m_arrowBox.bottom) / 2 - half / 2 + shift;
    const wxColour arrow = IsEnabled() ? *wxBLACK : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
    for (int row = 0; row < half; ++row)
        painter.fillSolidRect(CRect(cx - half + row + 1, top + row, cx + half - row, top + row + 1),
                              gridsystem::fromWx(arrow));
}

void CFODropButton::OnPaint() {
    wxBufferedPaintDC dc(this);
    WxPaletteDC painter(dc);
    const wxSize client = GetClientSize();
    const CRect whole(0, 0, client.x, client.y);
    painter.fillSolidRect(whole, CFOSystemColors::colors().m_windowFrame);
    const bool dropped = m_state.isDropped();
    const bool highlighted = dropped || HasFocus();
    drawArrowBox(dc, dropped || m_pressing);
    // A sunken edge around the whole button.
    painter.draw3dRect(whole, systemColor(wxSYS_COLOUR_BTNSHADOW), systemColor(wxSYS_COLOUR_BTNHIGHLIGHT));
    painter.draw3dRect(deflated(whole, 1, 1), systemColor(wxSYS_COLOUR_3DDKSHADOW),
                       systemColor(wxSYS_COLOUR_3DLIGHT));
    CRect r = deflated(whole, m_edgeX, m_edgeY);
    r.right -= m_arrowBox.Width();
    painter.fillSolidRect(r, highlighted ? CFOSystemColors::colors().m_caption : RGB(255, 255, 255));
    r = deflated(r, 2, 0);
    wxDCClipper clip(dc, wxRectOf(r));
    drawValue(dc, wxRectOf(r), highlighted);
}
