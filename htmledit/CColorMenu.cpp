#include "CColorMenu.h"

#include "StringTable.h"
#include "WxText.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/settings.h>

namespace {

// The colours of the system's default palette, in menu order.
const unsigned char kPalette[CColorMenu::kEntries - 1][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {128, 128, 128}, {192, 192, 192}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};

wxBitmap swatch(unsigned long color) {
    wxBitmap bitmap(20, 14);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetPen(*wxBLACK_PEN);
    dc.SetBrush(wxBrush(wxColour(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF)));
    dc.DrawRectangle(1, 2, 18, 10);
    dc.SelectObject(wxNullBitmap);
    return bitmap;
}

} // namespace

CColorMenu::CColorMenu(int base) {
    for (int offset = 0; offset < kEntries; ++offset) {
        auto* item = new wxMenuItem(this, base + offset, toWx(loadString(base + offset)));
        item->SetBitmap(swatch(colorOf(base + offset)));
        Append(item);
    }
}

int CColorMenu::baseOf(int id) {
    for (const int base : {kTextColorBase, kBackColorBase, kCellColorBase})
        if (id >= base && id < base + kEntries)
            return base;
    return 0;
}

unsigned long CColorMenu::colorOf(int id) {
    const int base = baseOf(id);
    const int offset = base ? id - base : kAutomatic;
    if (offset == kAutomatic) {
        const wxColour text = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
        return text.Red() | (text.Green() << 8) | (static_cast<unsigned long>(text.Blue()) << 16);
    }
    const unsigned char* rgb = kPalette[offset];
    return rgb[0] | (rgb[1] << 8) | (static_cast<unsigned long>(rgb[2]) << 16);
}
