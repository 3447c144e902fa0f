// The flowchart container: the sides a new link joins, the free axis of a
// bar's faces, the side nearest a point, links going with their entities
// through removal and undo, and the questions asked of two selected
// entities.

#include "CDiagramLine.h"
#include "CFlowchartEntityCondition.h"
#include "CFlowchartEntityContainer.h"
#include "CFlowchartLabel.h"
#include "StandInBar.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A linkable rectangle with the attach points of the base class.
std::unique_ptr<CFlowchartLabel> box(int left, int top, int right, int bottom) {
    auto label = std::make_unique<CFlowchartLabel>();
    label->setRect(left, top, right, bottom);
    return label;
}

std::unique_ptr<StandInBar> bar(bool vertical, int left, int top, int right, int bottom) {
    auto entity = std::make_unique<StandInBar>(vertical);
    entity->setRect(left, top, right, bottom);
    return entity;
}

// Adds the entity and answers it as the container holds it.
template <class Entity> Entity* put(CFlowchartEntityContainer& container, std::unique_ptr<Entity> entity) {
    Entity* raw = entity.get();
    container.add(std::move(entity));
    return raw;
}

TEST(FlowchartEntityContainerTest, LinkSidesFaceEachOther) {
    struct SideCase {
        const char* what;
        CRect a;
        CRect b;
        int from;
        int to;
    };
    const SideCase cases[] = {
        {"b right of a", {0, 0, 100, 50}, {200, 0, 300, 50}, LINK_RIGHT, LINK_LEFT},
        {"b left of a", {200, 0, 300, 50}, {0, 0, 100, 50}, LINK_LEFT, LINK_RIGHT},
        {"b above a", {0, 200, 100, 250}, {0, 0, 100, 50}, LINK_TOP, LINK_BOTTOM},
        {"b below a", {0, 0, 100, 50}, {0, 200, 100, 250}, LINK_BOTTOM, LINK_TOP},
        {"the nearer pair", {0, 0, 100, 50}, {200, 200, 300, 250}, LINK_RIGHT, LINK_LEFT},
        // Equal distances: the later pair wins, but for a pair from the top.
        {"tie, bottom after right", {0, 0, 100, 100}, {200, 200, 300, 300}, LINK_BOTTOM, LINK_TOP},
        {"tie, top after right", {0, 200, 100, 300}, {200, 0, 300, 100}, LINK_RIGHT, LINK_LEFT},
        {"overlapping", {0, 0, 100, 50}, {50, 20, 150, 70}, 0, 0},
    };
    for (const SideCase& c : cases) {
        CFlowchartEntityContainer container;
        auto* a = put(container, box(c.a.left, c.a.top, c.a.right, c.a.bottom));
        auto* b = put(container, box(c.b.left, c.b.top, c.b.right, c.b.bottom));
        int from = -1;
        int to = -1;
        EXPECT_EQ(container.findLinkSides(a, b, from, to), c.from != 0) << c.what;
        EXPECT_EQ(from, c.from) << c.what;
        EXPECT_EQ(to, c.to) << c.what;
        EXPECT_EQ(container.createLink(a, b, "x"), c.from != 0) << c.what;
        EXPECT_EQ(container.getLinkCount(), c.from != 0 ? 1 : 0) << c.what;
    }
}

TEST(FlowchartEntityContainerTest, LinksToBarsTakeTheirFreeCoordinate) {
    struct BarCase {
        const char* what;
        std::unique_ptr<CFlowchartEntity> a;
        std::unique_ptr<CFlowchartEntity> b;
        int from;
        int to;
        CPoint pointA;
        CPoint pointB;
    };
    BarCase cases[] = {
        {"box to a vertical bar: the box's y",
         box(0, 100, 100, 150),
         bar(true, 300, 0, 304, 400),
         LINK_RIGHT,
         LINK_END,
         {100, 125},
         {300, 125}},
        {"box to a horizontal bar: the box's x",
         box(0, 0, 100, 50),
         bar(false, 0, 200, 400, 204),
         LINK_BOTTOM,
         LINK_START,
         {50, 50},
         {50, 200}},
        {"two vertical bars overlapping partly: the weighted middle",
         bar(true, 0, 0, 4, 100),
         bar(true, 200, 50, 204, 250),
         LINK_START,
         LINK_END,
         {4, 70},
         {200, 70}},
        {"a box no bar faces", box(0, 0, 100, 50), bar(false, 0, 20, 400, 24), 0, 0, {}, {}},
    };
    for (BarCase& c : cases) {
        CFlowchartEntityContainer container;
        auto* a = put(container, std::move(c.a));
        auto* b = put(container, std::move(c.b));
        int from = -1;
        int to = -1;
        container.findLinkSides(a, b, from, to);
        EXPECT_EQ(from, c.from) << c.what;
        EXPECT_EQ(to, c.to) << c.what;
        if (c.from == 0)
            continue;
        CPoint pointA = a->getLinkPosition(from);
        CPoint pointB = b->getLinkPosition(to);
        container.resolveFreeY(pointA, pointB, a, b, nullptr);
        container.resolveFreeX(pointA, pointB, a, b, nullptr);
        EXPECT_EQ(pointA, c.pointA) << c.what;
        EXPECT_EQ(pointB, c.pointB) << c.what;
    }
}

TEST(FlowchartEntityContainerTest, FreeAxisResolution) {
    struct FreeCase {
        const char* what;
        CRect a;
        CRect b;
        CPoint pointA;
        CPoint pointB;
        int bendPoints;
        bool filled;
        CPoint resultA;
        CPoint resultB;
    };
    const FreeCase cases[] = {
        {"both free, b spans beyond a: a's middle",
         {0, 100, 4, 200},
         {50, 0, 54, 300},
         {2, -1},
         {52, -1},
         0,
         true,
         {2, 150},
         {52, 150}},
        {"both free, a spans beyond b: b's middle",
         {0, 0, 4, 300},
         {50, 100, 54, 200},
         {2, -1},
         {52, -1},
         0,
         true,
         {2, 150},
         {52, 150}},
        {"both free, partly overlapping",
         {0, 0, 4, 100},
         {50, 50, 54, 250},
         {2, -1},
         {52, -1},
         0,
         true,
         {2, 70},
         {52, 70}},
        {"both free, one span the same: weighted too",
         {0, 0, 4, 100},
         {50, 0, 54, 100},
         {2, -1},
         {52, -1},
         0,
         true,
         {2, 50},
         {52, 50}},
        {"a free: b's y", {0, 0, 4, 100}, {50, 0, 90, 40}, {2, -1}, {50, 20}, 0, true, {2, 20}, {50, 20}},
        {"a free: the link's last bend point",
         {0, 0, 4, 100},
         {50, 0, 90, 40},
         {2, -1},
         {50, 20},
         2,
         true,
         {2, 33},
         {50, 20}},
        {"b free: a's y", {0, 0, 40, 40}, {50, 0, 54, 100}, {40, 20}, {52, -1}, 0, true, {40, 20}, {52, 20}},
        {"b free: the link's last bend point",
         {0, 0, 40, 40},
         {50, 0, 54, 100},
         {40, 20},
         {52, -1},
         1,
         true,
         {40, 20},
         {52, 11}},
        {"nothing free", {0, 0, 40, 40}, {50, 0, 90, 40}, {40, 20}, {50, 20}, 2, false, {40, 20}, {50, 20}},
    };
    for (const FreeCase& c : cases) {
        CFlowchartEntityContainer container;
        auto* a = put(container, bar(true, c.a.left, c.a.top, c.a.right, c.a.bottom));
        auto* b = put(container, bar(true, c.b.left, c.b.top, c.b.right, c.b.bottom));
        CFlowchartLink link;
        if (c.bendPoints >= 1)
            link.addIntermediaryPoint(CPoint(7, 11));
        if (c.bendPoints >= 2)
            link.addIntermediaryPoint(CPoint(9, 33));
        CPoint pointA = c.pointA;
        CPoint pointB = c.pointB;
        EXPECT_EQ(bool(container.resolveFreeY(pointA, pointB, a, b, &link)), c.filled) << c.what;
        EXPECT_EQ(pointA, c.resultA) << c.what;
        EXPECT_EQ(pointB, c.resultB) << c.what;

        // The same along x, with the rectangles and points turned a quarter.
        auto* aX = put(container, bar(false, c.a.top, c.a.left, c.a.bottom, c.a.right));
        auto* bX = put(container, bar(false, c.b.top, c.b.left, c.b.bottom, c.b.right));
        CPoint turnedA(c.pointA.y, c.pointA.x);
        CPoint turnedB(c.pointB.y, c.pointB.x);
        CFlowchartLink turnedLink;
        if (c.bendPoints >= 1)
            turnedLink.addIntermediaryPoint(CPoint(11, 7));
        if (c.bendPoints >= 2)
            turnedLink.addIntermediaryPoint(CPoint(33, 9));
        EXPECT_EQ(bool(container.resolveFreeX(turnedA, turnedB, aX, bX, &turnedLink)), c.filled) << c.what;
        EXPECT_EQ(turnedA, CPoint(c.resultA.y, c.resultA.x)) << c.what;
        EXPECT_EQ(turnedB, CPoint(c.resultB.y, c.resultB.x)) << c.what;
    }
}

TEST(FlowchartEntityContainerTest, ClosestSideOnEqualDistancesIsTheLater) {
    struct ClosestCase {
        CPoint point;
        int side;
    };
    // Attach points of 0,0,100,100: left (0,50), right (100,50), top (50,0), bottom (50,100).
    const ClosestCase cases[] = {
        {{-10, 50}, LINK_LEFT}, {{150, 60}, LINK_RIGHT},   {{50, -20}, LINK_TOP},   {{40, 180}, LINK_BOTTOM},
        {{0, 0}, LINK_TOP},     {{100, 100}, LINK_BOTTOM}, {{0, 100}, LINK_BOTTOM}, {{100, 0}, LINK_TOP},
    };
    CFlowchartEntityContainer container;
    auto* entity = put(container, box(0, 0, 100, 100));
    for (const ClosestCase& c : cases) {
        int side = -1;
        EXPECT_TRUE(container.findClosestSide(entity, c.point, side));
        EXPECT_EQ(side, c.side) << c.point.x << "," << c.point.y;
    }
    // Special attach points are never the closest side.
    auto* forkBar = put(container, bar(true, 0, 0, 4, 100));
    int side = -1;
    EXPECT_FALSE(container.findClosestSide(forkBar, CPoint(2, 50), side));
    EXPECT_DOUBLE_EQ(CFlowchartEntityContainer::distance(0, 0, 3, -4), 5.0);
}

TEST(FlowchartEntityContainerTest, RemovingAnEntityRemovesItsLinksAndUndoBringsThemBack) {
    CFlowchartEntityContainer container;
    auto* a = put(container, box(0, 0, 100, 50));
    auto* b = put(container, box(200, 0, 300, 50));
    auto* c = put(container, box(400, 0, 500, 50));
    ASSERT_TRUE(container.createLink(a, b, "ab"));
    ASSERT_TRUE(container.createLink(b, c, "bc"));
    ASSERT_TRUE(container.createLink(a, c, "ac"));
    const std::string nameB = b->getName().GetString();
    container.snapshot();
    b->select(TRUE);
    container.removeSelected();
    ASSERT_EQ(container.getLinkCount(), 1);
    EXPECT_EQ(container.getLinkAt(0)->getLabel(), "ac");

    container.undo();
    ASSERT_EQ(container.getSize(), 3);
    EXPECT_EQ(container.getAt(1)->getName(), nameB.c_str());
    ASSERT_EQ(container.getLinkCount(), 3);
    EXPECT_EQ(container.getLinkAt(0)->getToName(), nameB.c_str());
    EXPECT_EQ(container.getLinkAt(1)->getFromName(), nameB.c_str());
    EXPECT_NE(container.findLinkBetween(static_cast<CFlowchartEntity*>(container.getAt(0)),
                                        static_cast<CFlowchartEntity*>(container.getAt(1))),
              nullptr);
}

TEST(FlowchartEntityContainerTest, LinkSnapshotsRunInStepWithEntitySnapshots) {
    CFlowchartEntityContainer container;
    container.setUndoStackSize(3);
    auto* a = put(container, box(0, 0, 100, 50));
    auto* b = put(container, box(200, 0, 300, 50));
    for (int i = 1; i <= 4; ++i) {
        container.snapshot();
        a->setTitle(CString(std::to_string(i)));
        container.createLink(a, b, CString(std::to_string(i)));
    }
    EXPECT_EQ(container.getUndoCount(), 3);
    // Each undo gives back the title and the links of one moment.
    for (int links = 3; links >= 1; --links) {
        container.undo();
        EXPECT_EQ(container.getLinkCount(), links);
        EXPECT_EQ(container.getAt(0)->getTitle(), std::to_string(links).c_str());
    }
}

TEST(FlowchartEntityContainerTest, HasLinkGuardsSidesThatTakeOneLink) {
    CFlowchartEntityContainer container;
    auto* a = put(container, box(0, 0, 100, 50));
    auto* b = put(container, box(200, 0, 300, 50));
    auto* c = put(container, box(200, 100, 300, 150));
    EXPECT_FALSE(container.hasLink(a, b));
    container.createLink(a, b, "");
    EXPECT_TRUE(container.hasLink(a, b));
    // a's right side is taken: no second link from it, to anyone.
    EXPECT_TRUE(container.hasLink(a, c));

    // A condition takes several links on one side.
    auto condition = std::make_unique<CFlowchartEntityCondition>();
    condition->setRect(0, 300, 36, 332);
    auto* decision = put(container, std::move(condition));
    auto* d = put(container, box(200, 290, 300, 330));
    auto* e = put(container, box(200, 350, 300, 390));
    container.createLink(decision, d, "");
    EXPECT_FALSE(container.hasLink(decision, e));

    // Between special attach points the same pair, either way, is the link.
    auto* bar1 = put(container, bar(true, 500, 0, 504, 100));
    auto* bar2 = put(container, bar(true, 600, 0, 604, 100));
    EXPECT_FALSE(container.hasLink(bar1, bar2));
    container.createLink(bar1, bar2, "");
    EXPECT_TRUE(container.hasLink(bar1, bar2));
    container.getLinkAt(container.getLinkCount() - 1)->flip();
    EXPECT_TRUE(container.hasLink(bar1, bar2));
}

TEST(FlowchartEntityContainerTest, SelectionQueriesTakeLinkableEntitiesInSelectionOrder) {
    CFlowchartEntityContainer container;
    auto* a = put(container, box(0, 0, 100, 50));
    auto* line = put(container, std::make_unique<CDiagramLine>());
    auto* b = put(container, box(200, 0, 300, 50));
    EXPECT_EQ(container.getFirstSelected(), nullptr);
    b->select(TRUE);
    line->select(TRUE); // not linkable: not counted
    a->select(TRUE);
    EXPECT_EQ(container.getSelectedLinkableCount(), 2);
    EXPECT_EQ(container.getLastSelectedLinkable(), b);
    EXPECT_EQ(container.getFirstSelected(), b);
    EXPECT_EQ(container.getSecondSelected(), a);
    EXPECT_TRUE(container.canLinkSelection());
    EXPECT_FALSE(container.isSelectionLinked());
    EXPECT_EQ(container.getSelectionLinkFrom(), nullptr);

    container.createLink(container.getFirstSelected(), container.getSecondSelected(), "");
    EXPECT_TRUE(container.isSelectionLinked());
    EXPECT_EQ(container.getSelectionLinkFrom(), b);
    EXPECT_EQ(container.getSelectionLinkTo(), a);
    EXPECT_FALSE(container.canLinkSelection());

    // Equal selection times name the lower index both times.
    a->restoreSelection(TRUE, 7);
    b->restoreSelection(TRUE, 7);
    EXPECT_EQ(container.getFirstSelected(), a);
    EXPECT_EQ(container.getSecondSelected(), a);
}

// Entities selected one right after the other are told apart: their order
// comes from a counter, not from a clock that may show the same time.
TEST(FlowchartEntityContainerTest, TwoEntitiesSelectedAtOnceCanBeLinked) {
    CFlowchartEntityContainer container;
    auto* a = put(container, box(0, 0, 100, 50));
    auto* b = put(container, box(200, 0, 300, 50));
    a->select(TRUE);
    b->select(TRUE);
    EXPECT_EQ(container.getFirstSelected(), a);
    EXPECT_EQ(container.getSecondSelected(), b);
    int from = 0;
    int to = 0;
    EXPECT_TRUE(
        container.findLinkSides(container.getFirstSelected(), container.getSecondSelected(), from, to));
}

} // namespace
