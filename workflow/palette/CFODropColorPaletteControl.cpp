#include "CFODropColorPaletteControl.h"

#include "CFOSystemColors.h"

namespace {

using namespace palette;

// Red, green and blue; row 0 is the top row.
constexpr COLORREF kTable[6][8] = {
    {0xFFFFFF, 0xFFC0C0, 0xFFE0C0, 0xFFFFC0, 0xC0FFC0, 0xC0FFFF, 0xC0C0FF, 0xFFC0FF},
    {0xE0E0E0, 0xFF8080, 0xFFE080, 0xFFFF80, 0x80FF80, 0x80FFFF, 0x8080FF, 0xFF80FF},
    {0xC0C0C0, 0xFF0000, 0xFFC000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF},
    {0x808080, 0xC00000, 0xFF8000, 0xC0C000, 0x00C000, 0x00C0C0, 0x0000C0, 0xC000C0},
    {0x404040, 0x800000, 0x804000, 0x808000, 0x008000, 0x008080, 0x000080, 0x800080},
    {0x000000, 0x400000, 0x804040, 0x404000, 0x004000, 0x004040, 0x000040, 0x400040},
};

} // namespace

CFODropColorPaletteControl::CFODropColorPaletteControl()
    : ColorCellPalette(WM_FO_COLOR_SELECTED, WM_FO_COLOR_CANCEL, WM_FO_COLOR_CUSTOM, 8, TRUE) {}

COLORREF CFODropColorPaletteControl::tableColor(int row, int column) {
    const COLORREF rgb = kTable[row][column];
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void CFODropColorPaletteControl::loadColors() {
    for (int i = 0; i < kCellCount; ++i)
        m_cells[i].setColor(tableColor(i / m_columns, i % m_columns));
}

void CFODropColorPaletteControl::layout() {
    loadColors();
    CRect d = contentArea(4);
    layoutCustomRow(d, true);
    if (m_popup)
        d.top += 10;
    layoutCells(d.left, d.top, d.right, d.bottom);
}

void CFODropColorPaletteControl::layoutCells(int left, int top, int right, int bottom) {
    m_cellsArea = CRect(left, top, right, bottom);
    const double w = right - left, h = bottom - top;
    int x[9], y[7];
    for (int i = 0; i <= m_columns; ++i)
        x[i] = left + static_cast<int>(i * (1.0 / m_columns) * w);
    for (int j = 0; j <= m_rows; ++j)
        y[j] = top + static_cast<int>(j * (1.0 / m_rows) * h);
    for (int i = 0; i < kCellCount; ++i) {
        const int c = i % m_columns, r = i / m_columns;
        m_cells[i].setRect(CRect(x[c], y[r], x[c + 1], y[r + 1]));
        m_cells[i].setHexagonShape(FALSE);
    }
}

void CFODropColorPaletteControl::draw(PaletteDC& dc) {
    const CFOSystemColors& system = CFOSystemColors::colors();
    dc.fillSolidRect(m_client, system.m_buttonFace);
    if (m_popup)
        drawCaptionStrip(dc);
    drawBorder(dc, m_borderStyle, system.m_buttonFace, system.m_buttonShadow);
    int selected = -1;
    for (int i = 0; i < kCellCount; ++i) {
        m_cells[i].draw(dc);
        if (selected < 0 && m_cells[i].getColor() == m_current)
            selected = i;
    }
    if (selected >= 0)
        m_cells[selected].drawSelected(dc);
    drawCustomRow(dc, selected >= 0);
}

void CFODropColorPaletteControl::onKeyDown(UINT key, UINT, UINT) {
    const int index = keyOrigin();
    int r = index / m_columns, c = index % m_columns;
    if (onEndKey(key))
        return;
    int next;
    switch (key) {
    case VK_TAB:
        if (m_window && m_window->shiftHeld()) {
            m_window->focusPreviousTabStop();
        } else if (m_customShown) {
            post(WM_FO_COLOR_CUSTOM, m_current, 0);
            hideIfPopup();
        }
        return;
    case VK_LEFT:
        // From column 0 to the end of the row above; the first cell stays.
        next = cellBefore(index, false);
        break;
    case VK_RIGHT:
        next = cellAfter(index);
        break;
    case VK_UP:
        r = (r + m_rows - 1) % m_rows;
        next = r * m_columns + c;
        break;
    case VK_DOWN:
        r = (r + 1) % m_rows;
        next = r * m_columns + c;
        break;
    default:
        return;
    }
    const COLORREF colour = m_cells[next].getColor();
    moveSelection(colour);
    post(WM_FO_COLOR_SELECTED, colour, kPreviewLParam);
}
