#include "FlowchartLinkGeometry.h"

#include "CRect.h"
#include "LineDDA.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The 10 x 10 square about a point that picks it (left and top edges in).
bool nearPoint(CPoint centre, CPoint point) {
    return CRect(centre.x - 5, centre.y - 5, centre.x + 5, centre.y + 5).PtInRect(point);
}

// Whether a pixel of the segment's line walk lies within 3 units of the
// point on both axes.
bool segmentNear(CPoint a, CPoint b, CPoint point) {
    // Only a point within 3 of the segment's box can be near one of its pixels.
    if (point.x < std::min(a.x, b.x) - 3 || point.x > std::max(a.x, b.x) + 3 ||
        point.y < std::min(a.y, b.y) - 3 || point.y > std::max(a.y, b.y) + 3)
        return false;
    bool hit = false;
    LineDDA(a.x, a.y, b.x, b.y, [&](int x, int y) {
        if (std::abs(x - point.x) <= 3 && std::abs(y - point.y) <= 3)
            hit = true;
    });
    return hit;
}

} // namespace

FlowchartLinkGeometry::Ends FlowchartLinkGeometry::endPoints(const CFlowchartEntityContainer& container,
                                                             const CFlowchartLink& link,
                                                             const CFlowchartEntity& from,
                                                             const CFlowchartEntity& to) {
    Ends ends;
    ends.from = from.getLinkPosition(link.getFromSide(), -1, -1);
    ends.to = to.getLinkPosition(link.getToSide(), -1, -1);
    ends.filledY = container.resolveFreeY(ends.from, ends.to, &from, &to, &link);
    ends.filledX = container.resolveFreeX(ends.from, ends.to, &from, &to, &link);
    return ends;
}

int FlowchartLinkGeometry::hitTest(const CFlowchartEntityContainer& container, const CFlowchartLink& link,
                                   const CFlowchartEntity* from, const CFlowchartEntity* to, CPoint point) {
    if (!from || !to)
        return LINK_HIT_NONE;
    const Ends ends = endPoints(container, link, *from, *to);
    if (nearPoint(ends.from, point))
        return LINK_HIT_FROM_END;
    if (nearPoint(ends.to, point))
        return LINK_HIT_TO_END;
    const int count = link.getPointCount();
    if (count >= 1 && nearPoint(link.getIntermediaryPoint(0), point))
        return LINK_HIT_FIRST_POINT;
    if (count >= 2 && nearPoint(link.getIntermediaryPoint(1), point))
        return LINK_HIT_SECOND_POINT;
    CPoint previous = ends.from;
    for (int i = 0; i <= count; ++i) {
        const CPoint next = i < count ? link.getIntermediaryPoint(i) : ends.to;
        if (segmentNear(previous, next, point))
            return LINK_HIT_LINE;
        previous = next;
    }
    return LINK_HIT_NONE;
}

bool FlowchartLinkGeometry::isBar(const CDiagramEntity* entity) {
    if (!entity)
        return false;
    const CString type = entity->getType();
    return type == "horizontalForkJoinNode" || type == "verticalForkJoinNode";
}

void FlowchartLinkGeometry::setSingleBendPoint(const CFlowchartEntityContainer& container,
                                               CFlowchartLink& link, const CFlowchartEntity& from,
                                               const CFlowchartEntity& to, double fraction) {
    const Ends ends = endPoints(container, link, from, to);
    const double x = ends.from.x + (ends.to.x - ends.from.x) * fraction;
    const double y = ends.from.y + (ends.to.y - ends.from.y) * fraction;
    link.addIntermediaryPoint(CPoint(CDiagramEntity::truncate(x), CDiagramEntity::truncate(y)));
}

void FlowchartLinkGeometry::updateOrthogonalPoints(const CFlowchartEntityContainer& container,
                                                   CFlowchartLink& link, const CFlowchartEntity& from,
                                                   const CFlowchartEntity& to) {
    const int mode = link.getRoutingMode();
    if (mode < ROUTING_VERTICAL_MIDDLE || mode > ROUTING_FREE_HORIZONTAL)
        return;
    const Ends ends = endPoints(container, link, from, to);
    CPoint first = link.getIntermediaryPoint(0);
    CPoint second = link.getIntermediaryPoint(1);
    switch (mode) {
    case ROUTING_VERTICAL_MIDDLE: {
        const int middle = (ends.from.x + ends.to.x) / 2;
        first = CPoint(middle, ends.from.y);
        second = CPoint(middle, ends.to.y);
        break;
    }
    case ROUTING_HORIZONTAL_MIDDLE: {
        const int middle = (ends.from.y + ends.to.y) / 2;
        first = CPoint(ends.from.x, middle);
        second = CPoint(ends.to.x, middle);
        break;
    }
    default: {
        // Modes 5 and 6: each point level with its end across the shared
        // line, the picked point giving the shared coordinate.
        const bool vertical = mode == ROUTING_FREE_VERTICAL;
        auto across = [vertical](CPoint& p) -> LONG& { return vertical ? p.y : p.x; };
        auto along = [vertical](CPoint& p) -> LONG& { return vertical ? p.x : p.y; };
        CPoint from = ends.from;
        CPoint to = ends.to;
        across(first) = across(from);
        across(second) = across(to);
        if (link.isFirstPointSelected())
            along(second) = along(first);
        else if (link.isSecondPointSelected())
            along(first) = along(second);
        break;
    }
    }
    link.setIntermediaryPoint(0, first);
    link.setIntermediaryPoint(1, second);
}

bool FlowchartLinkGeometry::routingChanges(const CFlowchartLink& link, int mode) {
    if (mode < 0 || mode >= ROUTING_MODE_COUNT)
        return false;
    return !(mode == ROUTING_ONE_POINT && link.getPointCount() == 1);
}

void FlowchartLinkGeometry::addPointsUpToTwo(const CFlowchartEntityContainer& container, CFlowchartLink& link,
                                             const CFlowchartEntity& from, const CFlowchartEntity& to) {
    if (link.getPointCount() == 0)
        setSingleBendPoint(container, link, from, to, 1.0 / 3);
    if (link.getPointCount() == 1)
        setSingleBendPoint(container, link, from, to, 2.0 / 3);
}

void FlowchartLinkGeometry::setSideIfOffered(CFlowchartLink& link, const CFlowchartEntity& entity,
                                             bool fromEnd, int side) {
    if (!(entity.getAllowedLinks() & side))
        return;
    if (fromEnd)
        link.setFromSide(side);
    else
        link.setToSide(side);
}

void FlowchartLinkGeometry::route(const CFlowchartEntityContainer& container, CFlowchartLink& link,
                                  const CFlowchartEntity& from, const CFlowchartEntity& to, int mode) {
    if (!routingChanges(link, mode))
        return;
    link.setRoutingMode(mode);
    const bool bars = isBar(&from) || isBar(&to);
    auto at = [](const CFlowchartEntity& entity, int side) { return entity.getLinkPosition(side, -1, -1); };
    switch (mode) {
    case ROUTING_STRAIGHT:
        link.clearIntermediaryPoints();
        break;
    case ROUTING_ONE_POINT:
        link.clearIntermediaryPoints();
        setSingleBendPoint(container, link, from, to, 0.5);
        break;
    case ROUTING_TWO_FREE_POINTS:
        addPointsUpToTwo(container, link, from, to);
        break;
    case ROUTING_VERTICAL_MIDDLE:
        addPointsUpToTwo(container, link, from, to);
        if (!bars) {
            if (at(from, LINK_RIGHT).x < at(to, LINK_LEFT).x) {
                setSideIfOffered(link, from, true, LINK_RIGHT);
                setSideIfOffered(link, to, false, LINK_LEFT);
            } else if (at(from, LINK_LEFT).x > at(to, LINK_RIGHT).x) {
                setSideIfOffered(link, from, true, LINK_LEFT);
                setSideIfOffered(link, to, false, LINK_RIGHT);
            }
        }
        updateOrthogonalPoints(container, link, from, to);
        break;
    case ROUTING_HORIZONTAL_MIDDLE:
        addPointsUpToTwo(container, link, from, to);
        if (!bars) {
            if (at(from, LINK_TOP).y > at(to, LINK_BOTTOM).y) {
                setSideIfOffered(link, from, true, LINK_TOP);
                setSideIfOffered(link, to, false, LINK_BOTTOM);
            } else if (at(from, LINK_BOTTOM).y < at(to, LINK_TOP).y) {
                setSideIfOffered(link, from, true, LINK_BOTTOM);
                setSideIfOffered(link, to, false, LINK_TOP);
            }
        }
        updateOrthogonalPoints(container, link, from, to);
        break;
    default: {
        // Modes 5 and 6: both points on a shared free coordinate 60 units
        // before the nearer one (5 when that would leave the paper), both
        // ends attached on the same side.
        const bool vertical = mode == ROUTING_FREE_VERTICAL;
        addPointsUpToTwo(container, link, from, to);
        CPoint first = link.getIntermediaryPoint(0);
        CPoint second = link.getIntermediaryPoint(1);
        int shared = vertical ? std::min(first.x, second.x) : std::min(first.y, second.y);
        shared = shared > 60 ? shared - 60 : 5;
        (vertical ? first.x : first.y) = shared;
        (vertical ? second.x : second.y) = shared;
        link.setIntermediaryPoint(0, first);
        link.setIntermediaryPoint(1, second);
        updateOrthogonalPoints(container, link, from, to);
        const int side = vertical ? LINK_LEFT : LINK_TOP;
        if (!isBar(&from))
            setSideIfOffered(link, from, true, side);
        if (!isBar(&to))
            setSideIfOffered(link, to, false, side);
        updateOrthogonalPoints(container, link, from, to);
        break;
    }
    }
}
