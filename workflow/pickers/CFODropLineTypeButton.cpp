#include "CFODropLineTypeButton.h"

#include "CFOPopupLineTypeWnd.h"
#include "PickerEvents.h"
#include "WxPaletteDC.h"

#include <wx/renderer.h>

CFODropLineTypeButton::CFODropLineTypeButton(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                             const wxSize& size)
    : CFODropButton(parent, id, pos, size, 155, 125, EVT_FO_LINETYPE_SELECTED, EVT_FO_LINETYPE_CANCEL,
                    EVT_FO_LINETYPE_CHANGED) {}

DropPalettePopup* CFODropLineTypeButton::makePopup(const wxRect& buttonRect) {
    auto* popup = new CFOPopupLineTypeWnd;
    if (!popup->create(buttonRect, this, getLineType(), m_popupWidth, m_popupHeight)) {
        delete popup;
        return nullptr;
    }
    return popup;
}

void CFODropLineTypeButton::drawValue(wxDC& dc, const wxRect& r, bool highlighted) {
    WxPaletteDC painter(dc);
    const int middle = (r.GetTop() + r.GetBottom() + 1) / 2;
    painter.styledLine(r.GetLeft(), r.GetRight() + 1, middle, getLineType());
    if (highlighted)
        wxRendererNative::Get().DrawFocusRect(this, dc, wxRect(r).Deflate(1));
}

void CFODropLineTypeButton::onPaletteMessage(UINT message, DWORD wParam, long) {
    switch (message) {
    case WM_FO_LINETYPE_SELECTED:
        apply(m_state.choice(wParam));
        break;
    case WM_FO_LINETYPE_CANCEL:
        apply(m_state.cancelled(wParam));
        break;
    case WM_FO_LINETYPE_CLOSE:
        apply(m_state.closed(wParam));
        break;
    default:
        break;
    }
}
