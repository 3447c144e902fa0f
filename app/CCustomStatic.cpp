#include "CCustomStatic.h"

#include "WxText.h"

#include <wx/dcbuffer.h>
#include <wx/sizer.h>

namespace {

const wxColour kBand(225, 225, 225);
const wxColour kFrame(181, 165, 213);

wxFont captionFont() {
    wxFontInfo info(wxSize(0, 14));
    info.FaceName("Arial");
    return wxFont(info);
}

} // namespace

CCustomStatic::CCustomStatic(wxWindow* parent, int id, const CString& caption)
    : wxPanel(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_NONE | wxTAB_TRAVERSAL) {
    SetLabel(toWx(caption));
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
        wxAutoBufferedPaintDC dc(this);
        paint(dc, GetClientSize());
    });
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        Refresh();
        event.Skip();
    });
}

void CCustomStatic::setContent(wxSizer* content) {
    auto* outer = new wxBoxSizer(wxVERTICAL);
    outer->AddSpacer(kBandHeight + 2);
    outer->Add(content, 1, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 3);
    SetSizer(outer);
}

wxSize CCustomStatic::DoGetBestClientSize() const {
    if (GetSizer())
        return wxDefaultSize; // the content's size decides
    wxSize text = const_cast<CCustomStatic*>(this)->GetTextExtent(GetLabel());
    return wxSize(text.x + 16, kBandHeight + 4);
}

void CCustomStatic::paint(wxDC& dc, const wxSize& size) {
    dc.SetBackground(wxBrush(GetParent()->GetBackgroundColour()));
    dc.Clear();
    const wxRect r(wxPoint(0, 0), size);
    dc.SetPen(wxPen(kBand, 1));
    dc.SetBrush(wxBrush(kBand));
    dc.DrawRectangle(r.x, r.y, r.width, kBandHeight);

    dc.SetFont(captionFont());
    dc.SetTextForeground(*wxBLACK);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.DrawLabel(GetLabel(), wxRect(r.x, r.y, r.width, kBandHeight), wxALIGN_CENTER);

    // Down the left side, along the bottom, up the right side to the band.
    const int right = r.GetRight();
    const int bottom = r.GetBottom();
    dc.SetPen(wxPen(kFrame, 1));
    const wxPoint frame[] = {
        {r.x, r.y + kBandHeight}, {r.x, bottom}, {right, bottom}, {right, r.y + kBandHeight - 1}};
    dc.DrawLines(4, frame);
}
