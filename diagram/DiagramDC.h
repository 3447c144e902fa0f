#pragma once

// The diagram painter: the drawing calls the diagram code makes, with the
// platform's pixel rules, on cairo and pango. One class draws offscreen (on
// a DiagramPicture: the site pictures, the tests) and on screen (on the cairo
// context of the canvas's paint event); both run the same code and give the
// same pixels.
//
// How the platform's rules are kept on cairo
// ------------------------------------------
// - Coordinates are whole pixels; pixel (x, y) is the square from (x, y) to
//   (x + 1, y + 1) of the target. SetWindowOrg moves the logical origin as on
//   the platform (device = logical - origin). A screen context must come with
//   a whole-pixel translation at most.
// - Nothing is anti-aliased but text. Shapes are not left to cairo's
//   rasteriser: the painter works out their pixels itself and fills them as
//   pixel-aligned boxes, so every rule below is exact and the same on every
//   target. Boxes of one colour are gathered and filled together (flush()).
// - One-pixel pens (width 0 or 1, cosmetic or geometric) walk each segment
//   with LineDDA (LineDDA.h): LineTo leaves out its end pixel, a polyline
//   draws every vertex but its last, a closed outline every vertex. Styled
//   pens count their pattern in pixels along that walk, the count running on
//   through a polyline or outline and starting again at each MoveTo and each
//   shape: PS_DASH 18 on 6 off, PS_DOT 3/3, PS_DASHDOT 9/6/3/6, PS_DASHDOTDOT
//   9/3/3/3/3/3, PS_USERSTYLE its own lengths. In OPAQUE background mode the
//   off pixels take the background colour; in TRANSPARENT mode they are left.
// - Wider pens (geometric, width w >= 2) are stroked by cairo without
//   anti-aliasing, centred on the pixel line (odd widths on pixel centres),
//   with flat (butt) ends at the end points and mitred corners; their dashes
//   are the platform's geometric ones scaled by w (PS_DASH 3w on w off,
//   PS_DOT w/w, PS_DASHDOT 3w/w/w/w, PS_DASHDOTDOT 3w/w/w/w/w/w), user styles
//   as given. CreatePen turns a wider dashed style into a solid one, as the
//   platform does; ExtCreatePen keeps it.
// - Rectangle(l, t, r, b) covers the pixels l..r-1 and t..b-1: the right and
//   bottom edges are outside. The pen draws the outer ring, the brush fills
//   inside it. With the null pen only the brush is drawn, one pixel smaller:
//   l..r-2 and t..b-2. Ellipse and RoundRect fit the same pixels, their
//   outline one pixel thin and alike on every side (one quarter worked out
//   and mirrored), the brush filling inside it; Arc draws the outline of
//   that ellipse counter-clockwise from the ray through the start point to
//   the ray through the end point. FillRect covers l..r-1 and t..b-1 with
//   the brush it is given.
// - Polygon fills the pixels whose centres lie inside the polygon, alternate
//   rule, left and top edges in (PolygonRegion.h), and outlines it through
//   every vertex: the polygon (0,0) (10,0) (10,10) (0,10) with a pen covers
//   0..10, without one 0..9.
// - Pictures (DiagramPicture) are composited with their alpha; a stretched
//   picture takes the nearest source pixel. There are no raster operations:
//   a picture the platform printed with AND or through a mask is a picture
//   with alpha (GatewayMarker, DiagramPicture::withColorKey).
// - Text is laid out by pango with fixed font options (grey anti-aliasing,
//   slight hinting, metrics hinted to whole pixels), so screen and picture
//   agree and measuring passes match drawing. Fonts are found through
//   fontconfig (DiagramFont.h). A line is the font's ascent + descent high;
//   DrawText breaks lines at CR LF, CR and LF (not with DT_SINGLELINE) and,
//   with DT_WORDBREAK, between words, a word wider than the box standing
//   alone on its line unbroken. Without DT_NOPREFIX "&x" underlines x and
//   "&&" is "&". DT_VCENTER and DT_BOTTOM act on single lines only. The text
//   is clipped to its box unless DT_NOCLIP. DT_CALCRECT draws nothing: right
//   becomes left + the widest line and bottom top + the height of the lines.
//   In OPAQUE background mode each line's box is filled with the background
//   colour first.
// - SaveDC/RestoreDC keep the selected objects, colours, modes, current
//   position, origin and clip. The painter leaves a given context as it found
//   it (its clip, such as the paint's update region, still applies).

#include "CBrush.h"
#include "CFont.h"
#include "CPen.h"
#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"
#include "CString.h"
#include "DiagramFont.h"
#include "DiagramPicture.h"
#include "WinTypes.h"

#include <memory>

struct _cairo;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Results of the clip calls.
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;

class DiagramDC {
public:
    // Offscreen: draws into the picture (which must outlive the painter).
    explicit DiagramDC(DiagramPicture& target);
    // On a cairo context of the caller's, such as the paint DC's native one.
    explicit DiagramDC(_cairo* context);
    // Flushes and hands the context back as it was given.
    ~DiagramDC();
    DiagramDC(const DiagramDC&) = delete;
    DiagramDC& operator=(const DiagramDC&) = delete;

    // State. A new painter has the black pen, the white brush, the default GUI
    // font, black text on a white, OPAQUE background, position and origin 0, 0
    // and no clip of its own.
    int SaveDC();                      // the level to give RestoreDC
    BOOL RestoreDC(int savedDC);       // a level from SaveDC, or -1 for the last one
    CPoint SetWindowOrg(int x, int y); // the origin before
    CPoint GetWindowOrg() const;

    // Selected objects; each SelectObject returns the object it replaces.
    CPen SelectObject(const CPen& pen);
    CBrush SelectObject(const CBrush& brush);
    CFont SelectObject(const CFont& font);
    void SelectStockObject(int stockId); // a stock pen, brush or font number
    const CPen& GetCurrentPen() const;
    const CBrush& GetCurrentBrush() const;
    const CFont& GetCurrentFont() const;

    // Colours and modes; each setter returns the value it replaces.
    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode); // TRANSPARENT or OPAQUE
    int GetBkMode() const;

    // Lines with the selected pen.
    CPoint MoveTo(int x, int y); // the position before
    CPoint MoveTo(CPoint point) { return MoveTo(point.x, point.y); }
    BOOL LineTo(int x, int y); // leaves out (x, y); the position becomes (x, y)
    BOOL LineTo(CPoint point) { return LineTo(point.x, point.y); }
    CPoint GetCurrentPosition() const;
    BOOL Polyline(const CPoint* points, int count); // leaves out the last point
    BOOL Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd);
    BOOL Arc(const CRect& rect, CPoint start, CPoint end) {
        return Arc(rect.left, rect.top, rect.right, rect.bottom, start.x, start.y, end.x, end.y);
    }

    // Shapes: outlined with the selected pen, filled with the selected brush.
    BOOL Polygon(const CPoint* points, int count);
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(const CRect& rect) { return Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(const CRect& rect) { return Ellipse(rect.left, rect.top, rect.right, rect.bottom); }
    // The corners are quarters of an ellipse cornerWidth x cornerHeight.
    BOOL RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    BOOL RoundRect(const CRect& rect, CPoint corner) {
        return RoundRect(rect.left, rect.top, rect.right, rect.bottom, corner.x, corner.y);
    }
    // Fills l..r-1, t..b-1 with a brush of the caller's (nothing for a null brush).
    void FillRect(const CRect& rect, const CBrush& brush);
    void FillSolidRect(const CRect& rect, COLORREF color);
    void FillSolidRect(int left, int top, int width, int height, COLORREF color) {
        FillSolidRect(CRect(left, top, left + width, top + height), color);
    }
    // The dotted frame of a rubber band or a focused control: every other
    // pixel of the rectangle's outer ring in black (drawn, not inverted).
    void DrawFocusRect(const CRect& rect);
    COLORREF SetPixel(int x, int y, COLORREF color); // the colour set
    COLORREF SetPixel(CPoint point, COLORREF color) { return SetPixel(point.x, point.y, color); }

    // Text in the selected font and text colour (Windows-1252 bytes).
    // Returns the height of the text; with DT_CALCRECT the rectangle is
    // changed (see above) and nothing is drawn.
    int DrawText(const CString& text, CRect& rect, UINT format);
    int DrawText(const CString& text, const CRect& rect, UINT format);
    // One line whose top-left corner is at (x, y), turned about that point by
    // the font's escapement (900: the text runs upwards from (x, y)).
    BOOL TextOut(int x, int y, const CString& text);
    // GetTextExtentPoint32 of one line in the selected font.
    CSize GetTextExtent(const CString& text) const;
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;

    // Pictures, composited with their alpha.
    void DrawPicture(int x, int y, const DiagramPicture& picture);
    // Stretched to fill the rectangle.
    void DrawPicture(const CRect& dest, const DiagramPicture& picture);
    // The source part of the picture, stretched to fill the rectangle.
    void DrawPicture(const CRect& dest, const DiagramPicture& picture, const CRect& source);

    // Clipping, in logical coordinates; both return NULLREGION or SIMPLEREGION.
    int IntersectClipRect(const CRect& rect);
    int IntersectClipRect(int left, int top, int right, int bottom) {
        return IntersectClipRect(CRect(left, top, right, bottom));
    }
    // The clip rectangle (the whole target when nothing clips a picture;
    // a very large rectangle on a screen context).
    int GetClipBox(CRect* rect) const;

    // Puts the drawing gathered so far onto the target (the destructor does too).
    void flush();

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};
