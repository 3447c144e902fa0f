// The geometry of one link: what lies under a point, and where the bend
// points go in each routing mode.

#include "FlowchartLinkGeometry.h"
#include "LinkedFlowchart.h"
#include "RecordingUserInterface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(FlowchartLinkGeometryTest, HitCodesOfAStraightLinkAndItsBendPoints) {
    // From (100, 50), the right side of a, to (300, 50), the left side of b.
    LinkedFlowchart chart;
    auto* a = chart.box(0, 0, 100, 100);
    auto* b = chart.box(300, 0, 400, 100);
    CFlowchartLink* straight = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
    struct HitCase {
        CPoint point;
        int code;
    };
    const HitCase cases[] = {
        {{200, 50}, LINK_HIT_LINE},     {{200, 53}, LINK_HIT_LINE},   {{200, 47}, LINK_HIT_LINE},
        {{200, 54}, LINK_HIT_NONE},     {{200, 46}, LINK_HIT_NONE},   {{95, 45}, LINK_HIT_FROM_END},
        {{104, 54}, LINK_HIT_FROM_END}, {{100, 55}, LINK_HIT_NONE},   {{105, 50}, LINK_HIT_LINE},
        {{295, 50}, LINK_HIT_TO_END},   {{304, 54}, LINK_HIT_TO_END}, {{305, 50}, LINK_HIT_NONE},
        {{300, 45}, LINK_HIT_TO_END},   {{300, 44}, LINK_HIT_NONE},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(FlowchartLinkGeometry::hitTest(chart.container, *straight, a, b, c.point), c.code)
            << c.point.x << "," << c.point.y;

    straight->addIntermediaryPoint(CPoint(150, 200));
    straight->addIntermediaryPoint(CPoint(250, 200));
    const HitCase bent[] = {
        {{150, 200}, LINK_HIT_FIRST_POINT}, {{254, 204}, LINK_HIT_SECOND_POINT},
        {{200, 203}, LINK_HIT_LINE},        {{200, 50}, LINK_HIT_NONE}, // the straight line is gone
        {{125, 125}, LINK_HIT_LINE},
    };
    for (const HitCase& c : bent)
        EXPECT_EQ(FlowchartLinkGeometry::hitTest(chart.container, *straight, a, b, c.point), c.code)
            << c.point.x << "," << c.point.y;
    EXPECT_EQ(FlowchartLinkGeometry::hitTest(chart.container, *straight, a, nullptr, CPoint(200, 200)),
              LINK_HIT_NONE);
}

TEST(FlowchartLinkGeometryTest, AFreeFaceTakesTheOtherEndsCoordinate) {
    LinkedFlowchart chart;
    auto* a = chart.box(0, 0, 100, 100);
    auto* bar = chart.bar(true, 300, 0, 310, 200);
    CFlowchartLink* link = chart.link(a, bar, LINK_RIGHT, LINK_END);
    const auto ends = FlowchartLinkGeometry::endPoints(chart.container, *link, *a, *bar);
    EXPECT_EQ(ends.from, CPoint(100, 50));
    EXPECT_EQ(ends.to, CPoint(303, 50));
    EXPECT_TRUE(ends.filledY);
    EXPECT_FALSE(ends.filledX);
    EXPECT_EQ(FlowchartLinkGeometry::hitTest(chart.container, *link, a, bar, CPoint(303, 48)),
              LINK_HIT_TO_END);
}

struct RouteCase {
    const char* what;
    int mode;
    std::vector<CPoint> before; // bend points the link has already
    int fromSide;               // the sides afterwards
    int toSide;
    std::vector<CPoint> points; // and its bend points
};

TEST(FlowchartLinkGeometryTest, RoutingModesPlaceTheBendPoints) {
    // a (0, 0)-(128, 64) and b (400, 200)-(528, 264), linked right to left:
    // from (128, 32) to (400, 232).
    const RouteCase cases[] = {
        {"straight", 0, {{10, 10}}, LINK_RIGHT, LINK_LEFT, {}},
        {"one point half way", 1, {}, LINK_RIGHT, LINK_LEFT, {{264, 132}}},
        {"one point again from two", 1, {{1, 1}, {2, 2}}, LINK_RIGHT, LINK_LEFT, {{264, 132}}},
        {"two free points", 2, {}, LINK_RIGHT, LINK_LEFT, {{218, 98}, {309, 165}}},
        {"the half-way point kept", 2, {{264, 132}}, LINK_RIGHT, LINK_LEFT, {{264, 132}, {309, 165}}},
        {"vertical line half way", 3, {}, LINK_RIGHT, LINK_LEFT, {{264, 32}, {264, 232}}},
        {"horizontal line half way", 4, {}, LINK_BOTTOM, LINK_TOP, {{64, 132}, {464, 132}}},
        {"free vertical line", 5, {}, LINK_LEFT, LINK_LEFT, {{158, 32}, {158, 232}}},
        {"free vertical line at x 60", 5, {{60, 100}, {90, 100}}, LINK_LEFT, LINK_LEFT, {{5, 32}, {5, 232}}},
        {"free vertical line at x 61", 5, {{61, 100}, {90, 100}}, LINK_LEFT, LINK_LEFT, {{1, 32}, {1, 232}}},
        {"free horizontal line", 6, {}, LINK_TOP, LINK_TOP, {{64, 38}, {464, 38}}},
    };
    for (const RouteCase& c : cases) {
        LinkedFlowchart chart;
        auto* a = chart.box(0, 0, 128, 64);
        auto* b = chart.box(400, 200, 528, 264);
        CFlowchartLink* link = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
        for (const CPoint point : c.before)
            link->addIntermediaryPoint(point);
        ASSERT_TRUE(FlowchartLinkGeometry::routingChanges(*link, c.mode)) << c.what;
        FlowchartLinkGeometry::route(chart.container, *link, *a, *b, c.mode);
        EXPECT_EQ(link->getRoutingMode(), c.mode) << c.what;
        EXPECT_EQ(link->getFromSide(), c.fromSide) << c.what;
        EXPECT_EQ(link->getToSide(), c.toSide) << c.what;
        std::vector<CPoint> points;
        for (int i = 0; i < link->getPointCount(); ++i)
            points.push_back(link->getIntermediaryPoint(i));
        EXPECT_EQ(points, c.points) << c.what;
    }
}

TEST(FlowchartLinkGeometryTest, OrthogonalRoutingKeepsTheSidesOfOverlappingEntities) {
    // b overlaps a horizontally: no pair of left and right sides faces, so
    // mode 3 keeps bottom to top and only places the points.
    LinkedFlowchart chart;
    auto* a = chart.box(0, 0, 128, 64);
    auto* b = chart.box(100, 200, 228, 264);
    CFlowchartLink* link = chart.link(a, b, LINK_BOTTOM, LINK_TOP);
    FlowchartLinkGeometry::route(chart.container, *link, *a, *b, 3);
    EXPECT_EQ(link->getFromSide(), LINK_BOTTOM);
    EXPECT_EQ(link->getToSide(), LINK_TOP);
    EXPECT_EQ(link->getIntermediaryPoint(0), CPoint(114, 64));
    EXPECT_EQ(link->getIntermediaryPoint(1), CPoint(114, 200));
}

TEST(FlowchartLinkGeometryTest, ModeOneOnALinkWithItsPointChangesNothing) {
    LinkedFlowchart chart;
    auto* a = chart.box(0, 0, 128, 64);
    auto* b = chart.box(400, 200, 528, 264);
    CFlowchartLink* link = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
    link->addIntermediaryPoint(CPoint(7, 7));
    EXPECT_FALSE(FlowchartLinkGeometry::routingChanges(*link, 1));
    EXPECT_FALSE(FlowchartLinkGeometry::routingChanges(*link, 7));
    EXPECT_FALSE(FlowchartLinkGeometry::routingChanges(*link, -1));
    FlowchartLinkGeometry::route(chart.container, *link, *a, *b, 1);
    EXPECT_EQ(link->getRoutingMode(), 0);
    EXPECT_EQ(link->getIntermediaryPoint(0), CPoint(7, 7));
}

TEST(FlowchartLinkGeometryTest, ModesFiveAndSixLeaveABarOnItsFace) {
    LinkedFlowchart chart;
    auto* a = chart.box(0, 0, 128, 64);
    auto* bar = chart.bar(true, 400, 100, 410, 300);
    CFlowchartLink* link = chart.link(a, bar, LINK_RIGHT, LINK_END);
    FlowchartLinkGeometry::route(chart.container, *link, *a, *bar, 5);
    EXPECT_EQ(link->getFromSide(), LINK_LEFT);
    EXPECT_EQ(link->getToSide(), LINK_END);
}

TEST(FlowchartLinkGeometryTest, ModeTwoOnATwoPointLinkAddsNoThirdPoint) {
    RecordingUserInterface ui;
    LinkedFlowchart chart;
    auto* a = chart.box(0, 0, 128, 64);
    auto* b = chart.box(400, 200, 528, 264);
    CFlowchartLink* link = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
    link->addIntermediaryPoint(CPoint(1, 2));
    link->addIntermediaryPoint(CPoint(3, 4));
    FlowchartLinkGeometry::route(chart.container, *link, *a, *b, 2);
    EXPECT_EQ(link->getPointCount(), 2);
    EXPECT_EQ(link->getIntermediaryPoint(1), CPoint(3, 4));
    EXPECT_TRUE(ui.messages.empty());
}

} // namespace
