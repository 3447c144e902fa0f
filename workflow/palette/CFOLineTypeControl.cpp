#include "CFOLineTypeControl.h"

#include "CFOSystemColors.h"

using namespace palette;

CFOLineTypeControl::CFOLineTypeControl()
    : PaletteControl(WM_FO_LINETYPE_SELECTED, WM_FO_LINETYPE_CANCEL, WM_FO_LINETYPE_CLOSE, 8, FALSE) {}

void CFOLineTypeControl::loadLineTypes() {
    for (int i = 0; i < kCellCount; ++i)
        m_cells[i].setLineType(i);
}

void CFOLineTypeControl::layout() {
    loadLineTypes();
    CRect d = contentArea(4);
    layoutCustomRow(d, false);
    if (m_popup)
        d.top += 10;
    layoutCells(d.left, d.top, d.right, d.bottom);
}

void CFOLineTypeControl::layoutCells(int left, int top, int right, int bottom) {
    m_cellsArea = CRect(left, top, right, bottom);
    const int step = static_cast<int>((bottom - top) * 0.2);
    for (int k = 0; k < kCellCount; ++k)
        m_cells[k].setRect(CRect(left, top + k * step, right, top + (k + 1) * step));
}

void CFOLineTypeControl::draw(PaletteDC& dc) {
    // The frame takes the desktop's colours as they are at this moment.
    const CFOSystemColors now = CFOSystemColors::read();
    dc.fillSolidRect(m_client, now.m_buttonFace);
    if (m_popup)
        drawCaptionStrip(dc);
    drawBorder(dc, m_borderStyle, now.m_buttonFace, now.m_buttonShadow);
    int selected = -1;
    for (int i = 0; i < kCellCount; ++i) {
        m_cells[i].draw(dc);
        if (selected < 0 && getCellValue(i) == m_current)
            selected = i;
    }
    if (selected >= 0)
        m_cells[selected].drawSelected(dc);
    if (m_customShown) {
        drawCustom(dc, FALSE);
        if (m_customHot)
            drawHot(dc);
    }
}

void CFOLineTypeControl::onKeyDown(UINT key, UINT, UINT) {
    const int index = keyOrigin();
    if (onEndKey(key))
        return;
    int next;
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        // Left keeps the first style, Up goes round to the last.
        next = cellBefore(index, key == VK_UP);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        next = cellAfter(index);
        break;
    default:
        return;
    }
    moveSelection(getCellValue(next));
}
