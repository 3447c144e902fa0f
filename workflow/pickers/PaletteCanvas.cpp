#include "PaletteCanvas.h"

#include "CFOSystemColors.h"
#include "DisplaySystemColors.h"
#include "PaletteOwner.h"
#include "WxPaletteDC.h"

#include <wx/dcbuffer.h>
#include <wx/utils.h>

namespace {

// The virtual-key number of the keys the palettes answer; 0 for the others.
UINT virtualKey(int keyCode) {
    switch (keyCode) {
    case WXK_CANCEL:
        return palette::VK_CANCEL;
    case WXK_TAB:
        return palette::VK_TAB;
    case WXK_RETURN:
    case WXK_NUMPAD_ENTER:
        return palette::VK_RETURN;
    case WXK_ESCAPE:
        return palette::VK_ESCAPE;
    case WXK_LEFT:
    case WXK_NUMPAD_LEFT:
        return palette::VK_LEFT;
    case WXK_UP:
    case WXK_NUMPAD_UP:
        return palette::VK_UP;
    case WXK_RIGHT:
    case WXK_NUMPAD_RIGHT:
        return palette::VK_RIGHT;
    case WXK_DOWN:
    case WXK_NUMPAD_DOWN:
        return palette::VK_DOWN;
    default:
        return 0;
    }
}

} // namespace

PaletteCanvas::PaletteCanvas(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size,
                             std::unique_ptr<PaletteControl> control, DWORD value, bool popup,
                             wxWindow* owner)
    : m_control(std::move(control)), m_owner(owner), m_popup(popup) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, id, pos, size, wxWANTS_CHARS | wxBORDER_NONE | wxFULL_REPAINT_ON_RESIZE);
    useDisplaySystemColors();
    SetCursor(*wxSTANDARD_CURSOR);
    m_control->init(this, value, clientRect(), popup ? TRUE : FALSE);

    Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        m_control->setClientRect(clientRect());
        m_control->relayout();
        Refresh();
        event.Skip();
    });
    Bind(wxEVT_LEFT_DOWN, &PaletteCanvas::OnLeftDown, this);
    Bind(wxEVT_MOTION, &PaletteCanvas::OnMotion, this);
    Bind(wxEVT_LEFT_UP, &PaletteCanvas::OnLeftUp, this);
    const auto takeFocus = [this](wxMouseEvent& event) {
        SetFocus();
        event.Skip();
    };
    Bind(wxEVT_LEFT_DCLICK, takeFocus);
    Bind(wxEVT_MIDDLE_DOWN, takeFocus);
    Bind(wxEVT_MIDDLE_UP, takeFocus);
    Bind(wxEVT_MIDDLE_DCLICK, takeFocus);
    // The keys of a popup are its own: it takes them before the dialog
    // under it sees them.
    Bind(m_popup ? wxEVT_CHAR_HOOK : wxEVT_KEY_DOWN, &PaletteCanvas::OnKeyDown, this);
    Bind(wxEVT_SYS_COLOUR_CHANGED, [this](wxSysColourChangedEvent& event) {
        CFOSystemColors::refresh();
        Refresh();
        event.Skip();
    });
}

void PaletteCanvas::setPopupActions(std::function<void()> hide, std::function<void()> focusBack) {
    m_hideHost = std::move(hide);
    m_focusBack = std::move(focusBack);
}

CRect PaletteCanvas::clientRect() const {
    const wxSize size = GetClientSize();
    return CRect(0, 0, size.x, size.y);
}

void PaletteCanvas::postMessage(UINT message, DWORD wParam, long lParam) {
    CallAfter([this, message, wParam, lParam] { deliver(message, wParam, lParam); });
}

void PaletteCanvas::deliver(UINT message, DWORD wParam, long lParam) {
    if (auto* owner = dynamic_cast<PaletteOwner*>(m_owner))
        m_owner->CallAfter(
            [owner, message, wParam, lParam] { owner->onPaletteMessage(message, wParam, lParam); });
    const bool preview = message == WM_FO_COLOR_SELECTED && lParam == kPreviewLParam;
    if (m_control->isPopup() && !preview)
        hide();
}

void PaletteCanvas::invalidate(const CRect& rect) {
    RefreshRect(wxRect(rect.left, rect.top, rect.Width(), rect.Height()), true);
}

void PaletteCanvas::hide() {
    if (m_hideHost)
        m_hideHost();
    else
        Hide();
}

void PaletteCanvas::focusPreviousTabStop() {
    if (m_focusBack)
        m_focusBack();
    else
        Navigate(wxNavigationKeyEvent::IsBackward);
}

bool PaletteCanvas::shiftHeld() const {
    return wxGetKeyState(WXK_SHIFT);
}

void PaletteCanvas::OnPaint() {
    wxBufferedPaintDC dc(this);
    WxPaletteDC painter(dc);
    m_control->draw(painter);
}

void PaletteCanvas::OnLeftDown(wxMouseEvent& event) {
    m_pressed = true;
    SetFocus();
    m_control->onMouseMove(0, event.GetX(), event.GetY());
}

void PaletteCanvas::OnMotion(wxMouseEvent& event) {
    if (!m_pressed)
        return;
    if (!event.LeftIsDown()) {
        // The release went elsewhere.
        m_pressed = false;
        return;
    }
    m_control->onMouseMove(0, event.GetX(), event.GetY());
}

void PaletteCanvas::OnLeftUp(wxMouseEvent& event) {
    m_pressed = false;
    m_control->onLButtonUp(0, event.GetX(), event.GetY());
    event.Skip();
}

void PaletteCanvas::OnKeyDown(wxKeyEvent& event) {
    const UINT key = virtualKey(event.GetKeyCode());
    if (!key) {
        if (!m_popup)
            event.Skip();
        return;
    }
    m_control->onKeyDown(key, 1, 0);
    // In a dialog, Enter and Escape go on to its default and Cancel buttons.
    if (!m_popup && (key == palette::VK_RETURN || key == palette::VK_ESCAPE || key == palette::VK_CANCEL))
        event.Skip();
}
