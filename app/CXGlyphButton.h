#pragma once

// A push button whose caption is one character of a symbol font. Symbol
// fonts of the Windows desktop are not found here: their characters that
// the program shows (the arrows of "Wingdings") are drawn as the same
// symbols of the desktop's own fonts.

#include "CString.h"

#include <wx/button.h>

class CXGlyphButton : public wxButton {
public:
    CXGlyphButton(wxWindow* parent, int id);

    // The font (point size, face or null for the button's own) and the glyph.
    void setFont(int pointSize, const char* face, unsigned char glyph);
    void setGlyph(unsigned char glyph);
    unsigned char getGlyph() const { return m_glyph; }

    // The character shown for a glyph of a face.
    static wxString glyphText(const CString& face, unsigned char glyph);

private:
    CString m_face = "WingDings";
    unsigned char m_glyph = 180;
};
