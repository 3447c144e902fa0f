#include "GatewayMarker.h"

#include "DiagramDC.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string pixelsOf(const DiagramPicture& picture) {
    std::string pixels;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            pixels += picture.alpha(x, y) == 0 ? '.' : '#';
    return pixels;
}

// Black lines on transparent pixels: nothing else, so the diamond's fill
// shows through wherever the platform's AND left the fill.
TEST(GatewayMarkerTest, MarkersAreBlackLinesOnTransparentPixels) {
    std::vector<std::string> seen;
    for (int kind = GatewayMarker::kFirstKind; kind <= GatewayMarker::kLastKind; ++kind) {
        const DiagramPicture& marker = GatewayMarker::picture(kind);
        ASSERT_EQ(marker.width(), 37);
        ASSERT_EQ(marker.height(), 37);
        for (int y = 0; y < 37; ++y)
            for (int x = 0; x < 37; ++x) {
                const int alpha = marker.alpha(x, y);
                ASSERT_TRUE(alpha == 0 || (alpha == 255 && marker.pixel(x, y) == RGB(0, 0, 0)))
                    << "kind " << kind << " at " << x << "," << y;
            }
        // The diamond's corners, where the condition draws its own diamond.
        EXPECT_EQ(marker.alpha(18, 0), 255) << kind;
        EXPECT_EQ(marker.alpha(36, 18), 255) << kind;
        EXPECT_EQ(marker.alpha(18, 36), 255) << kind;
        EXPECT_EQ(marker.alpha(0, 18), 255) << kind;
        EXPECT_EQ(marker.alpha(0, 0), 0) << kind;
        EXPECT_EQ(marker.alpha(36, 36), 0) << kind;
        seen.push_back(pixelsOf(marker));
        for (size_t i = 0; i + 1 < seen.size(); ++i)
            EXPECT_NE(seen[i], seen.back()) << "kinds " << i + 1 << " and " << kind << " look alike";
    }
}

struct MiddleCase {
    int kind;
    bool inked;
};

TEST(GatewayMarkerTest, TheMiddleShowsTheMarker) {
    // The X, the plus and the asterisk cross the middle; the empty diamond,
    // the circle and the pentagons leave it to the fill.
    const MiddleCase cases[] = {{1, false}, {2, true},  {3, false}, {4, true},
                                {5, true},  {6, false}, {7, false}};
    for (const auto& c : cases)
        EXPECT_EQ(GatewayMarker::picture(c.kind).alpha(18, 18) == 255, c.inked) << c.kind;
    // The circle: inked 8 or 9 pixels right of the middle, not at 5 or 12.
    const DiagramPicture& circle = GatewayMarker::picture(3);
    EXPECT_TRUE(circle.alpha(26, 18) == 255 || circle.alpha(27, 18) == 255);
    EXPECT_EQ(circle.alpha(23, 18), 0);
    EXPECT_EQ(circle.alpha(30, 18), 0);
}

TEST(GatewayMarkerTest, KeptOncePerKindAndSize) {
    EXPECT_EQ(&GatewayMarker::picture(4), &GatewayMarker::picture(4));
    EXPECT_NE(&GatewayMarker::picture(4), &GatewayMarker::picture(5));
    const DiagramPicture& large = GatewayMarker::picture(4, 73);
    EXPECT_EQ(large.width(), 73);
    EXPECT_EQ(large.alpha(36, 36), 255);
    EXPECT_TRUE(GatewayMarker::picture(0).isNull());
    EXPECT_TRUE(GatewayMarker::picture(8).isNull());
    EXPECT_TRUE(GatewayMarker::picture(2, 4).isNull());
}

// Printed on the condition's diamond, the marker's black lines cover the
// fill and the rest of the fill stays.
TEST(GatewayMarkerTest, PrintsOverTheFill) {
    DiagramPicture canvas(60, 40, RGB(255, 255, 255));
    {
        DiagramDC dc(canvas);
        dc.SelectObject(CBrush(RGB(240, 235, 225)));
        const CPoint diamond[] = {{12, 18}, {30, 0}, {48, 18}, {30, 36}};
        dc.Polygon(diamond, 4);
        dc.DrawPicture(12, 0, GatewayMarker::picture(4));
    }
    EXPECT_EQ(canvas.pixel(30, 18), RGB(0, 0, 0));       // the plus
    EXPECT_EQ(canvas.pixel(20, 18), RGB(240, 235, 225)); // the fill beside it
    EXPECT_EQ(canvas.pixel(30, 0), RGB(0, 0, 0));        // the diamond's top
    EXPECT_EQ(canvas.pixel(5, 5), RGB(255, 255, 255));
}

} // namespace
