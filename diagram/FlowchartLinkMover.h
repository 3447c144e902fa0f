#pragma once

// What keeps the links of a flowchart in shape while its entities and bend
// points move: the alignment walk, which shifts the entities at the far end
// of links without bend points so that those links stay straight and
// stretches fork/join bars to meet the links that end on them; the bend
// points of links whose two ends moved together, which move with them;
// picked bend points following the mouse; the ends of moved links attached
// again to the best side when the button is released; and the move limit
// that keeps bend points on the paper as well.

#include "CFlowchartEntityContainer.h"
#include "CRect.h"

#include <utility>
#include <vector>

class FlowchartLinkIndex;

class FlowchartLinkMover {
public:
    // Where the selected linkable entities stood before an event that moves
    // them.
    using Positions = std::vector<std::pair<const CFlowchartEntity*, CRect>>;
    static Positions selectedPositions(const CFlowchartEntityContainer& container);

    // The walk from an entity (previous: the entity it was reached from, or
    // null). It marks every entity it visits as moved and runs without
    // recursion, so no chain is too long for it.
    static void alignLinkedEntities(CFlowchartEntityContainer& container, const FlowchartLinkIndex& index,
                                    CFlowchartEntity* entity, CFlowchartEntity* previous);

    // The walk from one entity with a fresh index, its marks cleared after.
    static void alignFrom(CFlowchartEntityContainer& container, CFlowchartEntity* entity);

    // After a move, resize or key: the walk from every selected linkable
    // entity; then, when the event moved the selection (before holds where it
    // stood), the bend points of each link between two selected, walked
    // entities move as far as its from entity really moved; then every moved
    // mark is cleared. A key that moved nothing, or a resize, moves no bend
    // point.
    static void followMovedEntities(CFlowchartEntityContainer& container, const Positions* before);

    // The picked bend points take the point (diagram units, snapped by the
    // caller); the links of routing modes 3 to 6 are put back on their lines.
    static void dragPickedPoints(CFlowchartEntityContainer& container, CPoint point);

    // When the button is released: the ends of links whose bend points were
    // dragged, or whose one end moved, take the side nearest their bend point
    // (or the best pair of sides without bend points); a link with a picked
    // point becomes selected; the marks are cleared.
    static void reattachEnds(CFlowchartEntityContainer& container);

    // Limits a move of the selection by (dx, dy) so that the selected linkable
    // entities and every link's bend points stay inside the area.
    static void constrainMove(const CFlowchartEntityContainer& container, double& dx, double& dy, CRect area);

    static void clearMovedMarks(const CFlowchartEntityContainer& container);
};
