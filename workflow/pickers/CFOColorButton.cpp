#include "CFOColorButton.h"

#include "CFOSystemColors.h"
#include "WxPaletteDC.h"

#include <wx/dcbuffer.h>

CFOColorButton::CFOColorButton(wxWindow* parent, wxWindowID id, const wxSize& size) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, id, wxDefaultPosition, size, wxBORDER_NONE);
    SetMinSize(size);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
    Bind(wxEVT_SYS_COLOUR_CHANGED, [this](wxSysColourChangedEvent& event) {
        Refresh();
        event.Skip();
    });
}

void CFOColorButton::attach(COLORREF newColour, COLORREF currentColour, COLORREF further, int style) {
    m_newColor = newColour;
    m_currentColor = currentColour;
    m_further = further;
    m_style = style;
    Refresh();
}

void CFOColorButton::setNewColor(COLORREF colour) {
    m_newColor = colour;
    Refresh();
}

void CFOColorButton::OnPaint() {
    wxBufferedPaintDC dc(this);
    WxPaletteDC painter(dc);
    const CFOSystemColors& system = CFOSystemColors::colors();
    const wxSize client = GetClientSize();
    const CRect item(0, 0, client.x, client.y);
    painter.fillSolidRect(item, system.m_buttonFace);
    const CRect colours = deflated(item, 4, 4);
    const int middle = (colours.top + colours.bottom) / 2;
    painter.fillSolidRect(CRect(colours.left, colours.top, colours.right, middle), m_newColor);
    painter.fillSolidRect(CRect(colours.left, middle, colours.right, colours.bottom), m_currentColor);
    painter.draw3dRect(item, RGB(255, 255, 255), RGB(0, 0, 0));
    painter.draw3dRect(deflated(item, 1, 1), system.m_buttonFace, system.m_buttonShadow);
}
