// Links kept in shape while entities and bend points move: the alignment
// walk, stretched bars, bend points that move with both their ends, dragged
// bend points, ends attached again on release, and the move limit.

#include "FlowchartLinkMover.h"
#include "FlowchartLinkGeometry.h"
#include "FlowchartLinkIndex.h"
#include "LinkedFlowchart.h"

#include <gtest/gtest.h>

#include <pthread.h>

#include <vector>

namespace {

// Moves the selected entities as the editor does, then lets the links follow.
void moveSelection(LinkedFlowchart& chart, double dx, double dy) {
    const auto before = FlowchartLinkMover::selectedPositions(chart.container);
    for (int i = 0; i < chart.container.getSize(); ++i)
        if (chart.container.getAt(i)->isSelected())
            chart.container.getAt(i)->moveRect(dx, dy);
    FlowchartLinkMover::followMovedEntities(chart.container, &before);
}

TEST(FlowchartLinkMoverTest, TheWalkShiftsTheChainAndStopsAtADecisionNode) {
    LinkedFlowchart chart;
    auto* a = chart.box(0, 100, 100, 150);
    auto* b = chart.box(200, 100, 300, 150);
    auto* decision = chart.decision(400, 80);
    auto* c = chart.box(600, 100, 700, 150);
    auto* below = chart.box(200, 300, 300, 350);
    chart.link(a, b, LINK_RIGHT, LINK_LEFT);
    chart.link(b, decision, LINK_RIGHT, LINK_LEFT);
    chart.link(decision, c, LINK_RIGHT, LINK_LEFT);
    chart.link(b, below, LINK_BOTTOM, LINK_TOP);
    a->select(TRUE);
    const CRect belowBefore = below->getRect();
    moveSelection(chart, 0, -20);

    EXPECT_EQ(b->getRect(), CRect(200, 80, 300, 130));
    // The decision node lines its left corner up with b's right side.
    EXPECT_EQ(decision->getLinkPosition(LINK_LEFT).y, 105);
    // Nothing beyond the decision node moves; a vertical link carries x only.
    EXPECT_EQ(c->getRect(), CRect(600, 100, 700, 150));
    EXPECT_EQ(below->getRect(), belowBefore);
    for (int i = 0; i < chart.container.getSize(); ++i)
        EXPECT_FALSE(static_cast<CFlowchartEntity*>(chart.container.getAt(i))->isMoved());
}

TEST(FlowchartLinkMoverTest, EntitiesMovedTogetherCarryTheirBendPoints) {
    LinkedFlowchart chart;
    auto* a = chart.box(0, 100, 100, 150);
    auto* b = chart.box(300, 100, 400, 150);
    auto* c = chart.box(500, 100, 600, 150);
    CFlowchartLink* bent = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
    bent->addIntermediaryPoint(CPoint(150, 200));
    bent->addIntermediaryPoint(CPoint(250, 200));
    CFlowchartLink* out = chart.link(b, c, LINK_RIGHT, LINK_LEFT);
    out->addIntermediaryPoint(CPoint(450, 300));
    a->select(TRUE);
    b->select(TRUE);
    moveSelection(chart, 0, -20);

    EXPECT_EQ(a->getRect(), CRect(0, 80, 100, 130));
    EXPECT_EQ(b->getRect(), CRect(300, 80, 400, 130));
    EXPECT_EQ(bent->getIntermediaryPoint(0), CPoint(150, 180));
    EXPECT_EQ(bent->getIntermediaryPoint(1), CPoint(250, 180));
    // c is not selected: its link's point stays, and c does not follow.
    EXPECT_EQ(out->getIntermediaryPoint(0), CPoint(450, 300));
    EXPECT_EQ(c->getRect(), CRect(500, 100, 600, 150));
}

TEST(FlowchartLinkMoverTest, ABarStretchesToMeetAMovedBox) {
    LinkedFlowchart chart;
    auto* a = chart.box(0, 100, 100, 150);
    auto* bar = chart.bar(true, 300, 0, 310, 100);
    auto* horizontal = chart.bar(false, 0, 400, 200, 410);
    chart.link(a, bar, LINK_RIGHT, LINK_END);
    chart.link(a, horizontal, LINK_BOTTOM, LINK_START);
    a->select(TRUE);
    moveSelection(chart, 250, 100);

    // a is now (250, 200)-(350, 250): its right side at y 225, its bottom at x 300.
    EXPECT_EQ(bar->getRect(), CRect(300, 0, 310, 225));
    EXPECT_EQ(horizontal->getRect(), CRect(0, 400, 300, 410));
}

TEST(FlowchartLinkMoverTest, BendPointsFollowOnlyARealMove) {
    // A link from an entity to itself: its bend points follow the entity's
    // own displacement, and a key or resize that moved nothing moves none.
    LinkedFlowchart chart;
    auto* a = chart.box(100, 100, 200, 150);
    CFlowchartLink* loop = chart.link(a, a, LINK_RIGHT, LINK_TOP);
    loop->addIntermediaryPoint(CPoint(250, 125));
    loop->addIntermediaryPoint(CPoint(250, 50));
    a->select(TRUE);

    moveSelection(chart, 30, 0);
    EXPECT_EQ(loop->getIntermediaryPoint(0), CPoint(280, 125));
    EXPECT_EQ(loop->getIntermediaryPoint(1), CPoint(280, 50));

    moveSelection(chart, 0, 0); // a key such as Ctrl+A
    FlowchartLinkMover::followMovedEntities(chart.container, nullptr);
    EXPECT_EQ(loop->getIntermediaryPoint(0), CPoint(280, 125));

    const auto before = FlowchartLinkMover::selectedPositions(chart.container);
    a->setLeft(110); // resized from its left edge
    FlowchartLinkMover::followMovedEntities(chart.container, &before);
    EXPECT_EQ(loop->getIntermediaryPoint(0), CPoint(280, 125));
    EXPECT_EQ(loop->getIntermediaryPoint(1), CPoint(280, 50));
}

// Runs the function on a thread with a small stack.
void onSmallStack(void (*function)(void*), void* data) {
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 256 * 1024);
    struct Call {
        void (*function)(void*);
        void* data;
    } call{function, data};
    pthread_t thread;
    ASSERT_EQ(pthread_create(
                  &thread, &attributes,
                  [](void* p) -> void* {
                      auto* c = static_cast<Call*>(p);
                      c->function(c->data);
                      return nullptr;
                  },
                  &call),
              0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
}

TEST(FlowchartLinkMoverTest, ALongChainIsWalkedOnASmallStack) {
    LinkedFlowchart chart;
    std::vector<CFlowchartEntity*> boxes;
    for (int i = 0; i < 10000; ++i) {
        boxes.push_back(chart.box(i * 150, 100, i * 150 + 100, 150));
        if (i > 0)
            chart.link(boxes[i - 1], boxes[i], LINK_RIGHT, LINK_LEFT);
    }
    boxes.front()->select(TRUE);
    boxes.front()->moveRect(0, -5);
    onSmallStack(
        [](void* c) {
            FlowchartLinkMover::followMovedEntities(*static_cast<CFlowchartEntityContainer*>(c), nullptr);
        },
        &chart.container);
    EXPECT_EQ(boxes[1]->getRect().top, 95);
    EXPECT_EQ(boxes.back()->getRect().top, 95);
}

TEST(FlowchartLinkMoverTest, ReleasedEndsTakeTheNearestSide) {
    struct ReattachCase {
        const char* what;
        std::vector<CPoint> points;
        bool firstMarked;
        bool secondMarked;
        bool selectFrom;
        bool selectTo;
        int fromSide;
        int toSide;
    };
    // a (0, 0)-(100, 50) linked right to left to b, moved to (100, 300)-(200, 350).
    const ReattachCase cases[] = {
        {"to end moved: nearest its last point",
         {{150, 25}, {250, 25}},
         false,
         false,
         false,
         true,
         LINK_RIGHT,
         LINK_TOP},
        {"from end moved: nearest its first point",
         {{50, 200}, {250, 25}},
         false,
         false,
         true,
         false,
         LINK_BOTTOM,
         LINK_LEFT},
        {"second point dragged", {{150, 25}, {90, 325}}, false, true, false, false, LINK_RIGHT, LINK_LEFT},
        {"one point dragged: both ends", {{150, 400}}, true, false, false, false, LINK_BOTTOM, LINK_BOTTOM},
        {"straight link, one end moved", {}, false, false, false, true, LINK_BOTTOM, LINK_TOP},
        {"straight link, nothing moved", {}, false, false, false, false, LINK_RIGHT, LINK_LEFT},
    };
    for (const ReattachCase& c : cases) {
        LinkedFlowchart chart;
        auto* a = chart.box(0, 0, 100, 50);
        auto* b = chart.box(100, 300, 200, 350);
        CFlowchartLink* link = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
        for (const CPoint point : c.points)
            link->addIntermediaryPoint(point);
        link->setFirstPointSelected(c.firstMarked);
        link->setSecondPointSelected(c.secondMarked);
        a->select(c.selectFrom);
        b->select(c.selectTo);
        FlowchartLinkMover::reattachEnds(chart.container);
        EXPECT_EQ(link->getFromSide(), c.fromSide) << c.what;
        EXPECT_EQ(link->getToSide(), c.toSide) << c.what;
        EXPECT_EQ(link->isSelected(), c.firstMarked || c.secondMarked) << c.what;
        EXPECT_FALSE(link->isFirstPointSelected() || link->isSecondPointSelected()) << c.what;
    }
}

TEST(FlowchartLinkMoverTest, ABarKeepsItsFaceOnRelease) {
    LinkedFlowchart chart;
    auto* a = chart.box(0, 0, 100, 50);
    auto* bar = chart.bar(true, 300, 0, 310, 200);
    CFlowchartLink* link = chart.link(a, bar, LINK_RIGHT, LINK_END);
    link->addIntermediaryPoint(CPoint(200, 500));
    bar->select(TRUE);
    FlowchartLinkMover::reattachEnds(chart.container);
    EXPECT_EQ(link->getToSide(), LINK_END);
}

TEST(FlowchartLinkMoverTest, DraggedBendPointsFollowTheirMode) {
    LinkedFlowchart chart;
    auto* a = chart.box(0, 0, 100, 50);
    auto* b = chart.box(400, 300, 500, 350);
    CFlowchartLink* free = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
    FlowchartLinkGeometry::route(chart.container, *free, *a, *b, 2);
    CFlowchartLink* shared = chart.link(a, b, LINK_BOTTOM, LINK_TOP);
    FlowchartLinkGeometry::route(chart.container, *shared, *a, *b, 5);
    CFlowchartLink* middle = chart.link(b, a, LINK_LEFT, LINK_RIGHT);
    FlowchartLinkGeometry::route(chart.container, *middle, *b, *a, 3);
    const CPoint freeSecond = free->getIntermediaryPoint(1);
    free->setFirstPointSelected(TRUE);
    shared->setFirstPointSelected(TRUE);
    shared->setSecondPointSelected(TRUE);
    b->moveRect(0, 100);

    FlowchartLinkMover::dragPickedPoints(chart.container, CPoint(300, 120));
    EXPECT_EQ(free->getIntermediaryPoint(0), CPoint(300, 120));
    EXPECT_EQ(free->getIntermediaryPoint(1), freeSecond);
    // Mode 5: the shared x follows the mouse, the heights stay on the ends.
    EXPECT_EQ(shared->getIntermediaryPoint(0), CPoint(300, 25));
    EXPECT_EQ(shared->getIntermediaryPoint(1), CPoint(300, 425));
    // Mode 3 is put back on its half-way line after b moved.
    EXPECT_EQ(middle->getIntermediaryPoint(0), CPoint(250, 425));
    EXPECT_EQ(middle->getIntermediaryPoint(1), CPoint(250, 25));
}

TEST(FlowchartLinkMoverTest, TheMoveLimitCountsEveryBendPoint) {
    struct LimitCase {
        const char* what;
        bool withPoint;
        double dx;
        double expected;
    };
    const LimitCase cases[] = {
        {"the entity stops at x 0", false, -20, -10},
        {"a bend point left of it stops it earlier", true, -20, -4},
        {"a move inside the paper is kept", true, -3, -3},
        {"the right edge", false, 900, 690},
    };
    for (const LimitCase& c : cases) {
        LinkedFlowchart chart;
        auto* a = chart.box(10, 10, 110, 60);
        auto* b = chart.box(500, 500, 600, 550);
        CFlowchartLink* link = chart.link(b, a, LINK_LEFT, LINK_RIGHT);
        if (c.withPoint)
            link->addIntermediaryPoint(CPoint(4, 100));
        a->select(TRUE);
        double dx = c.dx;
        double dy = 0;
        FlowchartLinkMover::constrainMove(chart.container, dx, dy, CRect(0, 0, 800, 600));
        EXPECT_DOUBLE_EQ(dx, c.expected) << c.what;
        EXPECT_DOUBLE_EQ(dy, 0) << c.what;
    }
}

} // namespace
