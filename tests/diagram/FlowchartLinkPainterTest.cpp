// How links are painted: each kind's line, heads and end decorations, the
// label in each placement, the markers of a selected link, the grid's dots
// and the line of link mode; painting changes no link. A picture of every
// kind and every label placement is saved for a look (in
// $TOLVANE_SCREENSHOT_DIR when that is set, else in the test's own folder).

#include "FlowchartLinkPainter.h"
#include "CFlowchartEditor.h"
#include "LinkedFlowchart.h"
#include "PictureProbe.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kPaper = RGB(250, 250, 230);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(160, 160, 160);
constexpr COLORREF kMarker = RGB(100, 100, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);

// A horizontal link of a kind from (128, 50) to (328, 50), painted alone.
DiagramPicture paintKind(int kind) {
    LinkedFlowchart chart;
    auto* a = chart.box(0, 0, 128, 100);
    auto* b = chart.box(328, 0, 456, 100);
    CFlowchartLink* link = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
    link->setLinkKind(kind);
    DiagramPicture picture(460, 110, kPaper);
    DiagramDC dc(picture);
    FlowchartLinkPainter(chart.container, 1.0, 8, 0).drawLink(dc, *link, *a, *b);
    return picture;
}

bool anyOf(const DiagramPicture& picture, COLORREF color, CRect rect) {
    return pixelRows(picture, color, rect).find('#') != std::string::npos;
}

TEST(FlowchartLinkPainterTest, EachKindHasItsLineHeadsAndDecorations) {
    struct KindCase {
        int kind;
        COLORREF line;      // (141, 50): solid, in a dash's gap, or in the diamond
        COLORREF head;      // (322, 48): inside the to-end head
        COLORREF stroke;    // (139, 47): on the default flow's stroke
        COLORREF circle;    // (126, 50): inside the start circle
        bool nearStart;     // black between x 129-135 above the line: circle, diamond or from-end head
        COLORREF decorator; // (220, 54): inside the envelope
    };
    const KindCase cases[] = {
        {0, kBlack, kBlack, kPaper, kPaper, false, kPaper},
        {1, kPaper, kWhite, kPaper, kWhite, true, kPaper},
        {2, kPaper, kPaper, kPaper, kPaper, false, kPaper},
        {3, kBlack, kBlack, kBlack, kPaper, false, kPaper},
        {4, kWhite, kBlack, kWhite, kPaper, true, kPaper},
        {5, kPaper, kWhite, kPaper, kWhite, true, kWhite},
        {6, kPaper, kWhite, kPaper, kWhite, true, kGrey},
        {7, kPaper, kPaper, kPaper, kPaper, false, kPaper},
        {8, kPaper, kPaper, kPaper, kPaper, true, kPaper},
        {9, kBlack, kPaper, kPaper, kPaper, false, kPaper},
        {10, kBlack, kBlack, kPaper, kPaper, false, kPaper},
    };
    for (const KindCase& c : cases) {
        const DiagramPicture picture = paintKind(c.kind);
        EXPECT_EQ(picture.pixel(141, 50), c.line) << "kind " << c.kind;
        EXPECT_EQ(picture.pixel(322, 48), c.head) << "kind " << c.kind;
        EXPECT_EQ(picture.pixel(139, 47), c.stroke) << "kind " << c.kind;
        EXPECT_EQ(picture.pixel(126, 50), c.circle) << "kind " << c.kind;
        EXPECT_EQ(anyOf(picture, kBlack, CRect(129, 45, 136, 50)), c.nearStart) << "kind " << c.kind;
        EXPECT_EQ(picture.pixel(220, 54), c.decorator) << "kind " << c.kind;
    }
}

TEST(FlowchartLinkPainterTest, ASequenceFlowHeadIsEightLongAndEightWide) {
    const DiagramPicture picture = paintKind(0);
    // Its base at x 320 from y 46 to 54, its tip at 328; the line runs into it.
    EXPECT_EQ(pixelRows(picture, kBlack, CRect(319, 45, 330, 56)), "...........\n"
                                                                   ".##........\n"
                                                                   ".####......\n"
                                                                   ".######....\n"
                                                                   ".########..\n"
                                                                   "##########.\n"
                                                                   ".#######...\n"
                                                                   ".#####.....\n"
                                                                   ".###.......\n"
                                                                   ".#.........\n"
                                                                   "...........\n");
}

// The ink of the red label text.
CRect labelInk(const DiagramPicture& picture) {
    CRect box;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const COLORREF c = picture.pixel(x, y);
            if ((c & 0xFF) > 160 && ((c >> 8) & 0xFF) < 120 && ((c >> 16) & 0xFF) < 120)
                box = box | CRect(x, y, x + 1, y + 1);
        }
    return box;
}

struct LabelCase {
    const char* what;
    CRect from; // the from entity; its bottom or right side is used
    CRect to;
    int fromSide;
    int toSide;
    std::vector<CPoint> points;
    int segment;
    int vertical;     // 0 top, 1 bottom
    int horizontal;   // 0 left, 1 right
    CRect inside;     // where the ink must lie
    CPoint anchor;    // a point of the ink's box: its right, bottom ... (-1: not checked)
    const char* edge; // "right", "left", "top", "bottom", "centre x"
};

const LabelCase kLabelCases[] = {
    {"horizontal, top",
     {0, 30, 128, 130},
     {328, 30, 456, 130},
     LINK_RIGHT,
     LINK_LEFT,
     {},
     1,
     0,
     1,
     {132, 40, 325, 77},
     {228, 76},
     "centre x"},
    {"horizontal, bottom",
     {0, 30, 128, 130},
     {328, 30, 456, 130},
     LINK_RIGHT,
     LINK_LEFT,
     {},
     1,
     1,
     1,
     {132, 84, 325, 110},
     {228, 84},
     "top"},
    {"vertical, left",
     {200, 0, 300, 40},
     {200, 200, 300, 240},
     LINK_BOTTOM,
     LINK_TOP,
     {},
     1,
     1,
     0,
     {186, 100, 247, 140},
     {246, 120},
     "right"},
    {"vertical, right",
     {200, 0, 300, 40},
     {200, 200, 300, 240},
     LINK_BOTTOM,
     LINK_TOP,
     {},
     1,
     1,
     1,
     {254, 100, 311, 140},
     {310, 120},
     "right"},
    {"steep, left",
     {200, 0, 300, 40},
     {230, 200, 330, 240},
     LINK_BOTTOM,
     LINK_TOP,
     {},
     1,
     1,
     0,
     {190, 100, 262, 140},
     {-1, 120},
     "centre y"},
    {"steep, right",
     {200, 0, 300, 40},
     {230, 200, 330, 240},
     LINK_BOTTOM,
     LINK_TOP,
     {},
     1,
     1,
     1,
     {268, 100, 340, 140},
     {-1, 120},
     "centre y"},
    {"sloped, top",
     {0, 30, 128, 130},
     {328, 80, 456, 180},
     LINK_RIGHT,
     LINK_LEFT,
     {},
     1,
     0,
     1,
     {202, 40, 255, 94},
     {228, 93},
     "centre x"},
    {"sloped, bottom",
     {0, 30, 128, 130},
     {328, 80, 456, 180},
     LINK_RIGHT,
     LINK_LEFT,
     {},
     1,
     1,
     1,
     {202, 110, 255, 140},
     {228, 116},
     "top"},
    {"second of three segments, top",
     {0, 30, 128, 130},
     {328, 30, 456, 130},
     LINK_RIGHT,
     LINK_LEFT,
     {{150, 200}, {300, 200}},
     2,
     0,
     1,
     {154, 160, 297, 197},
     {225, 196},
     "centre x"},
    {"third of three segments, right",
     {0, 30, 128, 130},
     {328, 30, 456, 130},
     LINK_RIGHT,
     LINK_LEFT,
     {{150, 200}, {328, 200}},
     3,
     1,
     1,
     {332, 120, 389, 160},
     {-1, 140},
     "centre y"},
};

DiagramPicture paintLabel(const LabelCase& c, int language = 0) {
    LinkedFlowchart chart;
    auto* a = chart.box(c.from.left, c.from.top, c.from.right, c.from.bottom);
    auto* b = chart.box(c.to.left, c.to.top, c.to.right, c.to.bottom);
    CFlowchartLink* link = chart.link(a, b, c.fromSide, c.toSide);
    for (const CPoint point : c.points)
        link->addIntermediaryPoint(point);
    link->setLabel("Go on");
    link->setLabelL2("Weiter");
    link->setLabelSegment(c.segment);
    link->setLabelVerticalPosition(c.vertical);
    link->setLabelHorizontalPosition(c.horizontal);
    link->setTextColor(255, 0, 0);
    DiagramPicture picture(480, 260, kPaper);
    DiagramDC dc(picture);
    FlowchartLinkPainter(chart.container, 1.0, 8, language).drawLink(dc, *link, *a, *b);
    return picture;
}

TEST(FlowchartLinkPainterTest, LabelsStandWhereTheirPlacementSays) {
    for (const LabelCase& c : kLabelCases) {
        const DiagramPicture picture = paintLabel(c);
        const CRect ink = labelInk(picture);
        ASSERT_FALSE(ink.IsRectEmpty()) << c.what;
        EXPECT_TRUE((ink | c.inside) == c.inside)
            << c.what << ": ink " << ink.left << "," << ink.top << "," << ink.right << "," << ink.bottom;
        const std::string edge = c.edge;
        if (edge == "right")
            EXPECT_NEAR(ink.right, c.anchor.x, 3) << c.what;
        if (edge == "top")
            EXPECT_NEAR(ink.top, c.anchor.y, 4) << c.what;
        if (edge == "centre x")
            EXPECT_NEAR((ink.left + ink.right) / 2, c.anchor.x, 3) << c.what;
        if (edge == "centre x")
            EXPECT_NEAR(ink.bottom, c.anchor.y, 5) << c.what;
        if (edge == "right" || edge == "centre y")
            EXPECT_NEAR((ink.top + ink.bottom) / 2, c.anchor.y, 3) << c.what;
    }
}

TEST(FlowchartLinkPainterTest, TheSecondLanguageShowsItsOwnLabel) {
    const DiagramPicture first = paintLabel(kLabelCases[0], 0);
    const DiagramPicture second = paintLabel(kLabelCases[0], 1);
    EXPECT_NE(labelInk(first).Width(), labelInk(second).Width());
}

TEST(FlowchartLinkPainterTest, ASelectedLinkShowsItsMarkersEvenWithCoincidentEnds) {
    struct MarkerCase {
        const char* what;
        CRect b;
        CPoint inMarker;
        CPoint outside;
    };
    const MarkerCase cases[] = {
        // The ends line up: the marker runs 6 pixels toward the other end.
        {"apart", {328, 0, 456, 100}, {132, 48}, {126, 50}},
        // The two ends at one point: a square about it, no direction needed.
        {"coincident", {128, 0, 256, 100}, {126, 48}, {132, 48}},
    };
    for (const MarkerCase& c : cases) {
        LinkedFlowchart chart;
        auto* a = chart.box(0, 0, 128, 100);
        auto* b = chart.box(c.b.left, c.b.top, c.b.right, c.b.bottom);
        CFlowchartLink* link = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
        link->setSelected(TRUE);
        DiagramPicture picture(460, 110, kPaper);
        {
            DiagramDC dc(picture);
            FlowchartLinkPainter(chart.container, 1.0, 8, 0).drawLink(dc, *link, *a, *b);
        }
        EXPECT_EQ(picture.pixel(c.inMarker.x, c.inMarker.y), kMarker) << c.what;
        EXPECT_NE(picture.pixel(c.outside.x, c.outside.y), kMarker) << c.what;
    }
}

TEST(FlowchartLinkPainterTest, PickedBendPointsAreRed) {
    LinkedFlowchart chart;
    auto* a = chart.box(0, 0, 128, 100);
    auto* b = chart.box(328, 0, 456, 100);
    CFlowchartLink* link = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
    link->addIntermediaryPoint(CPoint(200, 80));
    link->addIntermediaryPoint(CPoint(260, 80));
    link->setSecondPointSelected(TRUE);
    DiagramPicture picture(460, 110, kPaper);
    {
        DiagramDC dc(picture);
        FlowchartLinkPainter(chart.container, 1.0, 8, 0).drawLink(dc, *link, *a, *b);
    }
    EXPECT_EQ(picture.pixel(259, 79), kRed);
    EXPECT_NE(picture.pixel(199, 79), kRed);
}

TEST(FlowchartLinkPainterTest, ALinkBetweenRolesIsAnOrganisationalChartLinkAndPaintingChangesNothing) {
    LinkedFlowchart chart;
    auto* boss = chart.box(0, 0, 128, 100, "role");
    auto* clerk = chart.box(328, 0, 456, 100, "role");
    auto* box = chart.box(0, 300, 128, 400);
    ASSERT_TRUE(chart.container.createLink(boss, clerk, ""));
    CFlowchartLink* made = chart.container.getLinkAt(0);
    EXPECT_EQ(made->getLinkKind(), CFlowchartLink::kOrganisationalChartLink);

    auto loaded = std::make_unique<CFlowchartLink>();
    ASSERT_TRUE(loaded->loadFromRecord(CString("flowchart_link:2,1,,") + clerk->getName() + "," +
                                       boss->getName() + ",0,0,0,0,0,0;"));
    chart.container.addLink(std::move(loaded));
    EXPECT_EQ(chart.container.getLinkAt(1)->getLinkKind(), CFlowchartLink::kOrganisationalChartLink);
    EXPECT_EQ(chart.link(boss, box, LINK_BOTTOM, LINK_TOP)->getLinkKind(), CFlowchartLink::kSequenceFlow);

    // A sequence flow between roles that came some other way is drawn as an
    // organisational chart link (no head) and stays as it is.
    made->setLinkKind(CFlowchartLink::kSequenceFlow);
    const CString before = made->toRecordString();
    DiagramPicture picture(460, 110, kPaper);
    {
        DiagramDC dc(picture);
        FlowchartLinkPainter(chart.container, 1.0, 8, 0).drawObjects(dc);
    }
    EXPECT_EQ(made->getLinkKind(), CFlowchartLink::kSequenceFlow);
    EXPECT_EQ(made->toRecordString(), before);
    EXPECT_EQ(picture.pixel(322, 48), kPaper); // no head
}

TEST(FlowchartLinkPainterTest, ALinkToAMissingEntityIsNotPainted) {
    LinkedFlowchart chart;
    auto* a = chart.box(0, 0, 128, 100);
    auto* b = chart.box(328, 0, 456, 100);
    chart.link(a, b, LINK_RIGHT, LINK_LEFT)->setToName("gone");
    DiagramPicture picture(460, 110, kPaper);
    {
        DiagramDC dc(picture);
        FlowchartLinkPainter(chart.container, 1.0, 8, 0).drawObjects(dc);
    }
    EXPECT_EQ(picture.pixel(200, 50), kPaper);
}

TEST(FlowchartLinkPainterTest, TheFlowchartGridIsADotAtEveryCrossing) {
    CFlowchartEntityContainer container;
    container.setVirtualSize(CSize(60, 30));
    CFlowchartEditor editor;
    editor.setDiagramEntityContainer(&container);
    DiagramPicture picture(130, 70, kWhite);
    {
        DiagramDC dc(picture);
        editor.drawGrid(dc, CRect(0, 0, 121, 61), 2.0);
    }
    EXPECT_EQ(pixelRows(picture, RGB(192, 192, 192), CRect(0, 0, 26, 13)), "#...........#...........#.\n"
                                                                           "..........................\n"
                                                                           "..........................\n"
                                                                           "..........................\n"
                                                                           "..........................\n"
                                                                           "..........................\n"
                                                                           "..........................\n"
                                                                           "..........................\n"
                                                                           "..........................\n"
                                                                           "..........................\n"
                                                                           "..........................\n"
                                                                           "..........................\n"
                                                                           "#...........#...........#.\n");
    EXPECT_EQ(picture.pixel(120, 60), RGB(192, 192, 192));
    EXPECT_EQ(picture.pixel(121, 60), kWhite);
    EXPECT_EQ(picture.pixel(120, 61), kWhite);
}

TEST(FlowchartLinkPainterTest, TheLinkModeLineRunsFromTheNearestSideToTheMouse) {
    LinkedFlowchart chart;
    auto* source = chart.box(0, 0, 100, 100);
    auto* bar = chart.bar(true, 200, 0, 210, 100);
    DiagramPicture picture(320, 120, kPaper);
    {
        DiagramDC dc(picture);
        FlowchartLinkPainter painter(chart.container, 1.0, 8, 0);
        painter.drawLinkModeLine(dc, *source, CPoint(300, 60));
        painter.drawLinkModeLine(dc, *source, CPoint(-1, -1));
        painter.drawLinkModeLine(dc, *bar, CPoint(300, 60)); // a bar has no ordinary side
    }
    EXPECT_EQ(inkBox(picture, kPaper), CRect(100, 50, 300, 61));
}

TEST(FlowchartLinkPainterTest, EveryKindAndLabelPlacementIsSavedForALook) {
    DiagramPicture kinds(470, 11 * 60 + 120, kWhite);
    {
        DiagramDC dc(kinds);
        for (int kind = 0; kind <= 10; ++kind) {
            LinkedFlowchart chart;
            auto* a = chart.box(10, 10, 110, 50);
            auto* b = chart.box(350, 10 + (kind % 3) * 8, 450, 50 + (kind % 3) * 8);
            CFlowchartLink* link = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
            link->setLinkKind(kind);
            link->setLabel(CString("kind ") + CString(std::to_string(kind)));
            link->setSelected(kind == 10);
            dc.SetWindowOrg(0, -kind * 60);
            FlowchartLinkPainter(chart.container, 1.0, 8, 0).drawObjects(dc);
        }
        // A link with two bend points, the second picked.
        LinkedFlowchart chart;
        auto* a = chart.box(10, 10, 110, 50);
        auto* b = chart.box(350, 60, 450, 100);
        CFlowchartLink* link = chart.link(a, b, LINK_RIGHT, LINK_LEFT);
        link->addIntermediaryPoint(CPoint(200, 30));
        link->addIntermediaryPoint(CPoint(250, 80));
        link->setSecondPointSelected(TRUE);
        link->setLabel("segment 2");
        link->setLabelSegment(2);
        dc.SetWindowOrg(0, -11 * 60);
        FlowchartLinkPainter(chart.container, 1.0, 8, 0).drawObjects(dc);
    }
    const int columns = 2;
    const int count = static_cast<int>(std::size(kLabelCases));
    DiagramPicture labels(columns * 480, (count + 1) / columns * 260, kWhite);
    {
        DiagramDC dc(labels);
        for (int i = 0; i < count; ++i) {
            const DiagramPicture one = paintLabel(kLabelCases[i]);
            dc.DrawPicture((i % columns) * 480, (i / columns) * 260, one);
            CFont font{.height = 14};
            dc.SelectObject(font);
            dc.TextOut((i % columns) * 480 + 4, (i / columns) * 260 + 240, kLabelCases[i].what);
        }
    }
    TempDir folder;
    const char* wanted = std::getenv("TOLVANE_SCREENSHOT_DIR");
    const std::string stem = (wanted && *wanted ? std::string(wanted) + "/" : folder.path()) + "links-";
    EXPECT_TRUE(kinds.savePng(stem + "kinds.png")) << stem;
    EXPECT_TRUE(labels.savePng(stem + "labels.png")) << stem;
}

} // namespace
