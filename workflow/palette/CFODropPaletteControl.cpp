#include "CFODropPaletteControl.h"

#include "CFOSystemColors.h"
#include "HueLightness.h"

#include <cmath>

namespace {

using namespace palette;

// The six sides of a ring, walked from the cell right of the centre, as
// steps of one cell size: down-left, left, up-left, up-right, right,
// down-right.
constexpr double kSideSteps[6][2] = {{-0.5, 0.8660254}, {-1.0, 0.0}, {-0.5, -0.8660254},
                                     {0.5, -0.8660254}, {1.0, 0.0},  {0.5, 0.8660254}};

} // namespace

CFODropPaletteControl::CFODropPaletteControl()
    : ColorCellPalette(WM_FO_COLOR_SELECTED, WM_FO_COLOR_CANCEL, WM_FO_COLOR_CUSTOM, 5, TRUE) {}

void CFODropPaletteControl::layout() {
    loadColors();
    CRect d = deflated(m_client, m_margin, m_margin);
    layoutCustomRow(d, true);
    layoutCells(d.left, d.top, d.right, d.bottom);
}

void CFODropPaletteControl::loadColors() {
    // A nearly square area, centred in the client area above its last 30 pixels.
    CRect r = m_client;
    r.bottom -= 30;
    const int w = r.Width(), h = r.Height();
    if (h < w) {
        r.left += (w - h) / 2;
        r.right -= (w - h) / 2;
    } else {
        r.top += (h - w) / 2;
        r.bottom -= (h - w) / 2;
    }
    m_size = r.Height() / 13 + 1;
    m_centre = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    const int cx = m_centre.x, cy = m_centre.y;

    m_cells[0].setColor(RGB(255, 255, 255));
    m_cells[0].setHexagon(cx, cy, m_size);
    m_centres[0] = m_centre;
    int index = 1;
    for (int ring = 1; ring <= 6; ++ring) {
        int x = cx + ring * m_size, y = cy;
        const double lightness = double(7 - ring) / 7 + 0.1;
        for (const auto& side : kSideSteps) {
            const int dx = static_cast<int>(m_size * side[0]);
            const int dy = static_cast<int>(m_size * side[1]);
            for (int step = 0; step < ring; ++step, ++index) {
                const int hue =
                    static_cast<int>(std::atan2(double(y - cy), double(x - cx)) * 57.29577951308239);
                m_cells[index].setColor(hueLightnessToColor(hue, lightness, 1.0));
                m_cells[index].setHexagon(x, y, m_size);
                m_centres[index] = {x, y};
                x += dx;
                y += dy;
            }
        }
    }
    m_cells[kButtonFaceCell].setColor(CFOSystemColors::colors().m_buttonFace);
    for (int i = 0; i < 15; ++i) {
        const int grey = 240 - 15 * i;
        m_cells[kFirstGrey + i].setColor(RGB(grey, grey, grey));
    }
    m_cells[kCellCount - 1].setColor(RGB(0, 0, 0));
}

void CFODropPaletteControl::layoutCells(int left, int top, int right, int bottom) {
    m_cellsArea = CRect(left, top, right, bottom);
    const double w = right - left, h = bottom - top;
    int x[17];
    for (int i = 0; i <= 16; ++i)
        x[i] = left + static_cast<int>(i * w / 16);
    // The greys fill the bottom ninth of the area.
    const int rowTop = top + static_cast<int>(8 * h / 9), rowBottom = top + static_cast<int>(9 * h / 9);
    for (int c = 0; c < 16; ++c) {
        m_cells[kFirstGrey + c].setRect(CRect(x[c], rowTop, x[c + 1], rowBottom));
        m_cells[kFirstGrey + c].setHexagonShape(FALSE);
    }
}

void CFODropPaletteControl::draw(PaletteDC& dc) {
    const CFOSystemColors& system = CFOSystemColors::colors();
    dc.fillSolidRect(m_client, system.m_buttonFace);
    drawBorder(dc, m_borderStyle, system.m_buttonFace, system.m_buttonShadow);
    int selected = -1;
    for (int i = 0; i < kCellCount; ++i) {
        m_cells[i].draw(dc);
        if (m_cells[i].getColor() == m_current)
            selected = i;
    }
    if (selected >= 0)
        m_cells[selected].drawSelected(dc);
    drawCustomRow(dc, selected >= 0);
}

void CFODropPaletteControl::onCellPassed(int index) {
    choose(m_cells[index].getColor(), 0);
}

void CFODropPaletteControl::onKeyDown(UINT key, UINT, UINT) {
    // Two cells may hold the same colour (the button face may be one of the
    // greys): the keys go on from the cell they last reached.
    const bool onKeyCell = m_keyCell >= 0 && m_cells[m_keyCell].getColor() == m_current;
    const int index = onKeyCell ? m_keyCell : keyOrigin();
    if (onEndKey(key))
        return;
    int next;
    switch (key) {
    case VK_TAB:
        if (m_window)
            m_window->focusPreviousTabStop();
        return;
    case VK_LEFT:
    case VK_UP:
        next = cellBefore(index, true);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        next = cellAfter(index);
        break;
    default:
        return;
    }
    const COLORREF colour = m_cells[next].getColor();
    moveSelection(colour);
    m_keyCell = next;
    post(WM_FO_COLOR_SELECTED, colour, 0);
}
