#include "CDiagramLine.h"

#include "CTokenizer.h"
#include "DiagramDC.h"
#include "DiagramDialogs.h"
#include "DiagramRecord.h"
#include "EntityPen.h"
#include "LineDDA.h"

#include <cmath>
#include <cstdlib>

CDiagramLine::CDiagramLine() {
    setMinimumSize(CSize(-1, -1));
    setType("line");
    setPropertiesOnPlacement(0);
}

std::unique_ptr<CDiagramEntity> CDiagramLine::createFromRecord(const CString& record) {
    return createEntityFromRecord<CDiagramLine>(record);
}

std::unique_ptr<CDiagramEntity> CDiagramLine::clone(BOOL /*keepName*/) const {
    auto copy = std::make_unique<CDiagramLine>();
    copy->copyFrom(*this);
    copy->setColor(m_red, m_green, m_blue);
    copy->setPenStyle(m_penStyle);
    copy->setPenWidth(m_penWidth);
    copy->setStartArrow(m_startArrow);
    copy->setEndArrow(m_endArrow);
    return copy;
}

void CDiagramLine::setIntRect(CRect rect) {
    setLeft(rect.left);
    setTop(rect.top);
    setRight(rect.right);
    setBottom(rect.bottom);
}

bool CDiagramLine::segmentNear(CPoint from, CPoint to, CPoint point) {
    bool near = false;
    LineDDA(from.x, from.y, to.x, to.y, [&](int x, int y) {
        if (std::abs(point.x - x) <= 1 && std::abs(point.y - y) <= 1)
            near = true;
    });
    return near;
}

int CDiagramLine::getHitCode(CPoint point) const {
    const CRect rect = getRect();
    const CPoint from = rect.TopLeft();
    const CPoint to = rect.BottomRight();
    int result = DEHT_NONE;
    const CPoint probes[] = {point, CPoint(point.x + 1, point.y), CPoint(point.x - 1, point.y),
                             CPoint(point.x, point.y + 1), CPoint(point.x, point.y - 1)};
    for (const CPoint& probe : probes)
        if (segmentNear(from, to, probe))
            result = DEHT_BODY;
    if (getSelectionMarkerRect(DEHT_TOPLEFT, rect).PtInRect(point))
        result = DEHT_TOPLEFT;
    if (getSelectionMarkerRect(DEHT_BOTTOMRIGHT, rect).PtInRect(point))
        result = DEHT_BOTTOMRIGHT;
    return result;
}

int CDiagramLine::getHitCodeInRect(CPoint point, CRect rect) const {
    // The caller's rectangle is normalised: turn it back to the line's direction.
    if (getBottom() < getTop())
        std::swap(rect.top, rect.bottom);
    if (getRight() < getLeft())
        std::swap(rect.left, rect.right);
    int result = segmentNear(rect.TopLeft(), rect.BottomRight(), point) ? DEHT_BODY : DEHT_NONE;
    if (getSelectionMarkerRect(DEHT_TOPLEFT, rect).PtInRect(point))
        result = DEHT_TOPLEFT;
    if (getSelectionMarkerRect(DEHT_BOTTOMRIGHT, rect).PtInRect(point))
        result = DEHT_BOTTOMRIGHT;
    return result;
}

void CDiagramLine::showProperties(EditorWindow* window, BOOL show, int /*mode*/) {
    if (!show)
        return;
    if (DiagramDialogs* dialogs = DiagramDialogs::current())
        dialogs->editLineProperties(*this, window);
}

void CDiagramLine::drawArrow(DiagramDC& dc, CPoint p, CPoint q, int kind) const {
    const double dx = q.x - p.x;
    const double dy = q.y - p.y;
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return;
    const double ux = dx / length;
    const double uy = dy / length;
    const double w = entityPenWidth(m_penWidth);
    const double s = w + 4;
    const CPoint tip(p.x - truncate((w + 2) * ux), p.y - truncate((w + 2) * uy));
    const CPoint corner1(p.x + truncate(2 * s * ux + s * uy), p.y + truncate(2 * s * uy - s * ux));
    const CPoint corner2(p.x + truncate(2 * s * ux - s * uy), p.y + truncate(2 * s * uy + s * ux));
    if (kind == kFilledArrow) {
        const CBrush before = dc.SelectObject(CBrush(RGB(m_red, m_green, m_blue)));
        const CPoint head[] = {tip, corner1, corner2};
        dc.Polygon(head, 3);
        dc.SelectObject(before);
    } else if (kind == kOpenArrow) {
        dc.MoveTo(tip);
        dc.LineTo(corner1);
        dc.MoveTo(tip);
        dc.LineTo(corner2);
    }
}

void CDiagramLine::draw(DiagramDC& dc, CRect rect, int /*language*/) {
    const COLORREF color = RGB(m_red, m_green, m_blue);
    const CPen before = dc.SelectObject(entityPen(m_penStyle, m_penWidth, color));
    dc.MoveTo(rect.left, rect.top);
    dc.LineTo(rect.right, rect.bottom);
    drawArrow(dc, rect.BottomRight(), rect.TopLeft(), m_endArrow);
    drawArrow(dc, rect.TopLeft(), rect.BottomRight(), m_startArrow);
    dc.SelectObject(before);
}

DiagramCursor CDiagramLine::getCursor(int hitCode) const {
    return hitCode == DEHT_BODY || hitCode == DEHT_TOPLEFT || hitCode == DEHT_BOTTOMRIGHT
               ? DiagramCursor::sizeAll
               : DiagramCursor::none;
}

void CDiagramLine::drawSelectionMarkers(DiagramDC& dc, CRect rect) {
    dc.SelectObject(CBrush(RGB(0, 255, 0)));
    dc.Rectangle(getSelectionMarkerRect(DEHT_TOPLEFT, rect));
    dc.Rectangle(getSelectionMarkerRect(DEHT_BOTTOMRIGHT, rect));
    dc.SelectStockObject(BLACK_BRUSH);
}

CString CDiagramLine::toRecordString() const {
    return recordWriter()
        .text(getName())
        .integer(getGroup())
        .integer(m_red)
        .integer(m_green)
        .integer(m_blue)
        .integer(m_penStyle)
        .integer(m_penWidth)
        .integer(m_startArrow)
        .integer(m_endArrow)
        .str();
}

BOOL CDiagramLine::parseRecordFields(CString& fields) {
    DiagramRecord::dropFinalSemicolon(fields);
    const CTokenizer parts(fields, ',');
    const int n = parts.getSize();
    if (n < 11)
        return FALSE;
    auto number = [&](int index) { return DiagramRecord::readInt(parts.getElement(index)); };
    auto coordinate = [&](int index) {
        return truncate(DiagramRecord::readClampedDouble(parts.getElement(index)));
    };
    const CString name = parts.getElement(4);
    const int group = DiagramRecord::readGroup(parts.getElement(5));
    const bool arrows = n >= 13;
    setPenStyle(number(9));
    setPenWidth(number(10));
    setStartArrow(arrows ? number(11) : kNoArrow);
    setEndArrow(arrows ? number(12) : kNoArrow);
    // A line read from a file lies on whole units.
    setIntRect(CRect(coordinate(0), coordinate(1), coordinate(2), coordinate(3)));
    setColor(number(6), number(7), number(8));
    setName(DiagramRecord::unescape(name));
    setGroup(group);
    fields = parts.joinFrom(arrows ? 13 : 11);
    return TRUE;
}

void CDiagramLine::setColor(int red, int green, int blue) {
    m_red = red;
    m_green = green;
    m_blue = blue;
    touch();
}

void CDiagramLine::setPenStyle(int style) {
    m_penStyle = style;
    touch();
}

void CDiagramLine::setPenWidth(int width) {
    m_penWidth = width;
    touch();
}

void CDiagramLine::setStartArrow(int arrow) {
    m_startArrow = arrow;
    touch();
}

void CDiagramLine::setEndArrow(int arrow) {
    m_endArrow = arrow;
    touch();
}
