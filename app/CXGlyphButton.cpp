#include "CXGlyphButton.h"

#include "WxText.h"

#include <wx/dcscreen.h>

namespace {

struct Glyph {
    unsigned char code;
    wchar_t symbol;
};
// The arrows of the Windows symbol font as Unicode symbols.
const Glyph kWingdingsArrows[] = {
    {223, L'\u2190'}, {224, L'\u2192'}, {225, L'\u2191'}, {226, L'\u2193'},
    {239, L'\u21E6'}, {240, L'\u21E8'}, {241, L'\u21E7'}, {242, L'\u21E9'},
};

} // namespace

CXGlyphButton::CXGlyphButton(wxWindow* parent, int id)
    : wxButton(parent, id, "", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT) {
    setGlyph(m_glyph);
}

wxString CXGlyphButton::glyphText(const CString& face, unsigned char glyph) {
    if (face.CompareNoCase("Wingdings") == 0)
        for (const Glyph& known : kWingdingsArrows)
            if (known.code == glyph)
                return wxString(known.symbol);
    return toWx(CString(reinterpret_cast<const char*>(&glyph), 1));
}

void CXGlyphButton::setFont(int pointSize, const char* face, unsigned char glyph) {
    if (face)
        m_face = face;
    wxFont font = GetFont();
    font.SetPointSize(pointSize);
    SetFont(font);
    setGlyph(glyph);
}

void CXGlyphButton::setGlyph(unsigned char glyph) {
    m_glyph = glyph;
    SetLabel(glyphText(m_face, glyph));
    InvalidateBestSize();
}
