#include "ActivitySymbols.h"
#include "CActivityBox.h"
#include "CGradient.h"
#include "DiagramDC.h"
#include "DiagramPicture.h"
#include "NodePictures.h"
#include "NotationColors.h"
#include "PictureProbe.h"
#include "WorkflowProject.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);

int distance(COLORREF a, COLORREF b) {
    int sum = 0;
    for (int shift : {0, 8, 16})
        sum += std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
    return sum;
}

int countBlack(const DiagramPicture& picture, CRect area) {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            n += picture.pixel(x, y) == RGB(0, 0, 0);
    return n;
}

bool hasInk(const DiagramPicture& picture, CRect area, COLORREF background = kPaper) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (picture.pixel(x, y) != background)
                return true;
    return false;
}

int countColor(const DiagramPicture& picture, COLORREF color) {
    int n = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            n += picture.pixel(x, y) == color;
    return n;
}

DiagramPicture drawBox(CActivityBox& box, int width = 200, int height = 120, int language = 0) {
    DiagramPicture picture(width, height, kPaper);
    {
        DiagramDC dc(picture);
        box.drawObject(dc, 1.0, language);
    }
    return picture;
}

TEST(GradientTest, StartAtBottomLeftEndAtTopRightInsideTheMargins) {
    const COLORREF start = RGB(240, 65, 35), end = RGB(255, 200, 175);
    DiagramPicture picture(140, 80, kPaper);
    {
        DiagramDC dc(picture);
        CGradient().drawGradient(dc, CRect(10, 10, 130, 70), start, end, 0, 0.4);
    }
    EXPECT_LT(distance(picture.pixel(11, 67), start), 10);
    EXPECT_LT(distance(picture.pixel(127, 11), end), 10);
    // The mean along the diagonal from the top-left to the bottom-right corner.
    const COLORREF mean = RGB((240 + 255) / 2, (65 + 200) / 2, (35 + 175) / 2);
    EXPECT_LT(distance(picture.pixel(70, 40), mean), 12);
    // Inside the rectangle, off its left and top edges and its last column.
    EXPECT_EQ(inkBox(picture, kPaper), CRect(11, 11, 129, 70));
}

TEST(GradientTest, CachedTileHasThePixelsOfTheLines) {
    const COLORREF start = RGB(95, 170, 220), end = RGB(205, 235, 220);
    for (const CRect rect :
         {CRect(3, 4, 93, 40), CRect(0, 0, 38, 24), CRect(5, 5, 9, 60), CRect(2, 2, 300, 12)}) {
        DiagramPicture lines(320, 80, kPaper), tiled(320, 80, kPaper);
        {
            DiagramDC dc(lines);
            CGradient::drawLines(dc, rect, start, end, 0, 0.4);
        }
        const int before = CGradient::cachedTileCount();
        for (int pass = 0; pass < 2; ++pass) {
            DiagramDC dc(tiled);
            CGradient().drawGradient(dc, rect, start, end, 0, 0.4);
        }
        EXPECT_LE(CGradient::cachedTileCount(), before + 1) << "one tile per size and colour pair";
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 320; ++x)
                ASSERT_EQ(lines.pixel(x, y), tiled.pixel(x, y)) << x << "," << y << " of " << rect.Width();
    }
}

TEST(GradientTest, NarrowRectanglesAndThePowerArgument) {
    const COLORREF start = RGB(0, 0, 0), end = RGB(200, 100, 50);
    struct Case {
        CRect rect;
        int inked;
    };
    // Zero width draws nothing; one pixel wide fills its column with the mean colour.
    const Case cases[] = {{CRect(10, 10, 10, 40), 0}, {CRect(10, 10, 11, 40), 27}};
    for (const Case& c : cases) {
        DiagramPicture picture(40, 50, kPaper);
        {
            DiagramDC dc(picture);
            CGradient().drawGradient(dc, c.rect, start, end, 0, 0.4);
        }
        EXPECT_EQ(50 * 40 - countColor(picture, kPaper), c.inked) << c.rect.Width();
        if (c.inked) {
            EXPECT_EQ(picture.pixel(10, 20), RGB(100, 50, 25));
            EXPECT_FALSE(hasInk(picture, CRect(11, 0, 40, 50)));
        }
    }
    DiagramPicture a(60, 40, kPaper), b(60, 40, kPaper);
    {
        DiagramDC dcA(a), dcB(b);
        CGradient().drawGradient(dcA, CRect(0, 0, 60, 40), start, end, 0, 0.4);
        CGradient().drawGradient(dcB, CRect(0, 0, 60, 40), start, end, 0, 3.0);
    }
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 60; ++x)
            ASSERT_EQ(a.pixel(x, y), b.pixel(x, y));
}

TEST(ActivityDrawingTest, RoundedNotationsTakeTheirSchemeAndBorder) {
    struct Case {
        int kind;
        int style;
        COLORREF border;
    };
    const NotationScheme& grey = NotationColors::scheme(3);
    const Case cases[] = {
        {1, 10, NotationColors::scheme(10).outline},
        {1, 0, NotationColors::scheme(0).outline},
        {3, 1, RGB(0, 0, 0)},
        {5, 2, RGB(0, 0, 0)},
        {6, 4, RGB(0, 0, 0)},
        {4, 7, RGB(0, 0, 0)},
        {1, 9, grey.outline},
        {1, 42, grey.outline},
        {7, 9, RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        CActivityBox box;
        box.setNotationKind(c.kind);
        box.setStyle(c.style);
        box.setTitle("");
        box.setRect(20, 20, 140, 80);
        const DiagramPicture picture = drawBox(box);
        const NotationScheme& scheme = NotationColors::scheme(c.style);
        // R = (22, 20, 140, 78): its top edge in the border colour.
        EXPECT_EQ(picture.pixel(80, 20), c.border) << "kind " << c.kind << " style " << c.style;
        const int inner = c.kind == 4 ? 4 : 0; // the transaction's gradient lies inside its second border
        EXPECT_LT(distance(picture.pixel(25 + inner, 75 - inner), scheme.dark), 24)
            << c.kind << "/" << c.style;
        EXPECT_LT(distance(picture.pixel(136 - inner, 22 + inner), scheme.light), 24)
            << c.kind << "/" << c.style;
        // The shadow along the left.
        EXPECT_EQ(picture.pixel(21, 40), RGB(150, 150, 150)) << c.kind;
        EXPECT_EQ(picture.pixel(20, 40), RGB(225, 225, 225)) << c.kind;
    }
    EXPECT_EQ(&NotationColors::scheme(42), &NotationColors::scheme(3));
}

TEST(ActivityDrawingTest, MarkersAndCaptionsWhereTheyBelong) {
    // An expanded sub-process writes its caption at the top left; collapsed,
    // the "+" marker appears at the bottom and the caption is centred, 13 higher.
    CActivityBox box;
    box.setNotationKind(CActivityBox::kSubProcess);
    box.setStyle(8);
    box.setTitle("Sub");
    box.setRect(20, 20, 160, 100);
    DiagramPicture expanded = drawBox(box);
    const CRect topLeft(25, 25, 60, 45);
    EXPECT_TRUE(hasInk(expanded, topLeft, expanded.pixel(40, 50)) || hasInk(expanded, topLeft));
    const int markerTop = 100 - 17;
    const int x = (20 + 160 + 2) / 2 + 0 - 13 / 2; // one marker
    const CRect markerArea(x, markerTop, x + 13, markerTop + 13);
    EXPECT_EQ(countBlack(expanded, markerArea), 0);

    box.setMarkers(0, 0, 0, 0, 0, 1);
    const DiagramPicture collapsed = drawBox(box);
    EXPECT_EQ(collapsed.pixel(x, markerTop + 6), RGB(0, 0, 0)) << "the marker square's left side";
    EXPECT_EQ(collapsed.pixel(x + 6, markerTop + 6), RGB(0, 0, 0)) << "the plus";

    // A UML activity never shows markers, whatever its record holds.
    box.setNotationKind(CActivityBox::kUmlActivity);
    const DiagramPicture uml = drawBox(box);
    EXPECT_EQ(countBlack(uml, markerArea), 0);

    // Three markers are centred on the middle, 15 apart.
    box.setNotationKind(CActivityBox::kTask);
    box.setMarkers(1, 0, 0, 1, 0, 1);
    const DiagramPicture three = drawBox(box);
    const int first = (182) / 2 + (2 - 6) / 2 - 39 / 2;
    for (int i = 0; i < 3; ++i) {
        EXPECT_GT(countBlack(three, CRect(first + 15 * i, markerTop, first + 15 * i + 13, markerTop + 13)), 6)
            << i;
        EXPECT_EQ(
            countBlack(three, CRect(first + 15 * i + 13, markerTop, first + 15 * i + 15, markerTop + 13)), 0)
            << i;
    }
}

TEST(ActivityDrawingTest, TaskAndTriggerIcons) {
    CActivityBox box;
    box.setNotationKind(CActivityBox::kTask);
    box.setStyle(8);
    box.setTitle("");
    box.setRect(20, 20, 140, 80);
    const CRect iconArea(26, 24, 50, 48);
    EXPECT_FALSE(hasInk(drawBox(box), CRect(30, 28, 44, 38), RGB(250, 250, 250)) &&
                 countColor(drawBox(box), RGB(0, 0, 0)) > 400);
    for (int type = 1; type <= 7; ++type) {
        box.setTaskType(type);
        const DiagramPicture picture = drawBox(box);
        int black = 0;
        for (int y = iconArea.top; y < iconArea.bottom; ++y)
            for (int x = iconArea.left; x < iconArea.right; ++x)
                black += picture.pixel(x, y) == RGB(0, 0, 0);
        EXPECT_GT(black, 10) << "task type " << type;
        EXPECT_EQ(ActivitySymbols::taskIcon(type).width(), type == 6 ? 24 : 22);
    }
    // The event sub-process shows its trigger only while collapsed; its border is dotted.
    box.setNotationKind(CActivityBox::kEventSubProcess);
    box.setTaskType(0);
    box.setEventTrigger(14);
    const DiagramPicture open = drawBox(box);
    const int dots = countBlack(open, CRect(40, 20, 120, 21));
    EXPECT_GT(dots, 30) << "dotted border";
    EXPECT_LT(dots, 50) << "dotted border";
    box.setMarkers(0, 0, 0, 0, 0, 1);
    const DiagramPicture shut = drawBox(box);
    EXPECT_EQ(countBlack(open, CRect(26, 24, 50, 48)), 0);
    EXPECT_GT(countBlack(shut, CRect(26, 24, 50, 48)), 40) << "the trigger icon";
    EXPECT_TRUE(ActivitySymbols::isNonInterrupting(13));
    EXPECT_FALSE(ActivitySymbols::isNonInterrupting(14));
    EXPECT_FALSE(ActivitySymbols::isNonInterrupting(15));
}

TEST(ActivityDrawingTest, PlaqueTriangleAndCaptionBelow) {
    for (int style = 0; style < 5; ++style) {
        const DiagramPicture& plaque = NodePictures::activityPlaque(style);
        ASSERT_EQ(plaque.width(), 38) << style;
        ASSERT_EQ(plaque.height(), 24) << style;
    }
    CActivityBox box;
    box.setNotationKind(CActivityBox::kArtistic);
    box.setStyle(0);
    box.setTitle("Plan");
    box.setRect(20, 20, 110, 70);
    DiagramPicture plain = drawBox(box);
    // The plaque sits centred at the top; the caption below it.
    EXPECT_TRUE(hasInk(plain, CRect(46, 20, 84, 44)));
    EXPECT_TRUE(hasInk(plain, CRect(20, 46, 110, 70)));
    box.select(TRUE);
    const DiagramPicture selected = drawBox(box);
    EXPECT_GT(countColor(selected, RGB(128, 128, 128)), 20) << "white on grey while selected";
    EXPECT_EQ(selected.pixel(46, 32), RGB(255, 255, 128)) << "the link point at the plaque's left end";

    box.select(FALSE);
    box.setNotationKind(CActivityBox::kTriangle);
    box.setStyle(0);
    const DiagramPicture triangle = drawBox(box);
    EXPECT_EQ(triangle.pixel(65, 40), RGB(200, 50, 50));
    EXPECT_EQ(triangle.pixel(65, 20), RGB(100, 0, 0));
}

TEST(ActivityDrawingTest, CustomBitmapIsDrawnFromTheDiagramsFolderOnly) {
    WorkflowProject project;
    DiagramPicture shape(30, 20, RGB(0, 128, 255));
    ASSERT_TRUE(shape.savePng(project.path("site/Process/Delivery/shape.png")));
    ASSERT_TRUE(shape.savePng(project.path("site/Process/outside.png")));
    struct Case {
        const char* name;
        bool drawn;
    };
    const Case cases[] = {{"shape.png", true},        {"missing.png", false},   {"../outside.png", false},
                          {"..\\outside.png", false}, {"sub/shape.png", false}, {"/tmp/shape.png", false}};
    for (const Case& c : cases) {
        CActivityBox box(project.manager.get(), project.item("N2"));
        box.setOwner(project.item("N2"));
        box.setNotationKind(CActivityBox::kCustomBitmap);
        box.setCustomBitmap(c.name);
        box.setTitle("Picture");
        box.setRect(20, 20, 110, 70);
        const DiagramPicture picture = drawBox(box);
        EXPECT_EQ(picture.pixel(60, 30) == RGB(0, 128, 255), c.drawn) << c.name;
        // A picture that does not load leaves the box invisible, caption and all.
        EXPECT_EQ(hasInk(picture, CRect(0, 0, 200, 120)), c.drawn) << c.name;
        if (c.drawn) {
            EXPECT_EQ(box.getMinimumSize(), CSize(30, 34));
        }
    }
}

// Every notation and scheme on one sheet, saved for a look.
TEST(ActivityDrawingTest, SheetOfEveryNotation) {
    WorkflowProject project;
    DiagramPicture sheet(1000, 700, kPaper);
    {
        DiagramDC dc(sheet);
        int y = 10;
        for (int kind = 0; kind <= 8; ++kind) {
            int x = 10;
            for (int style : {0, 1, 2, 3, 4, 10, 11}) {
                CActivityBox box(project.manager.get());
                box.setNotationKind(kind);
                box.setStyle(kind == 7 ? 9 : style);
                box.setTitle(kind == 0 || kind == 2 ? "Plan" : "Pr\xe9parer le plan");
                box.setTaskType((kind == 3 || kind == 6) ? style % 8 : 0);
                box.setEventTrigger(kind == 8 ? 1 + style % 16 : 0);
                if (kind >= 3)
                    box.setMarkers(style == 1, style == 4, style == 3, style == 2, 0,
                                   kind == 8 || style == 0);
                box.setRect(x, y, x + 120, y + 60);
                box.select(style == 11);
                box.drawObject(dc, 1.0, 0);
                x += 140;
            }
            y += 75;
        }
    }
    const std::filesystem::path folder = "/work/briefs/shots/activity";
    if (std::filesystem::is_directory(folder))
        EXPECT_TRUE(sheet.savePng((folder / "notations.png").string()));
    EXPECT_GT(countColor(sheet, kPaper), 1000 * 700 / 3);
}

} // namespace
