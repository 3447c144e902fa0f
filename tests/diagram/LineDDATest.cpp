#include "LineDDA.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string show(const std::vector<CPoint>& points) {
    std::string text;
    for (const CPoint& p : points)
        text += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return text;
}

struct WalkCase {
    const char* name;
    CPoint from;
    CPoint to;
    std::vector<CPoint> pixels;
};

const WalkCase kWalkCases[] = {
    {"horizontal", {0, 0}, {4, 0}, {{0, 0}, {1, 0}, {2, 0}, {3, 0}}},
    {"horizontal leftwards", {3, 1}, {0, 1}, {{3, 1}, {2, 1}, {1, 1}}},
    {"vertical upwards", {2, 5}, {2, 2}, {{2, 5}, {2, 4}, {2, 3}}},
    {"shallow", {0, 0}, {4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
    // The same segment the other way: ties stay on the current row, so the
    // walk is not the mirror of the one above.
    {"shallow reversed", {4, 2}, {0, 0}, {{4, 2}, {3, 2}, {2, 1}, {1, 1}}},
    {"steep", {0, 0}, {2, 5}, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
    {"diagonal", {0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
    {"diagonal up-left", {3, 3}, {0, 0}, {{3, 3}, {2, 2}, {1, 1}}},
    {"one step", {7, 7}, {8, 7}, {{7, 7}}},
    {"no length", {5, 5}, {5, 5}, {}},
};

TEST(LineDDATest, VisitsThePixelsOfTheSegmentWithoutItsEnd) {
    for (const auto& c : kWalkCases)
        EXPECT_EQ(show(lineDDAPoints(c.from.x, c.from.y, c.to.x, c.to.y)), show(c.pixels)) << c.name;
}

TEST(LineDDATest, CallsTheCallbackWithItsData) {
    struct Probe {
        CPoint point;
        bool hit = false;
    } probe{{2, 1}};
    LineDDA(
        0, 0, 4, 2,
        [](int x, int y, void* data) {
            auto* p = static_cast<Probe*>(data);
            p->hit = p->hit || (x == p->point.x && y == p->point.y);
        },
        &probe);
    EXPECT_TRUE(probe.hit);
}

TEST(LineDDATest, LongSegmentsStepOnePixelAtATime) {
    const auto pixels = lineDDAPoints(-1000, 3, 2000, -500);
    ASSERT_EQ(pixels.size(), 3000u);
    for (size_t i = 1; i < pixels.size(); ++i) {
        EXPECT_EQ(pixels[i].x - pixels[i - 1].x, 1);
        EXPECT_GE(pixels[i].y - pixels[i - 1].y, -1);
        EXPECT_LE(pixels[i].y - pixels[i - 1].y, 0);
    }
    EXPECT_EQ(pixels.back().x, 1999);
}

} // namespace
