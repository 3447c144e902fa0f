#include "PolygonRegion.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct PointCase {
    CPoint point;
    bool inside;
};

struct RegionCase {
    const char* name;
    std::vector<CPoint> polygon;
    std::vector<PointCase> points;
};

const RegionCase kRegionCases[] = {
    // As a rectangle: the right and bottom edges are outside.
    {"square",
     {{0, 0}, {10, 0}, {10, 10}, {0, 10}},
     {{{0, 0}, true},
      {{9, 9}, true},
      {{10, 5}, false},
      {{5, 10}, false},
      {{-1, 5}, false},
      {{5, -1}, false}}},
    // Convex, with pixel centres exactly on the sloped edges: in on the left
    // edges, out on the right ones.
    {"diamond",
     {{5, 0}, {10, 5}, {5, 10}, {0, 5}},
     {{{4, 0}, true},
      {{5, 0}, false},
      {{5, 5}, true},
      {{0, 4}, true},
      {{8, 4}, true},
      {{9, 4}, false},
      {{9, 5}, false},
      {{0, 5}, true},
      {{5, 9}, false}}},
    // Concave: the notch of a U is outside.
    {"U shape",
     {{0, 0}, {10, 0}, {10, 10}, {7, 10}, {7, 3}, {3, 3}, {3, 10}, {0, 10}},
     {{{1, 8}, true}, {{8, 8}, true}, {{5, 1}, true}, {{5, 5}, false}, {{3, 5}, false}, {{6, 5}, false}}},
    // Alternate rule: the pentagon in the middle of a star is outside.
    {"star",
     {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}},
     {{{50, 45}, false}, {{50, 10}, true}, {{10, 37}, true}, {{75, 85}, true}, {{50, 95}, false}}},
    // A square walked round twice encloses nothing under the alternate rule.
    {"square twice",
     {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}, {10, 0}, {10, 10}, {0, 10}},
     {{{5, 5}, false}}},
    {"two points", {{0, 0}, {10, 10}}, {{{0, 0}, false}, {{5, 5}, false}}},
};

TEST(PolygonRegionTest, HoldsThePixelsWhoseCentresAreInside) {
    for (const auto& c : kRegionCases) {
        const PolygonRegion region(c.polygon);
        for (const auto& p : c.points)
            EXPECT_EQ(bool(region.PtInRegion(p.point)), p.inside)
                << c.name << " at " << p.point.x << "," << p.point.y;
    }
}

TEST(PolygonRegionTest, BoxOfASquareIsTheRectangle) {
    const PolygonRegion region(std::vector<CPoint>{{2, 3}, {12, 3}, {12, 8}, {2, 8}});
    EXPECT_EQ(region.GetRgnBox(), CRect(2, 3, 12, 8));
}

TEST(PolygonRegionTest, SpansAgreeWithThePointTest) {
    const std::vector<CPoint> star = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    const PolygonRegion region(star);
    std::vector<PolygonRegion::Vertex> vertices;
    for (const CPoint& p : star)
        vertices.push_back({double(p.x), double(p.y)});
    std::vector<std::vector<bool>> filled(100, std::vector<bool>(100, false));
    PolygonRegion::forEachSpan(vertices, [&](int y, int xFirst, int xLast) {
        for (int x = xFirst; x <= xLast; ++x)
            filled[y][x] = true;
    });
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(filled[y][x], bool(region.PtInRegion(x, y))) << x << "," << y;
}

TEST(PolygonRegionTest, SpansStayInsideTheLimit) {
    const std::vector<PolygonRegion::Vertex> huge = {
        {-1e12, -1e12}, {1e12, -1e12}, {1e12, 1e12}, {-1e12, 1e12}};
    const CRect limit(-3, 2, 5, 4);
    int rows = 0;
    PolygonRegion::forEachSpan(
        huge,
        [&](int y, int xFirst, int xLast) {
            EXPECT_GE(y, 2);
            EXPECT_LT(y, 4);
            EXPECT_EQ(xFirst, -3);
            EXPECT_EQ(xLast, 4);
            ++rows;
        },
        &limit);
    EXPECT_EQ(rows, 2);
}

} // namespace
