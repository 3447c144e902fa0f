#include "CFOLineTypeCellObj.h"

#include "CFOSystemColors.h"

void CFOLineTypeCellObj::draw(PaletteDC& dc) {
    getBrush(dc);
    dc.fillSolidRect(m_rect, CFOSystemColors::colors().m_buttonFace);
    const CRect line = deflated(m_rect, m_inset, m_inset);
    dc.styledLine(line.left, line.right, (line.top + line.bottom) / 2, m_lineType);
}

void CFOLineTypeCellObj::drawSelected(PaletteDC& dc) const {
    dc.frameSelection(m_rect);
}

const PaletteBrush& CFOLineTypeCellObj::getBrush(PaletteDC& dc) {
    if (!m_brush)
        m_brush = dc.createSolidBrush(m_brushColor);
    return *m_brush;
}
