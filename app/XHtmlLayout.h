#pragma once

// Lays out the mini-HTML text of a static control: which pieces of text
// are drawn where, in which font and colours, the horizontal rules, and the
// rectangles of link text with their targets. The measuring is the
// caller's (the control's device context, or a fixed measure in tests).
//
// Text wraps at blanks inside the text area (the client width less the
// margins); a word that fits on no line is drawn on a line of its own and
// runs past the right edge. Lines that would end below the client area are
// not drawn, and nothing is laid out once the bottom is reached.

#include "CString.h"
#include "CXNamedColors.h"

#include <vector>

// A font as the layout asks for it: height < 0 is the character height in
// pixels (a larger magnitude is a larger font).
struct XHtmlFont {
    int height = -13;
    CString face;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool operator==(const XHtmlFont& other) const {
        return height == other.height && face == other.face && bold == other.bold && italic == other.italic &&
               underline == other.underline && strike == other.strike;
    }
};

class XHtmlMeasurer {
public:
    virtual ~XHtmlMeasurer() = default;
    virtual void selectFont(const XHtmlFont& font) = 0;
    // Sizes in the selected font of Windows-1252 text.
    virtual int textWidth(const CString& text) = 0;
    virtual int textHeight(const CString& text) = 0;
    virtual int ascent() = 0;
    virtual int descent() = 0;
};

struct XHtmlRun {
    int x = 0;
    int y = 0;
    CString text; // placeholders already turned into their characters
    XHtmlFont font;
    COLORREF color = 0;
    COLORREF background = 0;
};

struct XHtmlRule {
    int y = 0;
    int size = 0;
    COLORREF color = 0;
};

struct XHtmlHotRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    CString target;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

class XHtmlLayout {
public:
    // The largest font height and rule thickness, in pixels, that a text
    // may ask for: sizes past it are taken as this, so that no text can
    // make a font or a pen too large to draw.
    static constexpr int kLargestPixels = 500;

    struct Settings {
        int width = 0; // the client area
        int height = 0;
        int leftMargin = 0;
        int rightMargin = 0;
        XHtmlFont font; // the font the text starts with
        COLORREF textColor = 0;
        COLORREF backgroundColor = RGB(255, 255, 255);
    };

    std::vector<XHtmlRun> runs;
    std::vector<XHtmlRule> rules; // each spans the whole client width
    std::vector<XHtmlHotRect> hotRects;
    int bottom = 0; // the top of the line after the last one

    static XHtmlLayout layout(const CString& text, const Settings& settings, XHtmlMeasurer& measurer);
};
