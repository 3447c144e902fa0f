#include "FlowchartLinkPainter.h"

#include "FlowchartLinkGeometry.h"
#include "FlowchartLinkIndex.h"
#include "MessageDecorator.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

constexpr COLORREF kSelectedMarker = RGB(100, 100, 255);
constexpr COLORREF kPickedPoint = RGB(255, 0, 0);
constexpr UINT kLabelFormat = DT_WORDBREAK | DT_NOPREFIX;

// A head: its tip and the two corners of its base.
struct Head {
    CPoint tip;
    CPoint left;
    CPoint right;
};

int toInt(double value) {
    return CDiagramEntity::truncate(value);
}

// The unit vector from a to b; none when the two coincide.
std::optional<std::pair<double, double>> unit(CPoint a, CPoint b) {
    const double dx = double(b.x) - a.x;
    const double dy = double(b.y) - a.y;
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return std::nullopt;
    return std::make_pair(dx / length, dy / length);
}

// A point moved along u by a and across by b (n = (u.y, -u.x)).
CPoint along(CPoint p, std::pair<double, double> u, double a, double b) {
    return CPoint(toInt(p.x + a * u.first + b * u.second), toInt(p.y + a * u.second - b * u.first));
}

// A head whose base lies 2h back along u from the tip.
Head headAlong(CPoint tip, std::pair<double, double> u, int h) {
    return {tip, along(tip, u, 2 * h, h), along(tip, u, 2 * h, -h)};
}

// A head laid along an axis, its base 2h from the tip on the side of a link
// side: left (x - 2h), right (x + 2h), top (y - 2h) or bottom (y + 2h).
std::optional<Head> headOnAxis(CPoint tip, int side, int h) {
    switch (side) {
    case LINK_LEFT:
        return Head{tip, CPoint(tip.x - 2 * h, tip.y - h), CPoint(tip.x - 2 * h, tip.y + h)};
    case LINK_RIGHT:
        return Head{tip, CPoint(tip.x + 2 * h, tip.y - h), CPoint(tip.x + 2 * h, tip.y + h)};
    case LINK_TOP:
        return Head{tip, CPoint(tip.x - h, tip.y - 2 * h), CPoint(tip.x + h, tip.y - 2 * h)};
    case LINK_BOTTOM:
        return Head{tip, CPoint(tip.x - h, tip.y + 2 * h), CPoint(tip.x + h, tip.y + 2 * h)};
    default:
        return std::nullopt;
    }
}

bool isOrdinarySide(int side) {
    return side == LINK_LEFT || side == LINK_RIGHT || side == LINK_TOP || side == LINK_BOTTOM;
}

void fillHead(DiagramDC& dc, const Head& head) {
    const CPoint corners[] = {head.tip, head.left, head.right};
    dc.Polygon(corners, 3);
}

void openHead(DiagramDC& dc, const Head& head) {
    dc.MoveTo(head.tip);
    dc.LineTo(head.left);
    dc.MoveTo(head.tip);
    dc.LineTo(head.right);
}

// A square of 3 pixels about a point.
CRect squareAbout(CPoint p) {
    return CRect(p.x - 3, p.y - 3, p.x + 3, p.y + 3);
}

// The marker at an end of a link whose ends line up: 6 pixels toward the
// other end along the line, 3 to each side.
CRect endMarker(CPoint end, CPoint other) {
    CRect rect;
    if (end.y == other.y) {
        const int toward = other.x > end.x ? 6 : -6;
        rect = CRect(end.x, end.y - 3, end.x + toward, end.y + 3);
    } else {
        const int toward = other.y > end.y ? 6 : -6;
        rect = CRect(end.x - 3, end.y, end.x + 3, end.y + toward);
    }
    rect.NormalizeRect();
    return rect;
}

bool isRole(const CFlowchartEntity& entity) {
    return entity.getType() == "role";
}

} // namespace

FlowchartLinkPainter::FlowchartLinkPainter(const CFlowchartEntityContainer& container, double zoom,
                                           int markerWidth, int language)
    : m_container(container), m_zoom(zoom), m_h(toInt((markerWidth * zoom + 1) / 2)), m_language(language) {}

CPoint FlowchartLinkPainter::toWindow(CPoint point) const {
    return CPoint(toInt(point.x * m_zoom + 0.5), toInt(point.y * m_zoom + 0.5));
}

int FlowchartLinkPainter::drawnKind(const CFlowchartLink& link, const CFlowchartEntity& from,
                                    const CFlowchartEntity& to) {
    if (link.getLinkKind() == CFlowchartLink::kSequenceFlow && isRole(from) && isRole(to))
        return CFlowchartLink::kOrganisationalChartLink;
    return link.getLinkKind();
}

void FlowchartLinkPainter::drawObjects(DiagramDC& dc) const {
    drawObjects(dc, FlowchartLinkIndex(m_container));
}

void FlowchartLinkPainter::drawObjects(DiagramDC& dc, const FlowchartLinkIndex& index) const {
    for (int i = 0; i < m_container.getSize(); ++i) {
        CDiagramEntity* entity = m_container.getAt(i);
        entity->drawObject(dc, m_zoom, m_language);
        const auto* from = dynamic_cast<const CFlowchartEntity*>(entity);
        if (!from)
            continue;
        for (const int linkIndex : index.linksFrom(from->getName())) {
            const CFlowchartLink& link = *m_container.getLinkAt(linkIndex);
            if (const CFlowchartEntity* to = index.to(link))
                drawLink(dc, link, *from, *to);
        }
    }
}

int FlowchartLinkPainter::linkPoints(const CFlowchartLink& link, const CFlowchartEntity& from,
                                     const CFlowchartEntity& to, CPoint* points, bool& filledX,
                                     bool& filledY) const {
    const int count = link.getPointCount();
    // The ends, each asked again with the point the link heads for.
    CPoint fromPoint = from.getLinkPosition(link.getFromSide(), -1, -1);
    CPoint toPoint = to.getLinkPosition(link.getToSide(), -1, -1);
    const CPoint fromHint = count > 0 ? link.getIntermediaryPoint(0) : toPoint;
    fromPoint = from.getLinkPosition(link.getFromSide(), fromHint.x, fromHint.y);
    const CPoint toHint = count > 0 ? link.getIntermediaryPoint(count - 1) : fromPoint;
    toPoint = to.getLinkPosition(link.getToSide(), toHint.x, toHint.y);
    filledY = m_container.resolveFreeY(fromPoint, toPoint, &from, &to, &link);
    filledX = m_container.resolveFreeX(fromPoint, toPoint, &from, &to, &link);

    const int last = count + 1;
    points[0] = toWindow(fromPoint);
    for (int i = 0; i < count; ++i)
        points[i + 1] = toWindow(link.getIntermediaryPoint(i));
    points[last] = toWindow(toPoint);
    return last;
}

void FlowchartLinkPainter::drawLink(DiagramDC& dc, const CFlowchartLink& link, const CFlowchartEntity& from,
                                    const CFlowchartEntity& to) const {
    const int kind = drawnKind(link, from, to);
    const int h = m_h;
    const CPen pen = dc.SelectObject(CPen::stock(BLACK_PEN));
    const bool message = kind == CFlowchartLink::kMessageFlow ||
                         kind == CFlowchartLink::kMessageFlowWithMessage ||
                         kind == CFlowchartLink::kMessageFlowWithNonInitiatingMessage;
    const CBrush brush = dc.SelectObject(CBrush::stock(message ? WHITE_BRUSH : BLACK_BRUSH));

    CPoint points[CFlowchartLink::kMaxPoints + 2];
    bool filledX = false;
    bool filledY = false;
    const int last = linkPoints(link, from, to, points, filledX, filledY);
    const CPoint start = points[0];
    const CPoint end = points[last];

    // The to-end head, along the last segment or, where that has no
    // direction or ends on a bar's face, along an axis.
    std::optional<Head> toHead;
    const int toSide = link.getToSide();
    const CPoint before = points[last - 1];
    auto onBarAxis = [&](int yFilledSide, int xFilledSide) -> std::optional<Head> {
        if (filledY)
            return headOnAxis(end, yFilledSide, h);
        if (filledX)
            return headOnAxis(end, xFilledSide, h);
        return std::nullopt;
    };
    if (!isOrdinarySide(toSide) && last == 1)
        toHead =
            onBarAxis(end.x > start.x ? LINK_LEFT : LINK_RIGHT, end.y > start.y ? LINK_TOP : LINK_BOTTOM);
    else if (before == end)
        toHead = isOrdinarySide(toSide) ? headOnAxis(end, toSide, h) : onBarAxis(LINK_RIGHT, LINK_BOTTOM);
    else
        toHead = headAlong(end, *unit(end, before), h);

    // The line, dashed for message flows and dotted for associations.
    std::optional<CPen> linePen;
    if (message)
        linePen = CPen::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, RGB(0, 0, 0), {10, 5});
    else if (kind == CFlowchartLink::kAssociation || kind == CFlowchartLink::kDirectionalAssociation ||
             kind == CFlowchartLink::kBidirectionalAssociation)
        linePen = CPen::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, RGB(0, 0, 0), {1, 5});
    // The gaps of a geometric pen's dashes leave what lies below them.
    const CPen previousPen = linePen ? dc.SelectObject(*linePen) : dc.GetCurrentPen();
    const int backgroundMode = dc.SetBkMode(TRANSPARENT);
    dc.MoveTo(start);
    for (int i = 1; i <= last; ++i)
        dc.LineTo(points[i]);
    dc.SetBkMode(backgroundMode);
    if (linePen)
        dc.SelectObject(previousPen);

    // Decorations of the kind at both ends.
    const auto u = unit(start, points[1]);
    switch (kind) {
    case CFlowchartLink::kSequenceFlow:
    case CFlowchartLink::kConversation:
        if (toHead)
            fillHead(dc, *toHead);
        break;
    case CFlowchartLink::kMessageFlow:
    case CFlowchartLink::kMessageFlowWithMessage:
    case CFlowchartLink::kMessageFlowWithNonInitiatingMessage:
        if (toHead)
            fillHead(dc, *toHead);
        dc.Ellipse(start.x - 4, start.y - 4, start.x + 4, start.y + 4);
        break;
    case CFlowchartLink::kDefaultSequenceFlow:
        if (toHead)
            fillHead(dc, *toHead);
        if (u) {
            dc.MoveTo(along(start, *u, 8, 6));
            dc.LineTo(along(start, *u, 20, -6));
        }
        break;
    case CFlowchartLink::kConditionalSequenceFlow:
        if (toHead)
            fillHead(dc, *toHead);
        if (u) {
            const CPoint diamond[] = {start, along(start, *u, 10, 5), along(start, *u, 20, 0),
                                      along(start, *u, 10, -5)};
            dc.SelectStockObject(WHITE_BRUSH);
            dc.Polygon(diamond, 4);
            dc.SelectStockObject(BLACK_BRUSH);
        }
        break;
    case CFlowchartLink::kDirectionalAssociation:
        if (toHead)
            openHead(dc, *toHead);
        break;
    case CFlowchartLink::kBidirectionalAssociation: {
        if (toHead)
            openHead(dc, *toHead);
        std::optional<Head> fromHead;
        if (u)
            fromHead = headAlong(start, *u, h);
        else
            fromHead = headOnAxis(start, link.getFromSide(), h);
        if (fromHead)
            openHead(dc, *fromHead);
        break;
    }
    default: // associations and organisational chart links have no head
        break;
    }

    const COLORREF textColor =
        dc.SetTextColor(RGB(link.getTextRed(), link.getTextGreen(), link.getTextBlue()));
    drawLabel(dc, link, kind, points, last + 1);

    if (link.isSelected()) {
        dc.SelectStockObject(BLACK_PEN);
        dc.SelectObject(CBrush(kSelectedMarker));
        if (start != end && (start.y == end.y || start.x == end.x)) {
            dc.Rectangle(endMarker(start, end));
            dc.Rectangle(endMarker(end, start));
        } else {
            // Two ends at one place have no direction between them.
            dc.Rectangle(squareAbout(start));
            dc.Rectangle(squareAbout(end));
        }
        for (int i = 1; i < last; ++i)
            dc.Rectangle(squareAbout(points[i]));
        dc.SelectStockObject(BLACK_BRUSH);
    }
    if (link.isFirstPointSelected() || link.isSecondPointSelected()) {
        dc.SelectStockObject(BLACK_PEN);
        dc.SelectObject(CBrush(kPickedPoint));
        if (link.isFirstPointSelected())
            dc.Rectangle(squareAbout(points[1]));
        if (link.isSecondPointSelected())
            dc.Rectangle(squareAbout(points[2]));
    }

    dc.SetTextColor(textColor);
    dc.SelectObject(pen);
    dc.SelectObject(brush);
}

FlowchartLinkPainter::LabelPlacement FlowchartLinkPainter::placeLabel(DiagramDC& dc,
                                                                      const CFlowchartLink& link, int kind,
                                                                      const CPoint* points, int count) const {
    LabelPlacement place;
    place.text = m_language ? link.getLabelL2() : link.getLabel();
    const bool decorated = kind == CFlowchartLink::kMessageFlowWithMessage ||
                           kind == CFlowchartLink::kMessageFlowWithNonInitiatingMessage;
    if (place.text.IsEmpty() && !decorated)
        return place;

    // The segment that carries the label.
    CPoint a = points[0];
    CPoint b = points[1];
    const int bends = count - 2;
    if (bends == 1 && link.getLabelSegment() != 1) {
        a = points[1];
        b = points[2];
    } else if (bends == 2) {
        const int segment = link.getLabelSegment() == 1 ? 0 : link.getLabelSegment() == 2 ? 1 : 2;
        a = points[segment];
        b = points[segment + 1];
    }
    const int xL = std::min(a.x, b.x);
    const int xR = std::max(a.x, b.x);
    const int ym = (a.y + b.y) / 2;
    const int dy = std::abs(a.y - b.y);
    const int g = decorated ? 2 * m_h : m_h;

    if (decorated) {
        const DiagramPicture& picture = MessageDecorator::picture(kind);
        const CPoint at((xL + xR) / 2 - 11, ym - 9);
        place.decorator = CRect(at.x, at.y, at.x + picture.width(), at.y + picture.height());
    }
    if (place.text.IsEmpty())
        return place;

    const CFont font{.height = link.getFontSize(),
                     .weight = link.isBold() ? FW_BOLD : FW_NORMAL,
                     .face = link.getFontName()};
    dc.SelectObject(font);
    // The height the text takes in a first box.
    auto measure = [&](CRect box, UINT align) {
        box.NormalizeRect();
        dc.DrawText(place.text, box, kLabelFormat | align | DT_CALCRECT);
        return box.Height();
    };
    auto put = [&](CRect box, UINT align) {
        box.NormalizeRect();
        place.box = box;
        place.align = align;
    };
    const bool left = link.getLabelHorizontalPosition() == 0;
    const bool top = link.getLabelVerticalPosition() == 0;
    if (xL == xR || xR - xL < dy) {
        const int height = measure(CRect(xL - 60, ym - 50, xL - g, ym + 50), DT_RIGHT);
        if (xL == xR) {
            if (left)
                put(CRect(xL - 60, ym - height / 2, xL - g, ym + height / 2), DT_RIGHT);
            else
                put(CRect(xL + g, ym - height / 2, xL + 60, ym + height / 2), DT_RIGHT);
        } else {
            // A steep segment: the box stands beside the line at its middle height.
            const double t = double(height) / dy;
            if (left) {
                const int x = xL + toInt((xR - xL) * (1 - t) / 2);
                put(CRect(x - 60, ym - height / 2, x - g, ym + height / 2), DT_RIGHT);
            } else {
                const int x = xL + toInt((xR - xL) * (1 + t) / 2);
                put(CRect(x + g, ym - height / 2, x + 60, ym + height / 2), DT_LEFT);
            }
        }
    } else if (dy == 0) {
        const int height = measure(CRect(xL + g, ym + g, xR - g, ym + g + 100), DT_CENTER);
        if (top)
            put(CRect(xL + g, ym - g - height, xR - g, ym - g), DT_CENTER);
        else
            put(CRect(xL + g, ym + g, xR - g, ym + g + height), DT_CENTER);
    } else {
        // A flat sloped segment: a box at most 60 wide about its middle,
        // kept clear of the line by the slope over that width.
        const int width = xR - xL;
        const int c = std::min(60, width);
        const int xs = xL + (width - c) / 2;
        const int xe = xL + (width + c) / 2;
        const int height = measure(CRect(xs + g, ym + g, xe - g, ym + g + 100), DT_CENTER);
        const int o = (dy * c / width) / 2;
        if (top)
            put(CRect(xs + g, ym - g - o - height, xe - g, ym - g - o), DT_CENTER);
        else
            put(CRect(xs + g, ym + g + o, xe - g, ym + g + o + height), DT_CENTER);
    }
    return place;
}

void FlowchartLinkPainter::drawLabel(DiagramDC& dc, const CFlowchartLink& link, int kind,
                                     const CPoint* points, int count) const {
    const LabelPlacement place = placeLabel(dc, link, kind, points, count);
    if (place.decorator)
        dc.DrawPicture(place.decorator->left, place.decorator->top, MessageDecorator::picture(kind));
    if (!place.box)
        return;
    const int mode = dc.SetBkMode(TRANSPARENT);
    dc.DrawText(place.text, *place.box, kLabelFormat | place.align);
    dc.SetBkMode(mode);
    dc.SelectObject(CFont::stock(DEFAULT_GUI_FONT));
}

int FlowchartLinkPainter::endReach(int kind, bool fromEnd) const {
    // A head's corners lie 2h back and h across: at most sqrt(5) h away.
    const int head = int(std::ceil(std::sqrt(5.0) * m_h)) + 1;
    switch (kind) {
    case CFlowchartLink::kSequenceFlow:
    case CFlowchartLink::kConversation:
    case CFlowchartLink::kDirectionalAssociation:
        return fromEnd ? 1 : head;
    case CFlowchartLink::kMessageFlow:
    case CFlowchartLink::kMessageFlowWithMessage:
    case CFlowchartLink::kMessageFlowWithNonInitiatingMessage:
        return fromEnd ? 5 : head; // the circle of 4 about the from end
    case CFlowchartLink::kDefaultSequenceFlow:
    case CFlowchartLink::kConditionalSequenceFlow:
        // The slash (8, 6) to (20, -6) and the diamond up to 20 along and 5
        // across from the from end.
        return fromEnd ? 22 : head;
    case CFlowchartLink::kBidirectionalAssociation:
        return head;
    default:
        return 1;
    }
}

CRect FlowchartLinkPainter::linkExtent(DiagramDC& dc, const CFlowchartLink& link,
                                       const CFlowchartEntity& from, const CFlowchartEntity& to) const {
    CPoint points[CFlowchartLink::kMaxPoints + 2];
    bool filledX = false;
    bool filledY = false;
    const int last = linkPoints(link, from, to, points, filledX, filledY);
    const int kind = drawnKind(link, from, to);
    CRect extent;
    for (int i = 0; i <= last; ++i)
        extent = extent | CRect(points[i].x, points[i].y, points[i].x + 1, points[i].y + 1);
    auto about = [](CPoint p, int reach) {
        return CRect(p.x - reach, p.y - reach, p.x + reach + 1, p.y + reach + 1);
    };
    extent = extent | about(points[0], endReach(kind, true)) | about(points[last], endReach(kind, false));
    const LabelPlacement place = placeLabel(dc, link, kind, points, last + 1);
    if (place.decorator)
        extent = extent | *place.decorator;
    if (place.box) {
        extent = extent | *place.box;
        dc.SelectObject(CFont::stock(DEFAULT_GUI_FONT));
    }
    return extent;
}

CRect FlowchartLinkPainter::linksExtent(DiagramDC& dc) const {
    const FlowchartLinkIndex index(m_container);
    CRect extent;
    for (int i = 0; i < m_container.getSize(); ++i) {
        const auto* from = dynamic_cast<const CFlowchartEntity*>(m_container.getAt(i));
        if (!from)
            continue;
        for (const int linkIndex : index.linksFrom(from->getName())) {
            const CFlowchartLink& link = *m_container.getLinkAt(linkIndex);
            if (const CFlowchartEntity* to = index.to(link))
                extent = extent | linkExtent(dc, link, *from, *to);
        }
    }
    return extent;
}

void FlowchartLinkPainter::drawLinkModeLine(DiagramDC& dc, const CFlowchartEntity& source,
                                            CPoint mouse) const {
    int side = 0;
    if (!m_container.findClosestSide(&source, mouse, side) || mouse.x == -1 || mouse.y == -1)
        return;
    CPoint at = source.getLinkPosition(side, -1, -1);
    const CRect rect = source.getRect();
    if (at.x == -1)
        at.x = (rect.left + rect.right) / 2;
    if (at.y == -1)
        at.y = (rect.top + rect.bottom) / 2;
    const CPen pen = dc.SelectObject(CPen::stock(BLACK_PEN));
    dc.MoveTo(toWindow(at));
    dc.LineTo(toWindow(mouse));
    dc.SelectObject(pen);
}
