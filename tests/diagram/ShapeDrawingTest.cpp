// Each shape drawn offscreen at zoom 1 and 2, its pixels probed: fill,
// outline, arrowheads, gateway markers, the label's bracket, selection
// markers; and all of them in one picture for a person to look at
// ("diagram-shapes.png" and "diagram-shapes-enlarged.png" in
// $TOLVANE_SCREENSHOT_DIR when that is set, else in the test's own folder).

#include "CDiagramLine.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartEntityCircle.h"
#include "CFlowchartEntityCondition.h"
#include "CFlowchartEntityTerminator.h"
#include "CFlowchartLabel.h"
#include "DiagramDC.h"
#include "GatewayMarker.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kFill = RGB(255, 215, 125);
const COLORREF kOutline = RGB(0, 0, 160);
const COLORREF kRed = RGB(200, 0, 0);

DiagramPicture drawn(CDiagramEntity& entity, double zoom, int language = 0) {
    DiagramPicture picture(1100, 600, kWhite);
    {
        DiagramDC dc(picture);
        entity.drawObject(dc, zoom, language);
    }
    return picture;
}

// Pixels of the colour in the rectangle.
int count(const DiagramPicture& picture, COLORREF color, const CRect& rect) {
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            n += picture.pixel(x, y) == color;
    return n;
}

// Pixels darker than mid grey: text, whatever its anti-aliasing.
int ink(const DiagramPicture& picture, const CRect& rect) {
    int n = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x) {
            const COLORREF c = picture.pixel(x, y);
            n += (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF) < 3 * 128;
        }
    return n;
}

// The smallest rectangle holding the pixels of the rectangle that are not white.
CRect inkIn(const DiagramPicture& picture, const CRect& rect) {
    CRect box;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (picture.pixel(x, y) != kWhite)
                box = box | CRect(x, y, x + 1, y + 1);
    return box;
}

bool samePixels(const DiagramPicture& a, const DiagramPicture& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

// A box or a circle in the fill and outline colours.
template <class Shape> std::unique_ptr<Shape> makeForm(double left) {
    auto shape = std::make_unique<Shape>();
    shape->setRect(left, 10, left + 60, 50);
    shape->setFillColor(255, 215, 125);
    shape->setLineColor(0, 0, 160);
    return shape;
}

std::unique_ptr<CFlowchartEntityBox> makeBox() {
    return makeForm<CFlowchartEntityBox>(10);
}

std::unique_ptr<CFlowchartEntityCircle> makeCircle() {
    return makeForm<CFlowchartEntityCircle>(100);
}

std::unique_ptr<CFlowchartEntityTerminator> makeTerminator() {
    auto terminator = std::make_unique<CFlowchartEntityTerminator>();
    terminator->setRect(190, 10, 0, 0);
    terminator->setTitle("Start");
    terminator->setTitleL2("D\xe9"
                           "but");
    return terminator;
}

std::unique_ptr<CFlowchartLabel> makeLabel() {
    auto label = std::make_unique<CFlowchartLabel>();
    label->setRect(10, 70, 150, 110);
    label->setTitle("Note here");
    label->setColor(0, 0, 128);
    label->setFrame(1);
    return label;
}

std::unique_ptr<CDiagramLine> makeLine() {
    auto line = std::make_unique<CDiagramLine>();
    line->setRect(200, 90, 300, 90);
    line->setColor(200, 0, 0);
    line->setStartArrow(CDiagramLine::kOpenArrow);
    line->setEndArrow(CDiagramLine::kFilledArrow);
    return line;
}

std::unique_ptr<CFlowchartEntityCondition> makeDecision() {
    auto condition = std::make_unique<CFlowchartEntityCondition>();
    condition->setRect(10, 130, 50, 170);
    condition->setColorScheme(4);
    return condition;
}

std::unique_ptr<CFlowchartEntityCondition> makeGateway(int kind) {
    auto condition = std::make_unique<CFlowchartEntityCondition>();
    condition->setGatewayKind(kind);
    condition->setRect(60 + 70 * (kind - 1), 200, 120 + 70 * (kind - 1), 260);
    condition->setColorScheme(1);
    condition->setTitle("Gateway");
    return condition;
}

TEST(ShapeDrawingTest, BoxAndCircleFillInsideTheirOutline) {
    for (int zoom : {1, 2}) {
        auto box = makeBox();
        const DiagramPicture picture = drawn(*box, zoom);
        EXPECT_EQ(picture.pixel(40 * zoom, 30 * zoom), kFill) << zoom;
        EXPECT_EQ(picture.pixel(10 * zoom, 30 * zoom), kOutline) << zoom;
        EXPECT_EQ(picture.pixel(40 * zoom, 10 * zoom), kOutline) << zoom;
        // The right and bottom edges lie outside.
        EXPECT_EQ(picture.pixel(70 * zoom - 1, 30 * zoom), kOutline) << zoom;
        EXPECT_EQ(picture.pixel(70 * zoom, 30 * zoom), kWhite) << zoom;
        EXPECT_EQ(picture.pixel(40 * zoom, 50 * zoom), kWhite) << zoom;
        // The outline keeps its width in pixels.
        EXPECT_EQ(picture.pixel(10 * zoom + 1, 30 * zoom), kFill) << zoom;

        auto circle = makeCircle();
        const DiagramPicture round = drawn(*circle, zoom);
        EXPECT_EQ(round.pixel(130 * zoom, 30 * zoom), kFill) << zoom;
        EXPECT_EQ(round.pixel(100 * zoom, 30 * zoom), kOutline) << zoom;
        EXPECT_EQ(round.pixel(100 * zoom + 2, 10 * zoom + 2), kWhite) << zoom;
    }
    // Without an outline the fill alone is drawn.
    auto box = makeBox();
    box->setLineWidth(0);
    const DiagramPicture picture = drawn(*box, 1);
    EXPECT_EQ(count(picture, kOutline, CRect(0, 0, 100, 100)), 0);
    EXPECT_EQ(picture.pixel(10, 30), kFill);
}

TEST(ShapeDrawingTest, LineEndsWithItsArrowheads) {
    for (int zoom : {1, 2}) {
        auto line = makeLine();
        const DiagramPicture picture = drawn(*line, zoom);
        const CPoint start(200 * zoom, 90 * zoom);
        const CPoint end(300 * zoom, 90 * zoom);
        EXPECT_EQ(picture.pixel(250 * zoom, 90 * zoom), kRed) << zoom;
        // The filled head at the end: its tip beyond the end and its inside.
        EXPECT_EQ(picture.pixel(end.x + 3, end.y), kRed) << zoom;
        EXPECT_EQ(picture.pixel(end.x + 4, end.y), kWhite) << zoom;
        EXPECT_EQ(picture.pixel(end.x - 7, end.y - 2), kRed) << zoom;
        // The open head at the start: two strokes from its tip, white inside.
        EXPECT_EQ(picture.pixel(start.x - 3, start.y), kRed) << zoom;
        EXPECT_EQ(picture.pixel(start.x + 6, start.y - 1), kWhite) << zoom;
        EXPECT_EQ(picture.pixel(start.x + 6, start.y + 1), kWhite) << zoom;
        EXPECT_GE(count(picture, kRed, CRect(start.x - 3, start.y - 6, start.x + 11, start.y)), 10) << zoom;
    }
    // A line of no length draws no arrowheads; a pen of width 0 no line, but
    // the filled head still.
    auto dot = makeLine();
    dot->setRect(200, 90, 200, 90);
    EXPECT_EQ(count(drawn(*dot, 1), kRed, CRect(180, 70, 220, 110)), 0);
    auto invisible = makeLine();
    invisible->setPenWidth(0);
    const DiagramPicture picture = drawn(*invisible, 1);
    EXPECT_EQ(picture.pixel(250, 90), kWhite);
    EXPECT_EQ(picture.pixel(300 - 7, 90 - 2), kRed);
}

TEST(ShapeDrawingTest, TerminatorIsARoundedFrameWithItsFirstTitle) {
    for (int zoom : {1, 2}) {
        auto terminator = makeTerminator();
        const DiagramPicture picture = drawn(*terminator, zoom);
        const CRect rect(190 * zoom, 10 * zoom, 318 * zoom, 42 * zoom);
        EXPECT_EQ(picture.pixel(254 * zoom, rect.top), kBlack) << zoom;
        EXPECT_EQ(picture.pixel(rect.left, 26 * zoom), kBlack) << zoom;
        EXPECT_EQ(picture.pixel(rect.left, rect.top), kWhite) << zoom; // a rounded corner
        EXPECT_GT(ink(picture, CRect(rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2)), 20)
            << zoom;
    }
    // The text follows the zoom; the second language shows the first title.
    auto terminator = makeTerminator();
    const int one = inkIn(drawn(*terminator, 1), CRect(193, 13, 315, 39)).Height();
    const int two = inkIn(drawn(*terminator, 2), CRect(386, 26, 630, 78)).Height();
    EXPECT_GE(two, 2 * one - 2);
    EXPECT_LE(two, 2 * one + 2);
    EXPECT_TRUE(samePixels(drawn(*terminator, 1, 0), drawn(*terminator, 1, 1)));
}

TEST(ShapeDrawingTest, LabelTextAndBracketKeepTheirPixelSize) {
    CRect inks[2];
    for (int zoom : {1, 2}) {
        auto label = makeLabel();
        const DiagramPicture picture = drawn(*label, zoom);
        const CRect rect(10 * zoom, 70 * zoom, 150 * zoom, 110 * zoom);
        // The bracket: 15 pixels along the top and the bottom, the left edge between.
        EXPECT_EQ(count(picture, kBlack, CRect(rect.left, rect.top, rect.left + 20, rect.top + 1)), 16)
            << zoom;
        EXPECT_EQ(count(picture, kBlack, CRect(rect.left, rect.bottom, rect.left + 20, rect.bottom + 1)), 15)
            << zoom;
        EXPECT_EQ(count(picture, kBlack, CRect(rect.left, rect.top, rect.left + 1, rect.bottom + 1)),
                  rect.Height() + 1)
            << zoom;
        // The text starts 8 pixels right of the bracket's stroke.
        const CRect text = inkIn(picture, CRect(rect.left + 1, rect.top + 1, rect.right, rect.bottom));
        EXPECT_GE(text.left, rect.left + 8) << zoom;
        EXPECT_LE(text.left, rect.left + 10) << zoom;
        EXPECT_GT(ink(picture, text), 20) << zoom;
        // In the label's navy: blue above red and green.
        int navy = 0;
        for (int y = text.top; y < text.bottom; ++y)
            for (int x = text.left; x < text.right; ++x) {
                const COLORREF c = picture.pixel(x, y);
                navy += ((c >> 16) & 0xFF) > (c & 0xFF) + 30 && (c & 0xFF) == ((c >> 8) & 0xFF);
            }
        EXPECT_GT(navy, 20) << zoom;
        inks[zoom - 1] = text;
    }
    EXPECT_EQ(inks[0].Width(), inks[1].Width());
    EXPECT_EQ(inks[0].Height(), inks[1].Height());
}

TEST(ShapeDrawingTest, DecisionDiamondKeepsItsSizeAndHangsFromTheTop) {
    for (int zoom : {1, 2}) {
        auto condition = makeDecision();
        const DiagramPicture picture = drawn(*condition, zoom);
        const int cx = 30 * zoom;
        const int top = 130 * zoom;
        EXPECT_EQ(picture.pixel(cx, top), kBlack) << zoom;
        EXPECT_EQ(picture.pixel(cx, top + 6), kFill) << zoom;
        EXPECT_EQ(picture.pixel(cx - 5, top + 6), kFill) << zoom;
        EXPECT_EQ(picture.pixel(cx - 7, top + 6), kWhite) << zoom;
        EXPECT_EQ(picture.pixel(cx, top + 12), kBlack) << zoom;
        EXPECT_EQ(picture.pixel(cx, top + 13), kWhite) << zoom;
        // The title "?" below the diamond, from 16 pixels under the top.
        const CRect text = inkIn(picture, CRect(10 * zoom, top + 13, 50 * zoom, 170 * zoom));
        EXPECT_GE(text.top, top + 16) << zoom;
        EXPECT_GT(ink(picture, text), 3) << zoom;
    }
}

TEST(ShapeDrawingTest, GatewaysPrintTheirMarkerOverTheFill) {
    const COLORREF fill = RGB(205, 235, 220);
    for (int zoom : {1, 2}) {
        for (int kind = 1; kind <= 7; ++kind) {
            auto gateway = makeGateway(kind);
            const CRect rect = gateway->getRect();
            const DiagramPicture picture = drawn(*gateway, zoom);
            const int left = rect.left * zoom;
            const int top = rect.top * zoom;
            const int width = rect.Width() * zoom;
            // Inside the diamond the marker's black lines print over the
            // fill, and the fill shows wherever the marker is transparent.
            const int mx = left + (width - 37) / 2 + 18;
            const DiagramPicture& marker = GatewayMarker::picture(kind);
            int black = 0;
            for (int y = 0; y < 37; ++y)
                for (int x = 0; x < 37; ++x) {
                    if (std::abs(x - 18) + std::abs(y - 18) >= 15)
                        continue;
                    const COLORREF expected = marker.alpha(x, y) == 255 ? kBlack : fill;
                    black += expected == kBlack;
                    ASSERT_EQ(picture.pixel(mx - 18 + x, top + y), expected)
                        << "kind " << kind << " zoom " << zoom << " at " << x << "," << y;
                }
            EXPECT_EQ(black > 0, kind != 1) << kind; // 1: the empty diamond
            EXPECT_EQ(picture.pixel(mx, top), kBlack) << "kind " << kind << " zoom " << zoom;
            EXPECT_EQ(picture.pixel(mx, top + 37), kWhite) << "kind " << kind << " zoom " << zoom;
            // The title from 40 pixels under the top.
            const CRect text = inkIn(picture, CRect(left, top + 38, left + width, top + 60 * zoom));
            EXPECT_GE(text.top, top + 40) << kind;
            EXPECT_FALSE(text.IsRectEmpty()) << kind;
        }
    }
}

TEST(ShapeDrawingTest, SelectionMarkers) {
    auto terminator = makeTerminator();
    terminator->select(TRUE);
    DiagramPicture picture = drawn(*terminator, 1);
    // Green squares with a black ring on the four side middles only.
    EXPECT_EQ(picture.pixel(190 - 2, 26), kGreen);
    EXPECT_EQ(picture.pixel(318 + 2, 26), kGreen);
    EXPECT_EQ(picture.pixel(254, 10 - 2), kGreen);
    EXPECT_EQ(picture.pixel(254, 42 + 2), kGreen);
    EXPECT_EQ(picture.pixel(190 - 4, 26), kBlack);
    EXPECT_EQ(count(picture, kGreen, CRect(180, 0, 200, 20)), 0);

    auto line = makeLine();
    line->select(TRUE);
    picture = drawn(*line, 2);
    EXPECT_EQ(picture.pixel(400 - 2, 180 + 2), kGreen);
    EXPECT_EQ(picture.pixel(600 + 2, 180 + 2), kGreen);
    EXPECT_EQ(count(picture, kGreen, CRect(490, 170, 510, 190)), 0);

    // A selected condition adds light yellow squares on the diamond's side corners.
    auto condition = makeDecision();
    condition->select(TRUE);
    picture = drawn(*condition, 1);
    EXPECT_EQ(picture.pixel(30 - 6 - 1, 130 + 6 - 1), RGB(255, 255, 128));
    EXPECT_EQ(picture.pixel(30 + 6 + 1, 130 + 6 - 1), RGB(255, 255, 128));
    EXPECT_EQ(picture.pixel(10 - 1, 150), kGreen); // its own 6 x 6 side marker
}

// A pen width read from a file may be any int: a pen wider than the picture
// covers it (as far as its ends reach) and harms nothing.
TEST(ShapeDrawingTest, HugePenWidthsCoverThePicture) {
    for (int width : {100000000, 2147483647}) {
        auto box = makeBox();
        box->setLineWidth(width);
        const DiagramPicture framed = drawn(*box, 1);
        EXPECT_EQ(framed.pixel(40, 30), kOutline) << width;
        EXPECT_EQ(framed.pixel(1000, 500), kOutline) << width;

        auto line = makeLine();
        line->setPenWidth(width);
        const DiagramPicture band = drawn(*line, 2);
        EXPECT_EQ(band.pixel(500, 10), kRed) << width;
        EXPECT_EQ(band.pixel(500, 590), kRed) << width;
    }
}

TEST(ShapeDrawingTest, EveryShapeInOnePicture) {
    std::vector<std::unique_ptr<CDiagramEntity>> entities;
    entities.push_back(makeBox());
    entities.push_back(makeCircle());
    entities.push_back(makeTerminator());
    entities.push_back(makeLabel());
    entities.push_back(makeLine());
    entities.push_back(makeDecision());
    for (int kind = 1; kind <= 7; ++kind)
        entities.push_back(makeGateway(kind));
    entities[2]->select(TRUE);
    entities[4]->select(TRUE);
    entities[5]->select(TRUE);

    DiagramPicture canvas(1100, 1080, kWhite);
    {
        DiagramDC dc(canvas);
        for (auto& entity : entities)
            entity->drawObject(dc, 1, 0);
        dc.SetWindowOrg(0, -290);
        for (auto& entity : entities)
            entity->drawObject(dc, 2, 0);
    }
    // The shapes at zoom 1, four times larger pixel for pixel.
    DiagramPicture enlarged(4 * 330, 4 * 270);
    {
        DiagramDC dc(enlarged);
        dc.DrawPicture(CRect(0, 0, 4 * 330, 4 * 270), canvas, CRect(0, 0, 330, 270));
    }
    TempDir folder;
    const char* wanted = std::getenv("TOLVANE_SCREENSHOT_DIR");
    const std::string stem =
        (wanted && *wanted ? std::string(wanted) + "/" : folder.path()) + "diagram-shapes";
    EXPECT_TRUE(canvas.savePng(stem + ".png")) << stem;
    EXPECT_TRUE(enlarged.savePng(stem + "-enlarged.png")) << stem;
}

} // namespace
