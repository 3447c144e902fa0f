#include "CFODropColorButton.h"

#include "CFOColorDialog.h"
#include "CFOPopupColorPaletteWnd.h"
#include "PickerEvents.h"
#include "WxPaletteDC.h"

#include <wx/renderer.h>

CFODropColorButton::CFODropColorButton(wxWindow* parent, wxWindowID id, const wxPoint& pos,
                                       const wxSize& size)
    : CFODropButton(parent, id, pos, size, 200, 150, EVT_FO_COLOR_SELECTED, EVT_FO_COLOR_CANCEL,
                    EVT_FO_COLOR_CHANGED) {}

DropPalettePopup* CFODropColorButton::makePopup(const wxRect& buttonRect) {
    auto* popup = new CFOPopupColorPaletteWnd;
    if (!popup->create(buttonRect, this, getColor(), m_popupWidth, m_popupHeight)) {
        delete popup;
        return nullptr;
    }
    return popup;
}

void CFODropColorButton::drawValue(wxDC& dc, const wxRect& r, bool highlighted) {
    WxPaletteDC painter(dc);
    const CRect swatch(r.x + 2, r.y + 2, r.GetRight() - 1, r.GetBottom() - 1);
    painter.fillSolidRect(swatch, getColor());
    if (!highlighted) {
        painter.frameRect(swatch, RGB(0, 0, 0));
        return;
    }
    painter.frameRect(swatch, RGB(255, 255, 255));
    wxRendererNative::Get().DrawFocusRect(this, dc,
                                          wxRect(swatch.left, swatch.top, swatch.Width(), swatch.Height()));
}

void CFODropColorButton::onPaletteMessage(UINT message, DWORD wParam, long lParam) {
    switch (message) {
    case WM_FO_COLOR_SELECTED:
        apply(lParam == kPreviewLParam ? m_state.preview(wParam) : m_state.choice(wParam));
        break;
    case WM_FO_COLOR_CANCEL:
        apply(m_state.cancelled(wParam));
        break;
    case WM_FO_COLOR_CUSTOM: {
        m_state.customStarted();
        Refresh();
        CFOColorDialog dialog(nullptr);
        dialog.m_color = wParam;
        std::optional<DWORD> chosen;
        if (dialog.DoModal() == IDOK)
            chosen = dialog.m_color;
        apply(m_state.customEnded(chosen));
        break;
    }
    default:
        break;
    }
}
