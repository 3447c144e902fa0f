#pragma once

// What the palettes draw with: the few drawing calls of the platform that
// their painting uses, implemented by the windows over their device context
// and, in tests, by a recorder. Drawing is opaque and without
// anti-aliasing; rectangles exclude their right and bottom edges.

#include "CString.h"
#include "PaletteTypes.h"

#include <memory>
#include <vector>

// A solid brush made by a painter; a cell keeps its own from first use.
class PaletteBrush {
public:
    explicit PaletteBrush(COLORREF colour) : m_colour(colour) {}
    virtual ~PaletteBrush() = default;
    COLORREF getColor() const { return m_colour; }

private:
    COLORREF m_colour;
};

class PaletteDC {
public:
    virtual ~PaletteDC() = default;

    virtual std::unique_ptr<PaletteBrush> createSolidBrush(COLORREF colour) = 0;
    virtual void fillRect(const CRect& rect, const PaletteBrush& brush) = 0;
    virtual void fillSolidRect(const CRect& rect, COLORREF colour) = 0;
    // The polygon filled with the brush, without an outline (alternate fill).
    virtual void fillPolygon(const CPoint* points, int count, const PaletteBrush& brush) = 0;
    // The border of the polygon's region, width pixels wide on its sides and
    // height pixels high at its top and bottom, inside the region.
    virtual void framePolygon(const CPoint* points, int count, COLORREF colour, int width, int height) = 0;
    // Black text on one line, centred both ways in the rectangle and cut
    // to it, over what is there; in the default GUI font.
    virtual void drawText(const CString& text, const CRect& rect) = 0;
    // A horizontal black line from left to right at y, drawn with the
    // pickers' pen: 3 pixels wide in the pen style, flat ends.
    virtual void styledLine(int left, int right, int y, int penStyle) = 0;

    // Made of solid fills unless a painter has better:
    // top and left edges in one colour, right and bottom in the other;
    virtual void draw3dRect(const CRect& rect, COLORREF topLeft, COLORREF bottomRight);
    // a one-pixel frame on the rectangle's edge;
    virtual void frameRect(const CRect& rect, COLORREF colour);
    // the border of a rectangle's region, width pixels wide on its sides
    // and height pixels high at its top and bottom, inside it.
    virtual void frameRegion(const CRect& rect, COLORREF colour, int width, int height);
    // The frame of a selected rectangle, and of the pressed "Custom..." row:
    // two white pixels inside it, one black pixel around it.
    void frameSelection(const CRect& rect);

    // The pixels of the pickers' pen on a horizontal line from left to right
    // (right left out) at y: boxes 3 pixels high centred on y, cut into the
    // dashes that the diagram painter gives a 3-pixel pen of the style, so
    // that a sample shows the line the diagram will draw.
    static std::vector<CRect> styledLineBoxes(int left, int right, int y, int penStyle);
};
