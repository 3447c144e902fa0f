#include "DiagramDC.h"

#include "LineDDA.h"
#include "PictureProbe.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

std::set<std::pair<int, int>> pixelsOf(const DiagramPicture& picture, COLORREF color) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == color)
                pixels.emplace(x, y);
    return pixels;
}

struct SegmentCase {
    const char* name;
    CPoint from;
    CPoint to;
};

const SegmentCase kSegments[] = {
    {"horizontal", {2, 5}, {17, 5}},    {"vertical", {4, 18}, {4, 1}}, {"shallow", {1, 2}, {18, 9}},
    {"steep", {3, 1}, {8, 18}},         {"reversed", {18, 9}, {1, 2}}, {"diagonal", {0, 0}, {12, 12}},
    {"one pixel long", {6, 6}, {7, 6}}, {"no length", {9, 9}, {9, 9}},
};

// A one-pixel line covers what the line walk visits: every pixel of the
// segment but its end.
TEST(DiagramDCTest, OnePixelLinesLeaveOutTheirEndPixel) {
    for (const auto& c : kSegments) {
        DiagramPicture canvas(20, 20, kWhite);
        {
            DiagramDC dc(canvas);
            dc.MoveTo(c.from);
            dc.LineTo(c.to);
            EXPECT_EQ(dc.GetCurrentPosition(), c.to) << c.name;
        }
        std::set<std::pair<int, int>> expected;
        for (const CPoint& p : lineDDAPoints(c.from.x, c.from.y, c.to.x, c.to.y))
            expected.emplace(p.x, p.y);
        EXPECT_EQ(pixelsOf(canvas, kBlack), expected) << c.name;
        if (c.from != c.to) {
            EXPECT_EQ(canvas.pixel(c.to.x, c.to.y), kWhite) << c.name;
        }
    }
}

// Lines that start or end far outside the picture draw the same pixels
// inside it as the whole walk would, and quickly.
TEST(DiagramDCTest, LinesReachingFarOutsideKeepTheirPixels) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> near(-30, 60), far(-3000000, 3000000);
    for (int i = 0; i < 300; ++i) {
        const bool distant = i % 3 == 0;
        const CPoint from(distant ? far(random) : near(random), near(random));
        const CPoint to(near(random), distant ? far(random) : near(random));
        DiagramPicture canvas(32, 32, kWhite);
        {
            DiagramDC dc(canvas);
            dc.MoveTo(from);
            dc.LineTo(to);
        }
        std::set<std::pair<int, int>> expected;
        LineDDA(from.x, from.y, to.x, to.y, [&](int x, int y) {
            if (x >= 0 && y >= 0 && x < 32 && y < 32)
                expected.emplace(x, y);
        });
        ASSERT_EQ(pixelsOf(canvas, kBlack), expected)
            << "from " << from.x << "," << from.y << " to " << to.x << "," << to.y;
    }
}

TEST(DiagramDCTest, PolylineDrawsEveryVertexButTheLast) {
    DiagramPicture canvas(20, 20, kWhite);
    {
        DiagramDC dc(canvas);
        const CPoint points[] = {{2, 2}, {10, 2}, {10, 10}, {4, 10}};
        dc.Polyline(points, 4);
    }
    EXPECT_EQ(canvas.pixel(2, 2), kBlack);
    EXPECT_EQ(canvas.pixel(10, 2), kBlack);
    EXPECT_EQ(canvas.pixel(10, 10), kBlack);
    EXPECT_EQ(canvas.pixel(5, 10), kBlack);
    EXPECT_EQ(canvas.pixel(4, 10), kWhite);
}

// Rectangle(2, 3, 10, 8): the pen on the ring of pixels 2..9 x 3..7, the
// brush inside; with the null pen the brush alone, one pixel smaller.
TEST(DiagramDCTest, RectangleLeavesOutItsRightAndBottomEdges) {
    DiagramPicture canvas(14, 12, kWhite);
    {
        DiagramDC dc(canvas);
        dc.SelectObject(CBrush(kRed));
        dc.Rectangle(2, 3, 10, 8);
    }
    EXPECT_EQ(pixelRows(canvas, kBlack, CRect(0, 2, 12, 9)), "............\n"
                                                             "..########..\n"
                                                             "..#......#..\n"
                                                             "..#......#..\n"
                                                             "..#......#..\n"
                                                             "..########..\n"
                                                             "............\n");
    EXPECT_EQ(pixelRows(canvas, kRed, CRect(0, 2, 12, 9)), "............\n"
                                                           "............\n"
                                                           "...######...\n"
                                                           "...######...\n"
                                                           "...######...\n"
                                                           "............\n"
                                                           "............\n");

    DiagramPicture filled(14, 12, kWhite);
    {
        DiagramDC dc(filled);
        dc.SelectObject(CPen(PS_NULL, 1, kBlack));
        dc.SelectObject(CBrush(kRed));
        dc.Rectangle(CRect(10, 8, 2, 3)); // corners in either order
    }
    EXPECT_EQ(inkBox(filled, kWhite), CRect(2, 3, 9, 7));
    EXPECT_EQ(filled.pixel(8, 6), kRed);
}

TEST(DiagramDCTest, FillRectCoversLeftAndTopButNotRightAndBottom) {
    DiagramPicture canvas(12, 12, kWhite);
    {
        DiagramDC dc(canvas);
        dc.FillRect(CRect(2, 3, 7, 9), CBrush(kBlue));
        dc.FillRect(CRect(8, 8, 11, 11), CBrush::null());
    }
    EXPECT_EQ(inkBox(canvas, kWhite), CRect(2, 3, 7, 9));
    EXPECT_EQ(pixelsOf(canvas, kBlue).size(), 30u);
}

// An ellipse fits the same pixels as the rectangle, outline and fill
// meeting without a gap, and is drawn alike on both sides.
TEST(DiagramDCTest, EllipseFitsItsRectangleSymmetrically) {
    const CRect boxes[] = {{2, 2, 22, 12}, {3, 1, 18, 18}, {1, 1, 9, 6}, {4, 4, 5, 9}};
    for (const CRect& box : boxes) {
        DiagramPicture canvas(26, 22, kWhite);
        {
            DiagramDC dc(canvas);
            dc.SelectObject(CBrush(kRed));
            dc.Ellipse(box);
        }
        EXPECT_EQ(inkBox(canvas, kWhite), box) << box.left << "," << box.top;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) {
                const int mirrorX = box.left + box.right - 1 - x;
                const int mirrorY = box.top + box.bottom - 1 - y;
                ASSERT_EQ(canvas.pixel(x, y), canvas.pixel(mirrorX, y)) << x << "," << y;
                ASSERT_EQ(canvas.pixel(x, y), canvas.pixel(x, mirrorY)) << x << "," << y;
            }
        const CPoint centre = box.CenterPoint();
        if (box.Width() > 4 && box.Height() > 4) {
            EXPECT_EQ(canvas.pixel(centre.x, centre.y), kRed);
        }
        EXPECT_EQ(canvas.pixel(box.left, box.top), box.Width() > 2 && box.Height() > 2 ? kWhite : kBlack);
        // Every filled pixel is enclosed: no white between fill and outline.
        for (int y = box.top; y < box.bottom; ++y) {
            int first = -1, last = -1;
            for (int x = box.left; x < box.right; ++x)
                if (canvas.pixel(x, y) != kWhite) {
                    if (first < 0)
                        first = x;
                    last = x;
                }
            for (int x = first; first >= 0 && x <= last; ++x)
                ASSERT_NE(canvas.pixel(x, y), kWhite) << "gap at " << x << "," << y;
        }
    }
}

TEST(DiagramDCTest, RoundRectKeepsStraightEdgesAndCutsItsCorners) {
    DiagramPicture canvas(40, 30, kWhite);
    {
        DiagramDC dc(canvas);
        dc.RoundRect(2, 2, 34, 22, 8, 8);
    }
    EXPECT_EQ(inkBox(canvas, kWhite), CRect(2, 2, 34, 22));
    EXPECT_EQ(canvas.pixel(2, 2), kWhite);
    EXPECT_EQ(canvas.pixel(33, 21), kWhite);
    EXPECT_EQ(canvas.pixel(18, 2), kBlack);
    EXPECT_EQ(canvas.pixel(2, 12), kBlack);
    EXPECT_EQ(canvas.pixel(33, 12), kBlack);
    EXPECT_EQ(canvas.pixel(18, 21), kBlack);
}

TEST(DiagramDCTest, ArcRunsCounterClockwiseFromStartToEnd) {
    DiagramPicture canvas(30, 30, kWhite);
    {
        DiagramDC dc(canvas);
        // The top-left quarter: from the top of the circle to its left.
        dc.Arc(2, 2, 27, 27, 14, 0, 0, 14);
    }
    const CRect ink = inkBox(canvas, kWhite);
    EXPECT_EQ(ink.left, 2);
    EXPECT_EQ(ink.top, 2);
    EXPECT_LE(ink.right, 16);
    EXPECT_LE(ink.bottom, 16);
    EXPECT_GE(ink.right, 14);
    EXPECT_GE(ink.bottom, 14);
}

// The polygon (0,0) (10,0) (10,10) (0,10) covers 0..10 with a pen, its
// fill alone 0..9; a concave polygon is filled by the alternate rule.
TEST(DiagramDCTest, PolygonFillsAndOutlines) {
    const CPoint square[] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}};
    DiagramPicture outlined(16, 16, kWhite);
    {
        DiagramDC dc(outlined);
        dc.SelectObject(CBrush(kRed));
        dc.Polygon(square, 4);
    }
    EXPECT_EQ(inkBox(outlined, kWhite), CRect(2, 2, 13, 13));
    EXPECT_EQ(outlined.pixel(12, 12), kBlack);
    EXPECT_EQ(outlined.pixel(7, 7), kRed);
    EXPECT_EQ(pixelsOf(outlined, kBlack).size(), 40u);

    DiagramPicture filled(16, 16, kWhite);
    {
        DiagramDC dc(filled);
        dc.SelectStockObject(NULL_PEN);
        dc.SelectObject(CBrush(kRed));
        dc.Polygon(square, 4);
    }
    EXPECT_EQ(inkBox(filled, kWhite), CRect(2, 2, 12, 12));

    const CPoint star[] = {{20, 0}, {32, 38}, {1, 14}, {39, 14}, {8, 38}};
    DiagramPicture starred(40, 40, kWhite);
    {
        DiagramDC dc(starred);
        dc.SelectStockObject(NULL_PEN);
        dc.SelectObject(CBrush(kRed));
        dc.Polygon(star, 5);
    }
    EXPECT_EQ(starred.pixel(20, 20), kWhite); // the pentagon in the middle
    EXPECT_EQ(starred.pixel(20, 5), kRed);    // a point of the star
}

// Styled one-pixel pens: the pattern in pixels along the line, the gaps in
// the background colour when the background is opaque.
TEST(DiagramDCTest, DashedPensDrawTheirPattern) {
    struct StyleCase {
        CPen pen;
        int mode;
        const char* row;
    };
    const StyleCase cases[] = {
        {CPen(PS_DASH, 1, kBlack), TRANSPARENT, "##################......##################......#######"},
        {CPen(PS_DOT, 1, kBlack), TRANSPARENT, "###...###...###...###...###...###...###...###...###...#"},
        {CPen(PS_DASHDOT, 1, kBlack), TRANSPARENT, "#########......###......#########......###......#######"},
        {CPen(PS_DASHDOTDOT, 1, kBlack), TRANSPARENT,
         "#########...###...###...#########...###...###...#######"},
        {CPen::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, kBlack, {10, 5}), TRANSPARENT,
         "##########.....##########.....##########.....##########"},
        {CPen::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, kBlack, {1, 5}), OPAQUE,
         "#rrrrr#rrrrr#rrrrr#rrrrr#rrrrr#rrrrr#rrrrr#rrrrr#rrrrr#"},
        {CPen(PS_DOT, 1, kBlack), OPAQUE, "###rrr###rrr###rrr###rrr###rrr###rrr###rrr###rrr###rrr#"},
        // CreatePen draws a wider dashed pen solid.
        {CPen(PS_DASH, 2, kBlack), TRANSPARENT, "#######################################################"},
    };
    for (const auto& c : cases) {
        DiagramPicture canvas(60, 6, kWhite);
        {
            DiagramDC dc(canvas);
            dc.SetBkColor(kRed);
            dc.SetBkMode(c.mode);
            dc.SelectObject(c.pen);
            dc.MoveTo(0, 2);
            dc.LineTo(55, 2);
        }
        std::string row;
        for (int x = 0; x < 55; ++x) {
            const COLORREF p = canvas.pixel(x, 2);
            row += p == kBlack ? '#' : p == kRed ? 'r' : '.';
        }
        EXPECT_EQ(row, c.row) << "style " << c.pen.getStyle();
        EXPECT_EQ(canvas.pixel(55, 2), kWhite);
    }
}

// A geometric pen w wide: a band of w rows, flat at its ends, its dashes
// scaled by the width.
TEST(DiagramDCTest, WidePensAreBandsWithFlatEnds) {
    DiagramPicture canvas(60, 20, kWhite);
    {
        DiagramDC dc(canvas);
        dc.SetBkMode(TRANSPARENT);
        dc.SelectObject(CPen::ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 3, kBlack));
        dc.MoveTo(5, 4);
        dc.LineTo(50, 4);
        dc.SelectObject(CPen::ExtCreatePen(PS_GEOMETRIC | PS_DASH, 3, kBlue));
        dc.MoveTo(5, 12);
        dc.LineTo(50, 12);
    }
    EXPECT_EQ(inkBox(canvas, kWhite).left, 5);
    EXPECT_EQ(pixelRows(canvas, kBlack, CRect(3, 2, 52, 7)),
              ".................................................\n"
              "..#############################################..\n"
              "..#############################################..\n"
              "..#############################################..\n"
              ".................................................\n");
    std::string dashes;
    for (int x = 5; x < 29; ++x)
        dashes += canvas.pixel(x, 12) == kBlue ? '#' : '.';
    EXPECT_EQ(dashes, "#########...#########...");
    EXPECT_EQ(canvas.pixel(10, 11), kBlue);
    EXPECT_EQ(canvas.pixel(10, 13), kBlue);
    EXPECT_EQ(canvas.pixel(10, 10), kWhite);
}

TEST(DiagramDCTest, NullPenAndNullBrushDrawNothing) {
    DiagramPicture canvas(20, 20, kWhite);
    {
        DiagramDC dc(canvas);
        dc.SelectStockObject(NULL_PEN);
        dc.SelectStockObject(NULL_BRUSH);
        dc.MoveTo(1, 1);
        dc.LineTo(18, 18);
        dc.Rectangle(2, 2, 15, 15);
        dc.Ellipse(2, 2, 15, 15);
        dc.RoundRect(2, 2, 15, 15, 6, 6);
        const CPoint triangle[] = {{1, 1}, {18, 1}, {9, 18}};
        dc.Polygon(triangle, 3);
        dc.SelectObject(CPen::ExtCreatePen(PS_GEOMETRIC | PS_NULL, 0, kBlack));
        dc.LineTo(1, 18);
    }
    EXPECT_TRUE(inkBox(canvas, kWhite).IsRectEmpty());
}

// What a measuring pass gives is where the text is drawn; centred text is
// centred.
TEST(DiagramDCTest, TextIsDrawnWhereItWasMeasured) {
    const CString text = "Review the plan";
    DiagramPicture canvas(200, 60, kWhite);
    CRect measured(10, 10, 190, 50);
    TEXTMETRIC metrics;
    {
        DiagramDC dc(canvas);
        dc.SelectObject(CFont{.height = -14, .face = "Arial"});
        dc.SetBkMode(TRANSPARENT);
        ASSERT_TRUE(dc.GetTextMetrics(&metrics));
        const int height = dc.DrawText(text, measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        EXPECT_EQ(height, metrics.tmHeight);
        EXPECT_EQ(measured.Width(), dc.GetTextExtent(text).cx);
        EXPECT_EQ(measured.Height(), metrics.tmHeight);
        EXPECT_TRUE(inkBox(canvas, kWhite).IsRectEmpty()); // measuring draws nothing
        dc.DrawText(text, measured, DT_WORDBREAK | DT_NOPREFIX);
    }
    const CRect ink = inkBox(canvas, kWhite);
    EXPECT_FALSE(ink.IsRectEmpty());
    EXPECT_EQ((ink & measured), ink) << "ink " << ink.left << "," << ink.top << "," << ink.right << ","
                                     << ink.bottom;
    EXPECT_LE(ink.left - measured.left, 2);
    EXPECT_LE(measured.right - ink.right, 2);

    DiagramPicture centred(200, 40, kWhite);
    const CRect box(0, 0, 200, 40);
    {
        DiagramDC dc(centred);
        dc.SelectObject(CFont{.height = -14, .face = "Arial"});
        dc.DrawText(text, box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    const CRect centredInk = inkBox(centred, kWhite);
    EXPECT_LE(std::abs((centredInk.left + centredInk.right) - (box.left + box.right)), 3);
    EXPECT_LE(std::abs((centredInk.top + centredInk.bottom) - (box.top + box.bottom)), 4);
}

TEST(DiagramDCTest, WordBreakKeepsWordsWhole) {
    DiagramPicture canvas(10, 10, kWhite);
    DiagramDC dc(canvas);
    dc.SelectObject(CFont{.height = -12, .face = "Arial"});
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    const int word = dc.GetTextExtent("Approve").cx;
    // Three words, each alone on its line in a box one word wide.
    CRect box(0, 0, word + 2, 0);
    EXPECT_EQ(dc.DrawText("Approve Approve Approve", box, DT_CALCRECT | DT_WORDBREAK), 3 * metrics.tmHeight);
    EXPECT_EQ(box.Width(), word);
    // A word wider than the box stays whole and widens the measured box.
    CRect narrow(0, 0, 10, 0);
    EXPECT_EQ(dc.DrawText("Approve", narrow, DT_CALCRECT | DT_WORDBREAK), metrics.tmHeight);
    EXPECT_EQ(narrow.Width(), word);
    // Line breaks of the text are kept; a single line ignores them.
    CRect lines(0, 0, 500, 0);
    EXPECT_EQ(dc.DrawText("one\r\ntwo\nthree", lines, DT_CALCRECT), 3 * metrics.tmHeight);
    CRect single(0, 0, 500, 0);
    EXPECT_EQ(dc.DrawText("one\r\ntwo", single, DT_CALCRECT | DT_SINGLELINE), metrics.tmHeight);
    // "&" marks the next character unless DT_NOPREFIX.
    CRect prefixed(0, 0, 500, 0), plain(0, 0, 500, 0);
    dc.DrawText("a&b", prefixed, DT_CALCRECT);
    dc.DrawText("a&b", plain, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(prefixed.Width(), dc.GetTextExtent("ab").cx);
    EXPECT_EQ(plain.Width(), dc.GetTextExtent("a&b").cx);
    // A line too long for its box ends with "..." inside the box.
    CRect clipped(0, 0, 60, 0);
    dc.DrawText("A caption much too long for its box", clipped,
                DT_CALCRECT | DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_LE(clipped.Width(), 60);
    EXPECT_GT(clipped.Width(), dc.GetTextExtent("...").cx);
    // An empty text has no lines.
    CRect empty(5, 5, 50, 50);
    EXPECT_EQ(dc.DrawText("", empty, DT_CALCRECT), 0);
    EXPECT_EQ(empty, CRect(5, 5, 5, 5));
}

TEST(DiagramDCTest, TurnedTextRunsUpwardsFromItsPoint) {
    DiagramPicture canvas(60, 120, kWhite);
    CSize extent;
    TEXTMETRIC metrics;
    {
        DiagramDC dc(canvas);
        dc.SelectObject(CFont{.height = -14, .escapement = 900, .face = "Arial"});
        dc.SetBkMode(TRANSPARENT);
        extent = dc.GetTextExtent("Lane title");
        dc.GetTextMetrics(&metrics);
        dc.TextOut(20, 100, "Lane title");
    }
    const CRect ink = inkBox(canvas, kWhite);
    ASSERT_FALSE(ink.IsRectEmpty());
    EXPECT_GE(ink.left, 20);
    EXPECT_LE(ink.right, 20 + metrics.tmHeight);
    EXPECT_LE(ink.bottom, 100);
    EXPECT_GE(ink.top, 100 - extent.cx);
    EXPECT_GT(ink.Height(), ink.Width());
}

TEST(DiagramDCTest, OpaqueTextFillsItsLineWithTheBackground) {
    DiagramPicture canvas(120, 30, kWhite);
    TEXTMETRIC metrics;
    CSize extent;
    {
        DiagramDC dc(canvas);
        dc.SelectObject(CFont{.height = -12, .face = "Arial"});
        dc.SetBkColor(RGB(128, 128, 128));
        dc.SetTextColor(kWhite);
        extent = dc.GetTextExtent("Selected");
        dc.GetTextMetrics(&metrics);
        dc.DrawText("Selected", CRect(10, 5, 110, 25), DT_LEFT);
    }
    EXPECT_EQ(inkBox(canvas, kWhite), CRect(10, 5, 10 + extent.cx, 5 + metrics.tmHeight));
    EXPECT_EQ(canvas.pixel(10, 5), RGB(128, 128, 128));
}

// A picture with alpha: opaque pixels replace, half-transparent ones mix,
// transparent ones leave what was there; stretching takes the nearest pixel.
TEST(DiagramDCTest, PicturesAreCompositedWithTheirAlpha) {
    const std::uint32_t pixels[] = {0xFFFF0000u, 0x800000FFu, 0x00000000u, 0xFF00FF00u};
    const DiagramPicture picture = DiagramPicture::fromArgb(2, 2, pixels);
    DiagramPicture canvas(12, 12, kWhite);
    {
        DiagramDC dc(canvas);
        dc.DrawPicture(1, 1, picture);
        dc.DrawPicture(CRect(4, 4, 8, 8), picture);
    }
    EXPECT_EQ(canvas.pixel(1, 1), kRed);
    const COLORREF mixed = canvas.pixel(2, 1);
    EXPECT_NEAR(mixed & 0xFF, 127, 1);
    EXPECT_NEAR((mixed >> 8) & 0xFF, 127, 1);
    EXPECT_EQ((mixed >> 16) & 0xFF, 255u);
    EXPECT_EQ(canvas.pixel(1, 2), kWhite);
    EXPECT_EQ(canvas.pixel(2, 2), RGB(0, 255, 0));
    EXPECT_EQ(pixelRows(canvas, kRed, CRect(3, 3, 9, 9)), "......\n"
                                                          ".##...\n"
                                                          ".##...\n"
                                                          "......\n"
                                                          "......\n"
                                                          "......\n");
    EXPECT_EQ(pixelRows(canvas, RGB(0, 255, 0), CRect(3, 3, 9, 9)), "......\n"
                                                                    "......\n"
                                                                    "......\n"
                                                                    "...##.\n"
                                                                    "...##.\n"
                                                                    "......\n");
    EXPECT_EQ(canvas.pixel(4, 6), kWhite);
}

TEST(DiagramDCTest, ColourKeyedPicturesBecomeTransparent) {
    const std::uint32_t pixels[] = {0xFFFF0000u, 0xFF000000u, 0xFFFF0000u};
    const DiagramPicture keyed = DiagramPicture::fromArgb(3, 1, pixels).withColorKey(kRed);
    EXPECT_EQ(keyed.alpha(0, 0), 0);
    EXPECT_EQ(keyed.alpha(1, 0), 255);
    EXPECT_EQ(keyed.pixel(1, 0), kBlack);
    EXPECT_EQ(keyed.alpha(2, 0), 0);
}

TEST(DiagramDCTest, ClipAndSavedStates) {
    DiagramPicture canvas(20, 20, kWhite);
    {
        DiagramDC dc(canvas);
        const int saved = dc.SaveDC();
        EXPECT_EQ(dc.IntersectClipRect(5, 5, 10, 10), SIMPLEREGION);
        dc.SelectObject(CBrush(kRed));
        dc.SetTextColor(kBlue);
        dc.FillSolidRect(CRect(0, 0, 20, 20), kRed);
        CRect clip;
        dc.GetClipBox(&clip);
        EXPECT_EQ(clip, CRect(5, 5, 10, 10));
        EXPECT_EQ(dc.IntersectClipRect(12, 12, 15, 15), NULLREGION);
        dc.FillSolidRect(CRect(0, 0, 20, 20), kBlue); // clipped away entirely
        EXPECT_TRUE(dc.RestoreDC(saved));
        EXPECT_EQ(dc.GetCurrentBrush(), CBrush());
        EXPECT_EQ(dc.GetTextColor(), kBlack);
        dc.FillSolidRect(CRect(0, 0, 3, 3), kBlue);
        EXPECT_FALSE(dc.RestoreDC(saved)); // already given back
    }
    EXPECT_EQ(inkBox(canvas, kWhite), CRect(0, 0, 10, 10));
    EXPECT_EQ(pixelsOf(canvas, kRed).size(), 25u);
    EXPECT_EQ(pixelsOf(canvas, kBlue).size(), 9u);
}

TEST(DiagramDCTest, WindowOriginMovesTheDrawing) {
    DiagramPicture canvas(20, 20, kWhite);
    {
        DiagramDC dc(canvas);
        EXPECT_EQ(dc.SetWindowOrg(10, 5), CPoint(0, 0));
        dc.SetPixel(15, 15, kRed);
        dc.FillSolidRect(CRect(10, 5, 12, 7), kBlue);
        CRect clip;
        dc.GetClipBox(&clip);
        EXPECT_EQ(clip, CRect(10, 5, 30, 25));
    }
    EXPECT_EQ(canvas.pixel(5, 10), kRed);
    EXPECT_EQ(inkBox(canvas, kWhite), CRect(0, 0, 6, 11));
}

TEST(DiagramDCTest, SelectingReturnsWhatWasSelected) {
    DiagramPicture canvas(4, 4, kWhite);
    DiagramDC dc(canvas);
    const CPen red(PS_SOLID, 1, kRed);
    EXPECT_EQ(dc.SelectObject(red), CPen::stock(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(CPen::stock(WHITE_PEN)), red);
    EXPECT_EQ(dc.SelectObject(CBrush(kBlue)), CBrush::stock(WHITE_BRUSH));
    const CFont courier{.height = -12, .face = "Courier New"};
    EXPECT_EQ(dc.SelectObject(courier), CFont::stock(DEFAULT_GUI_FONT));
    dc.SelectStockObject(DEFAULT_GUI_FONT);
    EXPECT_EQ(dc.GetCurrentFont(), CFont::stock(DEFAULT_GUI_FONT));
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetTextColor(kRed), kBlack);
    EXPECT_EQ(dc.SetBkColor(kRed), kWhite);
    EXPECT_EQ(dc.MoveTo(2, 3), CPoint(0, 0));
    EXPECT_EQ(dc.MoveTo(0, 0), CPoint(2, 3));
}

// Shapes reaching far outside the picture, with coordinates beyond what
// the graphics layer holds, draw what falls inside (and only walk that part).
TEST(DiagramDCTest, HugeCoordinatesDrawWhatFallsInside) {
    DiagramPicture canvas(40, 40, kWhite);
    {
        DiagramDC dc(canvas);
        dc.SelectObject(CBrush(kRed));
        dc.Ellipse(-30000000, -30000000, 30000000, 30000000);
        dc.SelectObject(CBrush(kBlue));
        dc.Rectangle(-30000000, 30, 30000000, 30000000);
        dc.SelectObject(CBrush(kRed));
        const CPoint far[] = {{-30000000, 35}, {30000000, 35}, {0, 30000000}};
        dc.Polygon(far, 3);
        dc.MoveTo(-20000000, 5);
        dc.LineTo(20000000, 5);
        dc.SelectObject(CPen::ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 3, kBlack));
        dc.MoveTo(-20000000, 20);
        dc.LineTo(20000000, 20);
    }
    EXPECT_EQ(canvas.pixel(0, 5), kBlack);
    EXPECT_EQ(canvas.pixel(39, 5), kBlack);
    EXPECT_EQ(canvas.pixel(20, 21), kBlack);
    EXPECT_EQ(canvas.pixel(20, 10), kRed);  // inside the ellipse
    EXPECT_EQ(canvas.pixel(20, 32), kBlue); // inside the rectangle
    EXPECT_EQ(canvas.pixel(20, 37), kRed);  // inside the triangle
}

// Drawing through a cairo context of the caller's (as the canvas does on
// the screen) gives the very pixels of drawing into a picture.
void drawSample(DiagramDC& dc) {
    dc.SelectObject(CBrush(RGB(255, 215, 125)));
    dc.RoundRect(5, 5, 95, 45, 8, 8);
    dc.SelectObject(CPen(PS_DOT, 1, RGB(0, 0, 160)));
    dc.Ellipse(100, 5, 150, 45);
    const CPoint diamond[] = {{170, 5}, {190, 25}, {170, 45}, {150, 25}};
    dc.SelectObject(CPen::ExtCreatePen(PS_GEOMETRIC | PS_DASHDOT, 2, kBlack));
    dc.Polygon(diamond, 4);
    dc.SetBkMode(TRANSPARENT);
    dc.SelectObject(CFont{.height = -13, .weight = FW_BOLD, .face = "Arial"});
    dc.DrawText("Start/End", CRect(5, 5, 95, 45), DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    dc.SelectObject(CFont{.height = 12, .italic = 1, .face = "Times New Roman"});
    dc.DrawText("A label that wraps", CRect(100, 50, 180, 90), DT_WORDBREAK | DT_RIGHT);
    dc.SelectObject(CFont{.height = -12, .escapement = 900, .face = "Courier New"});
    dc.TextOut(190, 95, "Lane");
    const std::uint32_t pixels[] = {0xFFFF0000u, 0x800000FFu, 0x40000000u, 0xFF00FF00u};
    dc.DrawPicture(CRect(10, 60, 40, 90), DiagramPicture::fromArgb(2, 2, pixels));
    for (int x = 0; x < 200; x += 6)
        dc.SetPixel(x, 99, RGB(192, 192, 192));
}

TEST(DiagramDCTest, ContextAndPictureGiveTheSamePixels) {
    DiagramPicture direct(200, 100, kWhite);
    {
        DiagramDC dc(direct);
        drawSample(dc);
    }
    DiagramPicture throughContext(200, 100, kWhite);
    cairo_t* cr = cairo_create(throughContext.surface());
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT); // whatever the caller had set
    {
        DiagramDC dc(cr);
        drawSample(dc);
    }
    EXPECT_EQ(cairo_get_antialias(cr), CAIRO_ANTIALIAS_DEFAULT); // handed back as it was
    cairo_destroy(cr);
    int differing = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            differing += direct.pixel(x, y) != throughContext.pixel(x, y);
    EXPECT_EQ(differing, 0);
    EXPECT_FALSE(inkBox(direct, kWhite).IsRectEmpty());
}

} // namespace
