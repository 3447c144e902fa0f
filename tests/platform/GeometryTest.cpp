#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"

#include <gtest/gtest.h>

namespace {

struct PairCase {
    CRect a;
    CRect b;
    CRect result;
    BOOL ok;
};

const PairCase kIntersectCases[] = {
    {{0, 0, 10, 10}, {5, 5, 15, 15}, {5, 5, 10, 10}, TRUE},
    {{0, 0, 10, 10}, {2, 3, 4, 5}, {2, 3, 4, 5}, TRUE},
    // Touching edges share no point: the right edge is outside.
    {{0, 0, 10, 10}, {10, 0, 20, 10}, {0, 0, 0, 0}, FALSE},
    {{0, 0, 10, 10}, {20, 20, 30, 30}, {0, 0, 0, 0}, FALSE},
    // A rectangle that is not normalised is empty.
    {{10, 10, 0, 0}, {0, 0, 10, 10}, {0, 0, 0, 0}, FALSE},
};

const PairCase kUnionCases[] = {
    {{0, 0, 10, 10}, {5, 5, 15, 15}, {0, 0, 15, 15}, TRUE},
    {{0, 0, 0, 0}, {5, 5, 15, 15}, {5, 5, 15, 15}, TRUE},
    {{-5, 2, 3, 2}, {1, 1, 2, 2}, {1, 1, 2, 2}, TRUE},
    {{0, 0, 0, 0}, {3, 3, 3, 9}, {0, 0, 0, 0}, FALSE},
};

TEST(GeometryTest, IntersectAndUnionFollowThePlatform) {
    for (const auto& c : kIntersectCases) {
        CRect r(1, 2, 3, 4);
        EXPECT_EQ(r.IntersectRect(c.a, c.b), c.ok);
        EXPECT_EQ(r, c.result);
        EXPECT_EQ(c.a & c.b, c.result);
    }
    for (const auto& c : kUnionCases) {
        CRect r(1, 2, 3, 4);
        EXPECT_EQ(r.UnionRect(c.a, c.b), c.ok);
        EXPECT_EQ(r, c.result);
        EXPECT_EQ(c.a | c.b, c.result);
    }
}

TEST(GeometryTest, RightAndBottomEdgesAreOutside) {
    const CRect r(10, 20, 30, 40);
    EXPECT_TRUE(r.PtInRect({10, 20}));
    EXPECT_TRUE(r.PtInRect({29, 39}));
    EXPECT_FALSE(r.PtInRect({30, 25}));
    EXPECT_FALSE(r.PtInRect({15, 40}));
    EXPECT_FALSE(r.PtInRect({9, 25}));
    // Not normalised: holds nothing until normalised.
    CRect turned(30, 40, 10, 20);
    EXPECT_FALSE(turned.PtInRect({15, 25}));
    EXPECT_TRUE(turned.IsRectEmpty());
    turned.NormalizeRect();
    EXPECT_EQ(turned, r);
    EXPECT_FALSE(turned.IsRectEmpty());
}

TEST(GeometryTest, SizesCornersAndCentre) {
    const CRect r(-7, -3, 4, 8);
    EXPECT_EQ(r.Width(), 11);
    EXPECT_EQ(r.Height(), 11);
    EXPECT_EQ(r.Size(), CSize(11, 11));
    EXPECT_EQ(r.TopLeft(), CPoint(-7, -3));
    EXPECT_EQ(r.BottomRight(), CPoint(4, 8));
    // Halves truncate toward zero: (-7 + 4) / 2 is -1, (-3 + 8) / 2 is 2.
    EXPECT_EQ(r.CenterPoint(), CPoint(-1, 2));
    EXPECT_EQ(CRect(CPoint(1, 2), CSize(3, 4)), CRect(1, 2, 4, 6));
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
}

TEST(GeometryTest, InflateDeflateAndOffset) {
    CRect r(10, 10, 20, 20);
    r.InflateRect(2, 3);
    EXPECT_EQ(r, CRect(8, 7, 22, 23));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(9, 9, 19, 19));
    r.OffsetRect(-9, 1);
    EXPECT_EQ(r, CRect(0, 10, 10, 20));
    EXPECT_EQ(r + CPoint(1, 1), CRect(1, 11, 11, 21));
    EXPECT_EQ(r - CPoint(1, 1), CRect(-1, 9, 9, 19));
}

TEST(GeometryTest, PointAndSizeArithmetic) {
    CPoint p(3, 4);
    p += CSize(1, -1);
    EXPECT_EQ(p, CPoint(4, 3));
    EXPECT_EQ(CPoint(10, 10) - CPoint(4, 3), CSize(6, 7));
    EXPECT_EQ(p - CSize(4, 3), CPoint(0, 0));
    EXPECT_EQ(CSize(1, 2) + CSize(3, 4), CSize(4, 6));
}

struct MulDivCase {
    int a, b, c, result;
};

TEST(GeometryTest, MulDivRoundsHalvesAwayFromZero) {
    const MulDivCase cases[] = {
        {12, 96, 72, 16},       {9, 96, 72, 12},
        {8, 96, 72, 11},        {10, 96, 72, 13},
        {-8, 96, 72, -11},      {1, 1, 2, 1},
        {-1, 1, 2, -1},         {5, 3, 0, -1},
        {2000000000, 4, 2, -1}, {2000000000, 2, 4, 1000000000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.result) << c.a << "*" << c.b << "/" << c.c;
}

} // namespace
