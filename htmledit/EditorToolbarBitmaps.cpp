#include "EditorToolbarBitmaps.h"

#include <wx/dcmemory.h>
#include <wx/font.h>
#include <wx/settings.h>

namespace {

const wxColour kInk(40, 40, 40);
const wxColour kBlue(30, 90, 190);
const wxColour kRed(200, 30, 30);
const wxColour kGreen(40, 150, 60);

void lines(wxDC& dc, int left, int right, int count, int top = 3, int step = 3) {
    dc.SetPen(wxPen(kInk));
    for (int i = 0; i < count; ++i)
        dc.DrawLine(left, top + i * step, right, top + i * step);
}

void aligned(wxDC& dc, int mode) {
    dc.SetPen(wxPen(kInk));
    for (int i = 0; i < 4; ++i) {
        const int width = i % 2 ? 8 : 13;
        const int left = mode == 0 ? 1 : mode == 1 ? (16 - width) / 2 : 15 - width;
        dc.DrawLine(left, 3 + i * 3, left + width, 3 + i * 3);
    }
}

// A table of rows × columns in the picture, with one row or column filled.
void grid(wxDC& dc, int rows, int columns, int fillRow = -1, int fillColumn = -1,
          const wxColour& fill = kGreen) {
    const int width = 14 / columns, height = 12 / rows;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            dc.SetPen(wxPen(kInk));
            dc.SetBrush(r == fillRow || c == fillColumn ? wxBrush(fill) : *wxWHITE_BRUSH);
            dc.DrawRectangle(1 + c * width, 2 + r * height, width + 1, height + 1);
        }
}

void cross(wxDC& dc, int x, int y) {
    dc.SetPen(wxPen(kRed, 2));
    dc.DrawLine(x, y, x + 6, y + 6);
    dc.DrawLine(x + 6, y, x, y + 6);
}

void letter(wxDC& dc, const char* text, wxFontStyle style, wxFontWeight weight, const wxColour& colour,
            bool underline, int y = 0) {
    wxFont font(wxFontInfo(wxSize(0, 13))
                    .Family(wxFONTFAMILY_SWISS)
                    .Style(style)
                    .Weight(weight)
                    .Underlined(underline));
    dc.SetFont(font);
    dc.SetTextForeground(colour);
    const wxSize extent = dc.GetTextExtent(text);
    dc.DrawText(text, (16 - extent.x) / 2, y);
}

void arrow(wxDC& dc, int x, int y, int direction) {
    dc.SetPen(wxPen(kBlue));
    dc.SetBrush(wxBrush(kBlue));
    const wxPoint points[] = {{x, y - 3}, {x, y + 3}, {x + 3 * direction, y}};
    dc.DrawPolygon(3, points);
}

void draw(wxDC& dc, int id) {
    switch (id) {
    case 1028: // image
        dc.SetPen(wxPen(kInk));
        dc.SetBrush(wxBrush(wxColour(200, 225, 250)));
        dc.DrawRectangle(1, 2, 14, 12);
        dc.SetBrush(wxBrush(kGreen));
        {
            const wxPoint hill[] = {{2, 13}, {7, 6}, {10, 10}, {12, 8}, {14, 13}};
            dc.DrawPolygon(5, hill);
        }
        dc.SetBrush(wxBrush(wxColour(240, 200, 0)));
        dc.DrawCircle(11, 5, 2);
        break;
    case 32786: { // file
        dc.SetPen(wxPen(kInk));
        dc.SetBrush(*wxWHITE_BRUSH);
        const wxPoint page[] = {{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}};
        dc.DrawPolygon(5, page);
        dc.DrawLine(10, 1, 10, 4);
        dc.DrawLine(10, 4, 13, 4);
        lines(dc, 5, 11, 3, 7);
        break;
    }
    case 1029: // hyperlink
        dc.SetPen(wxPen(kBlue, 2));
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawRoundedRectangle(1, 5, 8, 6, 3);
        dc.DrawRoundedRectangle(7, 5, 8, 6, 3);
        break;
    case 1020:
        letter(dc, "B", wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, kInk, false);
        break;
    case 1021:
        letter(dc, "I", wxFONTSTYLE_ITALIC, wxFONTWEIGHT_NORMAL, kInk, false);
        break;
    case 1022:
        letter(dc, "U", wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, kInk, true);
        break;
    case 1016: // text colour
        letter(dc, "A", wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, kInk, false, -2);
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(kRed));
        dc.DrawRectangle(2, 12, 12, 3);
        break;
    case 1017: // background colour
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.SetBrush(wxBrush(wxColour(255, 235, 60)));
        dc.DrawRectangle(1, 1, 14, 14);
        letter(dc, "A", wxFONTSTYLE_NORMAL, wxFONTWEIGHT_BOLD, kInk, false);
        break;
    case 1027: // numbering
        dc.SetFont(wxFont(wxFontInfo(wxSize(0, 6)).Family(wxFONTFAMILY_SWISS)));
        dc.SetTextForeground(kInk);
        for (int i = 0; i < 3; ++i)
            dc.DrawText(wxString::Format("%d", i + 1), 1, 1 + i * 5);
        lines(dc, 6, 15, 3, 3, 5);
        break;
    case 1025: // bullets
        dc.SetPen(wxPen(kInk));
        dc.SetBrush(wxBrush(kInk));
        for (int i = 0; i < 3; ++i)
            dc.DrawRectangle(1, 2 + i * 5, 3, 3);
        lines(dc, 6, 15, 3, 3, 5);
        break;
    case 32785: // decrease indent
        lines(dc, 7, 15, 4);
        arrow(dc, 5, 7, -1);
        break;
    case 32783: // increase indent
        lines(dc, 7, 15, 4);
        arrow(dc, 1, 7, 1);
        break;
    case 1023:
        aligned(dc, 0);
        break;
    case 1024:
        aligned(dc, 1);
        break;
    case 1026:
        aligned(dc, 2);
        break;
    case 1001:
        grid(dc, 3, 3);
        break;
    case 1008: // table properties
        grid(dc, 3, 3);
        dc.SetPen(wxPen(kBlue, 2));
        dc.DrawLine(8, 14, 15, 7);
        break;
    case 1004:
        grid(dc, 3, 2, 2);
        break;
    case 1002:
        grid(dc, 3, 2, 0);
        break;
    case 1010:
        grid(dc, 3, 2);
        cross(dc, 5, 6);
        break;
    case 1031:
        grid(dc, 2, 3, -1, 2);
        break;
    case 1015:
        grid(dc, 2, 3, -1, 0);
        break;
    case 1012:
        grid(dc, 2, 3);
        cross(dc, 5, 5);
        break;
    case 1032: // merge
        grid(dc, 1, 2);
        arrow(dc, 3, 8, 1);
        arrow(dc, 12, 8, -1);
        break;
    case 1033: // split
        grid(dc, 1, 1);
        dc.SetPen(wxPen(kRed, 1, wxPENSTYLE_SHORT_DASH));
        dc.DrawLine(8, 2, 8, 14);
        break;
    case 1007: // cell colour
        grid(dc, 2, 2, 0, 0, wxColour(255, 200, 60));
        break;
    case 1013: // separator
        dc.SetPen(wxPen(kInk, 2));
        dc.DrawLine(1, 8, 15, 8);
        break;
    case 1014: // separator properties
        dc.SetPen(wxPen(kInk, 2));
        dc.DrawLine(1, 5, 15, 5);
        dc.SetPen(wxPen(kBlue, 2));
        dc.DrawLine(6, 15, 13, 8);
        break;
    default:
        break;
    }
}

} // namespace

wxBitmap editorToolbarBitmap(int commandId) {
    // The background is the buttons' own colour, so that the smoothed edges
    // of letters blend into what is around them; it is then made transparent.
    wxColour key = wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE);
    if (key == *wxWHITE)
        key = wxColour(254, 254, 254);
    wxBitmap bitmap(16, 16, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(key));
        dc.Clear();
        draw(dc, commandId);
    }
    bitmap.SetMask(new wxMask(bitmap, key));
    return bitmap;
}
