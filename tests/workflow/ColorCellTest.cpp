// A colour cell: its hexagon, what hits it, how it paints and the brush it
// keeps.

#include "CFOColorCellObj.h"
#include "PaletteRecorders.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorCellTest, HexagonCornersAroundItsCentre) {
    CFOColorCellObj cell;
    cell.setHexagon(165, 127, 20);
    const std::array<CPoint, 6> corners = {CPoint{155, 121}, CPoint{165, 117}, CPoint{175, 121},
                                           CPoint{175, 134}, CPoint{165, 138}, CPoint{155, 134}};
    EXPECT_EQ(cell.getCorners(), corners);
    EXPECT_EQ(cell.getBounds(), CRect(155, 117, 175, 138));
    // An odd size: half is cut to a whole number before the corners are placed.
    cell.setHexagon(10, 10, 7);
    EXPECT_EQ(cell.getCorners()[0], (CPoint{7, 8}));
    EXPECT_EQ(cell.getCorners()[4], (CPoint{10, 14}));
}

TEST(ColorCellTest, HitTestOfBothShapes) {
    CFOColorCellObj hexagon;
    hexagon.setHexagon(165, 127, 20);
    EXPECT_TRUE(hexagon.hitTest(165, 127));
    EXPECT_TRUE(hexagon.hitTest(155, 127)) << "the left side is inside";
    EXPECT_FALSE(hexagon.hitTest(175, 127)) << "the right side is outside";
    EXPECT_FALSE(hexagon.hitTest(156, 118)) << "outside the upper left slope";
    EXPECT_TRUE(hexagon.hitTest(165, 117));

    CFOColorCellObj rectangle;
    rectangle.setHexagonShape(FALSE);
    rectangle.setRect(CRect(10, 20, 30, 40));
    EXPECT_TRUE(rectangle.hitTest(10, 20));
    EXPECT_TRUE(rectangle.hitTest(29, 39));
    EXPECT_FALSE(rectangle.hitTest(30, 25));
    EXPECT_FALSE(rectangle.hitTest(15, 40));
}

TEST(ColorCellTest, ARectangleCellPaintsASwatchInsideItsFrame) {
    CFOColorCellObj cell;
    cell.setHexagonShape(FALSE);
    cell.setRect(CRect(10, 20, 30, 40));
    cell.setColor(RGB(1, 2, 3));
    RecordingDC dc;
    cell.draw(dc);
    ASSERT_EQ(dc.calls.size(), 3u);
    EXPECT_TRUE(dc.has("fill", CRect(10, 20, 30, 40), CFOSystemColors::colors().m_buttonFace));
    EXPECT_TRUE(dc.has("brush", CRect(11, 21, 29, 39), RGB(1, 2, 3)));
    EXPECT_TRUE(dc.has("frame", CRect(11, 21, 29, 39), CFOSystemColors::colors().m_buttonShadow2));
    cell.drawSelected(dc);
    EXPECT_TRUE(dc.has("region", CRect(11, 21, 29, 39), RGB(255, 255, 255)));
    EXPECT_TRUE(dc.has("region", CRect(9, 19, 31, 41), RGB(0, 0, 0)));
}

TEST(ColorCellTest, TheBrushIsKeptUntilTheColourChanges) {
    CFOColorCellObj cell;
    cell.setHexagon(50, 50, 20);
    RecordingDC dc;
    cell.draw(dc);
    cell.draw(dc);
    EXPECT_EQ(dc.brushesMade, 1);
    cell.setColor(RGB(9, 9, 9));
    cell.draw(dc);
    EXPECT_EQ(dc.brushesMade, 2);
    EXPECT_EQ(dc.of("polygon").back().colour, RGB(9, 9, 9));
}

TEST(ColorCellTest, AHexagonWithoutCornersPaintsAndHoldsNothing) {
    CFOColorCellObj cell;
    RecordingDC dc;
    cell.draw(dc);
    cell.drawSelected(dc);
    EXPECT_TRUE(dc.calls.empty());
    EXPECT_FALSE(cell.hitTest(0, 0));
}

} // namespace
