#include "CGridDefaultCell.h"

#include "GridSystem.h"

#include <wx/dcscreen.h>

CGridDefaultCell::CGridDefaultCell() {
    SetTextColor(kNoColour);
    SetBackColor(kNoColour);
    SetFormat(DT_END_ELLIPSIS | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER);
    const wxFont font = gridsystem::messageFont();
    SetFont(&font);
}

void CGridDefaultCell::SetFont(const wxFont* font) {
    if (!font)
        return;
    if (font->IsOk())
        m_defaultFont = *font;
    CGridCell::SetFont(font);
    if (!gridsystem::displayAvailable() || !m_defaultFont.IsOk()) {
        SetMargin(3);
        m_width = 40;
        m_height = 16;
        return;
    }
    wxScreenDC dc;
    dc.SetFont(m_defaultFont);
    SetMargin(dc.GetTextExtent(" ").x);
    const wxSize size = dc.GetTextExtent(" XXXXXXXXXXXX ");
    m_width = size.x;
    m_height = size.y * 3 / 2;
}
