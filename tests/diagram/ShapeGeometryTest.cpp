// Where links attach to the shapes, and the hit tests of the line and the
// condition.

#include "CDiagramLine.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartEntityCondition.h"
#include "CFlowchartEntityTerminator.h"

#include <gtest/gtest.h>

namespace {

TEST(ShapeGeometryTest, LinkPositionsOfTheBaseAreTheSideMiddles) {
    struct PositionCase {
        CRect rect;
        int side;
        CPoint point;
    };
    const PositionCase cases[] = {
        {{0, 0, 128, 64}, LINK_LEFT, {0, 32}},   {{0, 0, 128, 64}, LINK_RIGHT, {128, 32}},
        {{0, 0, 128, 64}, LINK_TOP, {64, 0}},    {{0, 0, 128, 64}, LINK_BOTTOM, {64, 64}},
        {{10, 10, 21, 31}, LINK_LEFT, {10, 21}}, {{10, 10, 21, 31}, LINK_RIGHT, {21, 21}},
        {{10, 10, 21, 31}, LINK_TOP, {16, 10}},  {{10, 10, 21, 31}, LINK_BOTTOM, {16, 31}},
        {{0, 0, 128, 64}, LINK_START, {-1, -1}}, {{0, 0, 128, 64}, 3, {-1, -1}},
    };
    for (const PositionCase& c : cases) {
        CFlowchartEntityBox box;
        box.setRect(c.rect.left, c.rect.top, c.rect.right, c.rect.bottom);
        EXPECT_EQ(box.getLinkPosition(c.side, -1, -1), c.point) << c.side;
    }
    CFlowchartEntityBox box;
    CFlowchartEntityTerminator terminator;
    EXPECT_EQ(box.getAllowedLinks(), 0);
    EXPECT_EQ(terminator.getAllowedLinks(), LINK_ALL);
}

TEST(ShapeGeometryTest, ConditionLinksSlideTowardWhereTheyHead) {
    struct TowardCase {
        int side;
        CPoint toward;
        CPoint point;
    };
    // A gateway 100,100,160,200: cx 130, h 18, s 6; its vertices left (112,118),
    // right (148,118), top (130,100), bottom below the title (130,200).
    const TowardCase cases[] = {
        {LINK_LEFT, {0, 300}, {118, 124}},    {LINK_LEFT, {0, 130}, {112, 118}},
        {LINK_LEFT, {0, 50}, {118, 112}},     {LINK_LEFT, {0, 138}, {112, 118}},
        {LINK_LEFT, {0, 139}, {118, 124}},    {LINK_LEFT, {0, -1}, {112, 118}},
        {LINK_RIGHT, {500, 300}, {142, 124}}, {LINK_RIGHT, {500, 50}, {142, 112}},
        {LINK_TOP, {300, 0}, {136, 106}},     {LINK_TOP, {0, 0}, {124, 106}},
        {LINK_TOP, {150, 0}, {130, 100}},     {LINK_BOTTOM, {300, 500}, {136, 200}},
        {LINK_BOTTOM, {0, 500}, {124, 200}},  {LINK_BOTTOM, {-1, 500}, {130, 200}},
        {LINK_START, {0, 0}, {-1, -1}},
    };
    CFlowchartEntityCondition gateway;
    gateway.setGatewayKind(4);
    gateway.setRect(100, 100, 160, 200);
    for (const TowardCase& c : cases)
        EXPECT_EQ(gateway.getLinkPosition(c.side, c.toward.x, c.toward.y), c.point)
            << c.side << " toward " << c.toward.x << "," << c.toward.y;

    // Without a title the bottom attach point is the diamond's bottom corner.
    gateway.setTitle("");
    EXPECT_EQ(gateway.getLinkPosition(LINK_BOTTOM, -1, -1), CPoint(130, 136));
    EXPECT_EQ(gateway.getLinkPosition(LINK_BOTTOM, 300, 0), CPoint(136, 130));
    gateway.setTitle(" ");
    EXPECT_EQ(gateway.getLinkPosition(LINK_BOTTOM, -1, -1), CPoint(130, 136));

    // A decision node's diamond is 12 x 12, s = 2.
    CFlowchartEntityCondition decision;
    decision.setRect(0, 0, 40, 40);
    EXPECT_EQ(decision.getLinkPosition(LINK_LEFT, -1, 100), CPoint(16, 8));
    EXPECT_EQ(decision.allowsMultipleLinks(), 1);
}

TEST(ShapeGeometryTest, ConditionIsHitInsideTheInscribedDiamond) {
    CFlowchartEntityCondition condition;
    condition.setRect(0, 0, 40, 40);
    EXPECT_EQ(condition.getHitCode(CPoint(20, 20)), DEHT_BODY);
    EXPECT_EQ(condition.getHitCode(CPoint(20, 2)), DEHT_BODY);
    EXPECT_EQ(condition.getHitCode(CPoint(3, 3)), DEHT_NONE);
    EXPECT_EQ(condition.getHitCode(CPoint(37, 37)), DEHT_NONE);
    EXPECT_EQ(condition.getHitCode(CPoint(45, 20)), DEHT_NONE);
}

TEST(ShapeGeometryTest, GatewayKindSetsTheMinimumSize) {
    CFlowchartEntityCondition condition;
    condition.setRect(0, 0, 40, 40);
    condition.setGatewayKind(2);
    EXPECT_EQ(condition.getBottom(), 50);
    EXPECT_EQ(condition.getMinimumSize(), CSize(37, 50));
    condition.setRect(0, 0, 20, 20);
    EXPECT_EQ(condition.getRect(), CRect(0, 0, 37, 50));
    condition.setGatewayKind(0);
    EXPECT_EQ(condition.getMinimumSize(), CSize(36, 32));
    EXPECT_EQ(condition.getRect(), CRect(0, 0, 37, 50));
}

TEST(ShapeGeometryTest, LineKeepsItsDirection) {
    CDiagramLine line;
    line.setIntRect(CRect(100, 100, 50, 20));
    EXPECT_EQ(line.getRect(), CRect(100, 100, 50, 20));
    EXPECT_EQ(line.getHitCode(CPoint(100, 100)), DEHT_TOPLEFT);
    EXPECT_EQ(line.getHitCode(CPoint(50, 20)), DEHT_BOTTOMRIGHT);
    EXPECT_EQ(line.getHitCode(CPoint(75, 60)), DEHT_BODY);
    EXPECT_EQ(line.getHitCode(CPoint(75, 80)), DEHT_NONE);
    // The editor hands the normalised rectangle; the line turns it back.
    EXPECT_EQ(line.getHitCodeInRect(CPoint(100, 100), CRect(50, 20, 100, 100)), DEHT_TOPLEFT);
    EXPECT_EQ(line.getHitCodeInRect(CPoint(75, 60), CRect(50, 20, 100, 100)), DEHT_BODY);
    EXPECT_EQ(line.getCursor(DEHT_BOTTOMRIGHT), DiagramCursor::sizeAll);
    EXPECT_EQ(line.getCursor(DEHT_TOPMIDDLE), DiagramCursor::none);
}

TEST(ShapeGeometryTest, LineHitTolerance) {
    struct ToleranceCase {
        CPoint point;
        int hit;       // getHitCode
        int hitInRect; // getHitCodeInRect
    };
    // A horizontal line from (0, 50) to (100, 50): its pixels 0-99 on row 50.
    const ToleranceCase cases[] = {
        {{50, 50}, DEHT_BODY, DEHT_BODY},  {{50, 49}, DEHT_BODY, DEHT_BODY},
        {{50, 48}, DEHT_BODY, DEHT_NONE},  {{50, 52}, DEHT_BODY, DEHT_NONE},
        {{50, 47}, DEHT_NONE, DEHT_NONE},  {{101, 50}, DEHT_BOTTOMRIGHT, DEHT_BOTTOMRIGHT},
        {{106, 50}, DEHT_NONE, DEHT_NONE},
    };
    CDiagramLine line;
    line.setIntRect(CRect(0, 50, 100, 50));
    for (const ToleranceCase& c : cases) {
        EXPECT_EQ(line.getHitCode(c.point), c.hit) << c.point.x << "," << c.point.y;
        EXPECT_EQ(line.getHitCodeInRect(c.point, line.getRect()), c.hitInRect)
            << c.point.x << "," << c.point.y;
    }
}

} // namespace
