#include "CFOCustomStatic.h"

#include <wx/dcbuffer.h>
#include <wx/renderer.h>
#include <wx/settings.h>

CFOCustomStatic::CFOCustomStatic(wxWindow* parent, wxWindowID id, const wxString& text) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Create(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE);
    SetLabel(text);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
}

wxRect CFOCustomStatic::contentRect() const {
    return wxRect(GetClientSize()).Deflate(m_margin + 1);
}

wxSize CFOCustomStatic::DoGetBestClientSize() const {
    return contentSize() + wxSize(2 * (m_margin + 1) + 8, 2 * (m_margin + 1) + 4);
}

void CFOCustomStatic::OnPaint() {
    wxBufferedPaintDC dc(this);
    dc.SetBackground(wxBrush(GetBackgroundColour()));
    dc.Clear();
    m_faceRect = wxRect(GetClientSize());
    wxRendererNative::Get().DrawPushButton(this, dc, m_faceRect, IsEnabled() ? 0 : int(wxCONTROL_DISABLED));
    dc.SetFont(GetFont());
    dc.SetTextForeground(IsEnabled() ? GetForegroundColour()
                                     : wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    wxDCClipper clip(dc, contentRect());
    drawContent(dc);
}
