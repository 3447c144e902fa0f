#include "CHyperlinkStatic.h"

#include "ProcessRunner.h"
#include "WxText.h"

#include <wx/dcclient.h>

CHyperlinkStatic::CHyperlinkStatic(wxWindow* parent, int id, const CString& text)
    : wxControl(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE), m_text(text) {
    SetLabel(toWx(text));
    SetBackgroundColour(parent->GetBackgroundColour());
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) { OnPaint(); });
    Bind(wxEVT_MOTION, [this](wxMouseEvent& event) {
        const wxSize size = textSize();
        const wxPoint point = event.GetPosition();
        const bool onText = point.x >= 0 && point.x < size.x && point.y >= 0 && point.y < size.y;
        SetCursor(onText ? wxCursor(wxCURSOR_HAND) : wxNullCursor);
    });
    Bind(wxEVT_LEAVE_WINDOW, [this](wxMouseEvent&) { SetCursor(wxNullCursor); });
    Bind(wxEVT_LEFT_DOWN, [this](wxMouseEvent& event) {
        pressAt(event.GetPosition());
        event.Skip();
    });
    SetInitialSize(textSize());
}

wxFont CHyperlinkStatic::underlinedFont() const {
    wxFont font = GetParent()->GetFont();
    font.SetUnderlined(true);
    return font;
}

wxSize CHyperlinkStatic::textSize() const {
    wxClientDC dc(const_cast<CHyperlinkStatic*>(this));
    dc.SetFont(underlinedFont());
    return dc.GetTextExtent(toWx(m_text));
}

void CHyperlinkStatic::OnPaint() {
    wxPaintDC dc(this);
    dc.SetFont(underlinedFont());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(wxColour(0, 0, 255));
    dc.DrawText(toWx(m_text), 0, 0);
}

bool CHyperlinkStatic::pressAt(const wxPoint& point) {
    const wxSize size = textSize();
    if (point.x < 0 || point.x >= size.x || point.y < 0 || point.y >= size.y)
        return false;
    return process::openWithDesktop(m_url);
}
