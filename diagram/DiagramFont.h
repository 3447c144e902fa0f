#pragma once

// The painter's side of a CFont: the installed face that draws it, its pixel
// size and its metrics. A logical font's height says either the character
// height (negative) or the cell height (positive); the pixel size handed to
// the text layout is the character height, so a cell height is turned into
// one through the face's own ascent and descent. Faces are found through
// fontconfig, which draws "Arial", "Times New Roman" and "Courier New" with
// their metric-compatible faces; a face that is not installed draws with
// fontconfig's fallback while the CFont keeps the stored name.
//
// Fonts are resolved once per distinct CFont and kept for the life of the
// program; every measurement uses the same fixed font options as drawing, so
// a text measures the same on the screen and in a picture.

#include "CFont.h"
#include "CSize.h"
#include "CString.h"

#include <memory>
#include <string>
#include <unordered_map>

struct _PangoFontDescription;
struct _PangoContext;

// The text metrics the program reads (GetTextMetrics), in pixels.
struct TEXTMETRIC {
    int tmHeight = 0; // ascent + descent: the line height of DrawText
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0; // tmHeight less the character height
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0; // width of "x"
    int tmMaxCharWidth = 0; // width of "W"
    int tmWeight = 0;
    int tmOverhang = 0; // always 0 for the outline faces drawn here
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
};

class DiagramFont {
public:
    // The resolved font of a logical font; the same object for equal fonts.
    static const DiagramFont& of(const CFont& font);

    const CFont& logFont() const { return m_logFont; }
    // The character height in pixels the text layout is given.
    double pixelSize() const { return m_pixelSize; }
    // The family fontconfig draws the face with ("Liberation Sans" for "Arial").
    const CString& drawingFamily() const { return m_drawingFamily; }
    const TEXTMETRIC& metrics() const { return m_metrics; }
    // Width and line height of one line of text (Windows-1252), no line breaks
    // interpreted: GetTextExtentPoint32.
    CSize textExtent(const CString& text) const;

    // For the painter: the layout description (owned by this object), the
    // measuring context shared by every font, and a new context for drawing
    // turned text (the caller unrefs it); all with the fixed font options.
    _PangoFontDescription* description() const { return m_description.get(); }
    static _PangoContext* measuringContext();
    static _PangoContext* newContext();

private:
    explicit DiagramFont(const CFont& font);
    struct DescriptionFree {
        void operator()(_PangoFontDescription* description) const;
    };

    // Widths measured before, by text: captions are measured on every paint.
    mutable std::unordered_map<std::string, int> m_widths;
    CFont m_logFont;
    double m_pixelSize = 0;
    CString m_drawingFamily;
    TEXTMETRIC m_metrics;
    std::unique_ptr<_PangoFontDescription, DescriptionFree> m_description;
};
