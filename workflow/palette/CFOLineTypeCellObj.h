#pragma once

// One cell of the line-style palette: a rectangle showing a sample line of
// its pen style. Its brush (black, made on first use) is kept as the
// colour cells keep theirs, though no drawing fills with it.

#include "PaletteDC.h"

#include <memory>

class CFOLineTypeCellObj {
public:
    BOOL hitTest(int x, int y) const { return m_rect.PtInRect(CPoint(x, y)); }
    void draw(PaletteDC& dc);
    void drawSelected(PaletteDC& dc) const;
    CRect getBounds() const { return m_rect; }

    int getLineType() const { return m_lineType; }
    void setLineType(int lineType) { m_lineType = lineType; }
    const PaletteBrush& getBrush(PaletteDC& dc);

    const CRect& getRect() const { return m_rect; }
    void setRect(const CRect& rect) { m_rect = rect; }

private:
    CRect m_rect;
    COLORREF m_brushColor = 0;
    int m_lineType = palette::PS_SOLID;
    std::unique_ptr<PaletteBrush> m_brush;
    int m_inset = 1;
};
