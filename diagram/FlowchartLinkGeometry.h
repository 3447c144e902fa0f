#pragma once

// The geometry of one link of a flowchart in diagram units: its two end
// points, what lies under a point (the hit codes of the link), and where its
// bend points go in each of the seven routing modes. The editor's link
// commands, its mouse handling and the walk that moves linked entities use
// it; none of it paints or takes undo snapshots.

#include "CFlowchartEntity.h"
#include "CFlowchartEntityContainer.h"
#include "CFlowchartLink.h"
#include "CPoint.h"

// Hit codes of a link.
constexpr int LINK_HIT_NONE = 0;
constexpr int LINK_HIT_LINE = 1;
constexpr int LINK_HIT_FIRST_POINT = 10;
constexpr int LINK_HIT_SECOND_POINT = 11;
constexpr int LINK_HIT_FROM_END = 12;
constexpr int LINK_HIT_TO_END = 13;

// Routing modes (the link's routingMode).
constexpr int ROUTING_STRAIGHT = 0;
constexpr int ROUTING_ONE_POINT = 1;
constexpr int ROUTING_TWO_FREE_POINTS = 2;
constexpr int ROUTING_VERTICAL_MIDDLE = 3;   // two horizontal lines and one vertical half way
constexpr int ROUTING_HORIZONTAL_MIDDLE = 4; // two vertical lines and one horizontal half way
constexpr int ROUTING_FREE_VERTICAL = 5;     // two horizontal lines at the ends' heights, a shared free x
constexpr int ROUTING_FREE_HORIZONTAL = 6;   // two vertical lines at the ends' x, a shared free y
constexpr int ROUTING_MODE_COUNT = 7;

class FlowchartLinkGeometry {
public:
    // The attach points of the link's two sides, asked without a hint, with
    // the coordinates that are free along a bar filled in (given the link, so
    // that a bend point gives a free end its coordinate).
    struct Ends {
        CPoint from;
        CPoint to;
        bool filledY = false; // a y was filled: an end lies on a vertical bar
        bool filledX = false; // an x was filled: an end lies on a horizontal bar
    };
    static Ends endPoints(const CFlowchartEntityContainer& container, const CFlowchartLink& link,
                          const CFlowchartEntity& from, const CFlowchartEntity& to);

    // What of the link lies under a point: 12 or 13 inside the 10 x 10
    // square about the from or to end, 10 or 11 inside the one about bend
    // point 1 or 2, 1 within 3 units of a pixel of the line on both axes,
    // else 0. 0 when an end entity is missing.
    static int hitTest(const CFlowchartEntityContainer& container, const CFlowchartLink& link,
                       const CFlowchartEntity* from, const CFlowchartEntity* to, CPoint point);

    // A fork/join bar, whose faces are free along the bar.
    static bool isBar(const CDiagramEntity* entity);

    // Appends a bend point at a fraction of the way between the two ends.
    static void setSingleBendPoint(const CFlowchartEntityContainer& container, CFlowchartLink& link,
                                   const CFlowchartEntity& from, const CFlowchartEntity& to, double fraction);
    // Puts the bend points of routing modes 3 to 6 back on their lines; in
    // modes 5 and 6 the marked point gives the shared free coordinate.
    static void updateOrthogonalPoints(const CFlowchartEntityContainer& container, CFlowchartLink& link,
                                       const CFlowchartEntity& from, const CFlowchartEntity& to);

    // Whether routing the link in a mode changes anything: mode 1 on a link
    // that has its one bend point already does not, nor a mode outside 0-6.
    static bool routingChanges(const CFlowchartLink& link, int mode);
    // Gives the link the mode and the bend points and sides of that mode.
    static void route(const CFlowchartEntityContainer& container, CFlowchartLink& link,
                      const CFlowchartEntity& from, const CFlowchartEntity& to, int mode);

private:
    // Bend points at one third and two thirds, as far as two.
    static void addPointsUpToTwo(const CFlowchartEntityContainer& container, CFlowchartLink& link,
                                 const CFlowchartEntity& from, const CFlowchartEntity& to);
    static void setSideIfOffered(CFlowchartLink& link, const CFlowchartEntity& entity, bool fromEnd,
                                 int side);
};
