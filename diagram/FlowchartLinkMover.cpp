#include "FlowchartLinkMover.h"

#include "FlowchartLinkGeometry.h"
#include "FlowchartLinkIndex.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Grows an entity along one axis so that it reaches the coordinate.
void stretchTo(CFlowchartEntity& entity, int coordinate, bool vertical) {
    const CRect rect = entity.getRect();
    if (vertical) {
        if (coordinate > rect.bottom)
            entity.setBottom(coordinate);
        if (coordinate < rect.top)
            entity.setTop(coordinate);
    } else {
        if (coordinate > rect.right)
            entity.setRight(coordinate);
        if (coordinate < rect.left)
            entity.setLeft(coordinate);
    }
}

bool isHorizontalSide(int side) {
    return side == LINK_LEFT || side == LINK_RIGHT;
}

bool isVerticalSide(int side) {
    return side == LINK_TOP || side == LINK_BOTTOM;
}

} // namespace

void FlowchartLinkMover::clearMovedMarks(const CFlowchartEntityContainer& container) {
    for (int i = 0; i < container.getSize(); ++i)
        if (auto* linkable = dynamic_cast<CFlowchartEntity*>(container.getAt(i)))
            linkable->setMoved(0);
}

void FlowchartLinkMover::alignFrom(CFlowchartEntityContainer& container, CFlowchartEntity* entity) {
    if (!entity)
        return;
    alignLinkedEntities(container, FlowchartLinkIndex(container), entity, nullptr);
    clearMovedMarks(container);
}

FlowchartLinkMover::Positions
FlowchartLinkMover::selectedPositions(const CFlowchartEntityContainer& container) {
    Positions positions;
    for (int i = 0; i < container.getSize(); ++i)
        if (auto* linkable = dynamic_cast<const CFlowchartEntity*>(container.getAt(i));
            linkable && linkable->isSelected())
            positions.emplace_back(linkable, linkable->getRect());
    return positions;
}

void FlowchartLinkMover::alignLinkedEntities(CFlowchartEntityContainer& container,
                                             const FlowchartLinkIndex& index, CFlowchartEntity* entity,
                                             CFlowchartEntity* previous) {
    // One frame per entity of the chain being walked: the links of the
    // entity still to look at. A shifted entity is walked before the links
    // of the one that shifted it go on, as a recursive walk would.
    struct Frame {
        CFlowchartEntity* entity;
        CFlowchartEntity* previous;
        const std::vector<int>* links;
        size_t next;
    };
    std::vector<Frame> frames;
    entity->setMoved(1);
    frames.push_back({entity, previous, &index.linksOf(entity->getName()), 0});
    while (!frames.empty()) {
        Frame& frame = frames.back();
        if (frame.next >= frame.links->size()) {
            frames.pop_back();
            continue;
        }
        CFlowchartLink& link = *container.getLinkAt((*frame.links)[frame.next++]);
        CFlowchartEntity* const e = frame.entity;
        const bool eIsBar = FlowchartLinkGeometry::isBar(e);
        const bool hasPoints = link.getPointCount() > 0;
        if (hasPoints && !eIsBar)
            continue;
        const bool fromHere = link.getFromName() == e->getName();
        const int sideE = fromHere ? link.getFromSide() : link.getToSide();
        const int sideO = fromHere ? link.getToSide() : link.getFromSide();
        CFlowchartEntity* const other = index.entity(fromHere ? link.getToName() : link.getFromName());
        if (!other || other == frame.previous || other->isMoved())
            continue;
        if (e->getType() == "flowchart_condition" && !FlowchartLinkGeometry::isBar(other))
            continue;

        CPoint pE = e->getLinkPosition(sideE, -1, -1);
        CPoint pO = other->getLinkPosition(sideO, -1, -1);
        const CPoint lastPoint = hasPoints ? link.getIntermediaryPoint(link.getPointCount() - 1) : CPoint();
        // Bars grow to meet the link along the axis their faces are free on.
        for (const bool vertical : {true, false}) {
            LONG& atE = vertical ? pE.y : pE.x;
            LONG& atO = vertical ? pO.y : pO.x;
            const LONG fromPoint = vertical ? lastPoint.y : lastPoint.x;
            if (atE == -1 && atO == -1) {
                if (vertical)
                    container.resolveFreeY(pE, pO, e, other, nullptr);
                else
                    container.resolveFreeX(pE, pO, e, other, nullptr);
                stretchTo(*e, atE, vertical);
                stretchTo(*other, atE, vertical);
            } else if (atE == -1) {
                atE = hasPoints ? fromPoint : atO;
                stretchTo(*e, atE, vertical);
            } else if (atO == -1) {
                atO = hasPoints ? fromPoint : atE;
                stretchTo(*other, atO, vertical);
            }
        }
        if (hasPoints)
            continue;

        // The far entity gives way so that the link runs straight.
        const int deciding = isHorizontalSide(sideE) || isVerticalSide(sideE) ? sideE : sideO;
        int dx = 0;
        int dy = 0;
        if (isHorizontalSide(deciding))
            dy = pE.y - pO.y;
        else if (isVerticalSide(deciding))
            dx = pE.x - pO.x;
        if (dx == 0 && dy == 0)
            continue;
        other->moveRect(dx, dy);
        other->setMoved(1);
        frames.push_back({other, e, &index.linksOf(other->getName()), 0});
    }
}

void FlowchartLinkMover::followMovedEntities(CFlowchartEntityContainer& container, const Positions* before) {
    const FlowchartLinkIndex index(container);
    for (int i = 0; i < container.getSize(); ++i)
        if (auto* linkable = dynamic_cast<CFlowchartEntity*>(container.getAt(i));
            linkable && linkable->isSelected())
            alignLinkedEntities(container, index, linkable, nullptr);

    if (before) {
        std::unordered_map<const CFlowchartEntity*, CRect> was(before->begin(), before->end());
        // How far an entity moved in this event; nothing for one resized.
        auto displacement = [&](const CFlowchartEntity* entity) {
            const auto it = was.find(entity);
            const CRect now = entity->getRect();
            if (it == was.end() || it->second.Size() != now.Size())
                return CSize(0, 0);
            return CSize(now.left - it->second.left, now.top - it->second.top);
        };
        auto walked = [](const CFlowchartEntity* entity) {
            return entity && entity->isSelected() && entity->isMoved();
        };
        for (int i = 0; i < container.getLinkCount(); ++i) {
            CFlowchartLink& link = *container.getLinkAt(i);
            if (link.getPointCount() == 0)
                continue;
            const CFlowchartEntity* from = index.from(link);
            const CFlowchartEntity* to = index.to(link);
            if (!walked(from) || !walked(to))
                continue;
            const CSize step = displacement(from);
            if (step.cx == 0 && step.cy == 0)
                continue;
            for (int p = 0; p < link.getPointCount(); ++p)
                link.setIntermediaryPoint(p, link.getIntermediaryPoint(p) + step);
        }
    }
    clearMovedMarks(container);
}

void FlowchartLinkMover::dragPickedPoints(CFlowchartEntityContainer& container, CPoint point) {
    const FlowchartLinkIndex index(container);
    for (int i = 0; i < container.getSize(); ++i) {
        const auto* from = dynamic_cast<const CFlowchartEntity*>(container.getAt(i));
        if (!from)
            continue;
        for (const int linkIndex : index.linksFrom(from->getName())) {
            CFlowchartLink& link = *container.getLinkAt(linkIndex);
            if (link.isFirstPointSelected())
                link.setIntermediaryPoint(0, point);
            if (link.isSecondPointSelected())
                link.setIntermediaryPoint(1, point);
            const int mode = link.getRoutingMode();
            if (mode >= ROUTING_VERTICAL_MIDDLE && mode <= ROUTING_FREE_HORIZONTAL)
                if (const CFlowchartEntity* to = index.to(link))
                    FlowchartLinkGeometry::updateOrthogonalPoints(container, link, *from, *to);
        }
    }
}

void FlowchartLinkMover::reattachEnds(CFlowchartEntityContainer& container) {
    const FlowchartLinkIndex index(container);
    for (int i = 0; i < container.getLinkCount(); ++i) {
        CFlowchartLink& link = *container.getLinkAt(i);
        const CFlowchartEntity* from = index.from(link);
        const CFlowchartEntity* to = index.to(link);
        // The side of an end nearest a point; bars keep their faces.
        auto nearest = [&](const CFlowchartEntity* entity, CPoint point, bool fromEnd) {
            int side = 0;
            if (!entity || FlowchartLinkGeometry::isBar(entity) ||
                !container.findClosestSide(entity, point, side))
                return;
            if (fromEnd)
                link.setFromSide(side);
            else
                link.setToSide(side);
        };
        const int count = link.getPointCount();
        const bool first = link.isFirstPointSelected();
        const bool second = link.isSecondPointSelected();
        if (first && count == 2)
            nearest(from, link.getIntermediaryPoint(0), true);
        if (second && count == 2)
            nearest(to, link.getIntermediaryPoint(1), false);
        if (first && count == 1) {
            nearest(from, link.getIntermediaryPoint(0), true);
            nearest(to, link.getIntermediaryPoint(0), false);
        }
        if (count > 0 && from && to) {
            if (to->isSelected() && !from->isSelected())
                nearest(to, link.getIntermediaryPoint(count - 1), false);
            else if (from->isSelected() && !to->isSelected())
                nearest(from, link.getIntermediaryPoint(0), true);
        }
        if (count == 0 && from && to && (from->isSelected() || to->isSelected())) {
            int fromSide = 0;
            int toSide = 0;
            if (container.findLinkSides(from, to, fromSide, toSide)) {
                link.setFromSide(fromSide);
                link.setToSide(toSide);
            }
        }
        if (first || second)
            link.setSelected(TRUE);
        link.setFirstPointSelected(FALSE);
        link.setSecondPointSelected(FALSE);
    }
}

void FlowchartLinkMover::constrainMove(const CFlowchartEntityContainer& container, double& dx, double& dy,
                                       CRect area) {
    double minX = 4294967295.0;
    double minY = 4294967295.0;
    double maxX = 0.0;
    double maxY = 0.0;
    auto take = [&](double left, double top, double right, double bottom) {
        minX = std::min(minX, left);
        minY = std::min(minY, top);
        maxX = std::max(maxX, right);
        maxY = std::max(maxY, bottom);
    };
    const FlowchartLinkIndex index(container);
    for (int i = 0; i < container.getSize(); ++i) {
        const auto* linkable = dynamic_cast<const CFlowchartEntity*>(container.getAt(i));
        if (!linkable)
            continue;
        if (linkable->isSelected())
            take(linkable->getLeft() + dx, linkable->getTop() + dy, linkable->getRight() + dx,
                 linkable->getBottom() + dy);
        // Every link's bend points, selected or not.
        for (const int linkIndex : index.linksFrom(linkable->getName())) {
            const CFlowchartLink& link = *container.getLinkAt(linkIndex);
            for (int p = 0; p < link.getPointCount(); ++p) {
                const CPoint point = link.getIntermediaryPoint(p);
                take(point.x + dx, point.y + dy, point.x + dx, point.y + dy);
            }
        }
    }
    if (minX < area.left)
        dx += area.left - minX;
    if (minY < area.top)
        dy += area.top - minY;
    if (maxX > area.right)
        dx -= maxX - area.right;
    if (maxY > area.bottom)
        dy -= maxY - area.bottom;
}
