#include "CFOColorCellObj.h"

#include "CFOSystemColors.h"
#include "PolygonRegion.h"

#include <algorithm>
#include <cmath>

namespace {

// Nearest integer, halves away from zero.
int roundToInt(float value) {
    return static_cast<int>(std::lround(value));
}

bool hasArea(const std::array<CPoint, 6>& corners) {
    return std::any_of(corners.begin(), corners.end(),
                       [&](const CPoint& p) { return p.x != corners[0].x; }) &&
           std::any_of(corners.begin(), corners.end(), [&](const CPoint& p) { return p.y != corners[0].y; });
}

} // namespace

BOOL CFOColorCellObj::hitTest(int x, int y) const {
    if (m_hexagon)
        return PolygonRegion(m_corners.data(), 6).PtInRegion(x, y);
    return m_rect.PtInRect(CPoint(x, y));
}

void CFOColorCellObj::draw(PaletteDC& dc) {
    const CFOSystemColors& system = CFOSystemColors::colors();
    if (!m_rect.IsRectEmpty())
        dc.fillSolidRect(m_rect, system.m_buttonFace);
    if (m_hexagon) {
        // A cell without a shape (the honeycomb's button-face cell) paints nothing.
        if (hasArea(m_corners))
            dc.fillPolygon(m_corners.data(), 6, getBrush(dc));
        return;
    }
    const CRect swatch = deflated(m_rect, m_inset, m_inset);
    dc.fillRect(swatch, getBrush(dc));
    dc.frameRect(swatch, system.m_buttonShadow2);
}

void CFOColorCellObj::drawSelected(PaletteDC& dc) const {
    if (m_hexagon) {
        if (!hasArea(m_corners))
            return;
        dc.framePolygon(m_corners.data(), 6, RGB(255, 255, 255), 3, 3);
        const int black = m_color == 0xFFFFFF ? 2 : 1;
        dc.framePolygon(m_corners.data(), 6, RGB(0, 0, 0), black, black);
        return;
    }
    dc.frameSelection(m_rect);
}

void CFOColorCellObj::setHexagon(int x, int y, int size) {
    const float half = static_cast<float>(size / 2);
    const float h = static_cast<float>(size) * 0.57735026f * 0.5f;
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    m_corners[0] = {roundToInt(fx - half), roundToInt(fy - h)};
    m_corners[1] = {roundToInt(fx), roundToInt(fy - half)};
    m_corners[2] = {roundToInt(fx + half), roundToInt(fy - h)};
    m_corners[3] = {roundToInt(fx + half), roundToInt(fy + h) + 1};
    m_corners[4] = {roundToInt(fx), roundToInt(fy + half) + 1};
    m_corners[5] = {roundToInt(fx - half), roundToInt(fy + h) + 1};
}

CRect CFOColorCellObj::getBounds() const {
    if (!m_hexagon)
        return m_rect;
    CRect bounds(m_corners[0].x, m_corners[0].y, m_corners[0].x, m_corners[0].y);
    for (const CPoint& corner : m_corners) {
        bounds.left = std::min(bounds.left, corner.x);
        bounds.top = std::min(bounds.top, corner.y);
        bounds.right = std::max(bounds.right, corner.x);
        bounds.bottom = std::max(bounds.bottom, corner.y);
    }
    return bounds;
}

void CFOColorCellObj::setColor(const COLORREF& colour) {
    m_brush.reset();
    m_color = colour;
}

const PaletteBrush& CFOColorCellObj::getBrush(PaletteDC& dc) {
    if (!m_brush)
        m_brush = dc.createSolidBrush(m_color);
    return *m_brush;
}
