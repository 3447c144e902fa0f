#pragma once

// One cell of a colour palette: a rectangle (the drop-down palette, the
// honeycomb's grey row) or a hexagon (the honeycomb), the colour it offers,
// and the solid brush of that colour, made on first use and kept until the
// colour changes, so that repainting a palette makes no brushes.

#include "PaletteDC.h"

#include <array>
#include <memory>

class CFOColorCellObj {
public:
    // The point lies in the cell: in the hexagon, or in the rectangle; a
    // point on an edge two cells share belongs to the right or lower one.
    BOOL hitTest(int x, int y) const;
    void draw(PaletteDC& dc);
    // The selection frame: white inside the cell, black around it.
    void drawSelected(PaletteDC& dc) const;
    // The hexagon of the given width around the centre (x, y), with a
    // corner at its top and bottom and vertical sides.
    void setHexagon(int x, int y, int size);
    // The rectangle, or the smallest one through the hexagon's corners.
    CRect getBounds() const;

    COLORREF getColor() const { return m_color; }
    void setColor(const COLORREF& colour);
    const PaletteBrush& getBrush(PaletteDC& dc);

    const CRect& getRect() const { return m_rect; }
    void setRect(const CRect& rect) { m_rect = rect; }
    BOOL isHexagon() const { return m_hexagon; }
    void setHexagonShape(BOOL hexagon) { m_hexagon = hexagon; }
    const std::array<CPoint, 6>& getCorners() const { return m_corners; }

private:
    CRect m_rect;
    COLORREF m_color = 0xFFFFFF;
    std::unique_ptr<PaletteBrush> m_brush;
    int m_inset = 1;
    std::array<CPoint, 6> m_corners{};
    BOOL m_hexagon = TRUE;
};
