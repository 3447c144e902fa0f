#include "FlowchartLinkPainter.h"

#include "DiagramDC.h"
#include "DiagramPicture.h"
#include "LinkedFlowchart.h"
#include "PictureProbe.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);

struct ExtentCase {
    const char* what;
    int kind;
    int bends;           // 0, 1 or 2 bend points
    int toSide;          // the side of the to box the link ends on
    const char* label;   // "" for none
    int labelSegment;    // 1-3
    int labelVertical;   // 0 above, 1 below
    int labelHorizontal; // 0 left, 1 right
};

// Each kind with its ends' decorations, and labels of every placement:
// beside a vertical segment, above and below a flat one, on slopes.
const ExtentCase kCases[] = {
    {"sequence flow", CFlowchartLink::kSequenceFlow, 0, LINK_LEFT, "", 1, 0, 0},
    {"message flow", CFlowchartLink::kMessageFlow, 0, LINK_LEFT, "", 1, 0, 0},
    {"message with message", CFlowchartLink::kMessageFlowWithMessage, 0, LINK_LEFT, "", 1, 0, 0},
    {"default flow", CFlowchartLink::kDefaultSequenceFlow, 1, LINK_TOP, "", 1, 0, 0},
    {"conditional flow", CFlowchartLink::kConditionalSequenceFlow, 2, LINK_LEFT, "", 1, 0, 0},
    {"bidirectional", CFlowchartLink::kBidirectionalAssociation, 0, LINK_TOP, "", 1, 0, 0},
    {"label above a flat line", CFlowchartLink::kSequenceFlow, 0, LINK_LEFT,
     "A label of several words that wraps onto many lines above the line", 1, 0, 0},
    {"label below a flat line", CFlowchartLink::kSequenceFlow, 0, LINK_LEFT,
     "A label of several words that wraps below", 1, 1, 0},
    {"label left of a vertical segment", CFlowchartLink::kSequenceFlow, 1, LINK_TOP,
     "Words left of the vertical segment, far more than sixty pixels hold", 2, 0, 0},
    {"label right of a vertical segment", CFlowchartLink::kSequenceFlow, 1, LINK_TOP, "Right of it", 2, 0, 1},
    {"label on a slope", CFlowchartLink::kMessageFlowWithNonInitiatingMessage, 2, LINK_LEFT,
     "Sloped label with words", 3, 0, 0},
};

} // namespace

// Nothing a link paints lies outside its extent: its line, heads, end
// decorations, message picture and label text.
TEST(FlowchartLinkExtentTest, HoldsEverythingTheLinkPaints) {
    for (const ExtentCase& c : kCases) {
        SCOPED_TRACE(c.what);
        LinkedFlowchart chart;
        CFlowchartEntity* from = chart.box(200, 200, 260, 240);
        CFlowchartEntity* to =
            c.toSide == LINK_TOP ? chart.box(420, 400, 480, 440) : chart.box(420, 230, 480, 270);
        CFlowchartLink* link = chart.link(from, to, LINK_RIGHT, c.toSide);
        link->setLinkKind(c.kind);
        if (c.bends >= 1)
            link->addIntermediaryPoint(c.bends == 1 ? CPoint(450, 220) : CPoint(320, 120));
        if (c.bends == 2)
            link->addIntermediaryPoint(CPoint(360, 300));
        link->setLabel(c.label);
        link->setLabelSegment(c.labelSegment);
        link->setLabelVerticalPosition(c.labelVertical);
        link->setLabelHorizontalPosition(c.labelHorizontal);

        const FlowchartLinkPainter painter(chart.container, 1.0, 8, 0);
        DiagramPicture picture(800, 700, kPaper);
        CRect extent;
        {
            DiagramDC dc(picture);
            painter.drawLink(dc, *link, *from, *to);
            DiagramPicture none;
            DiagramDC measuring(none);
            extent = painter.linksExtent(measuring);
        }
        const CRect ink = inkBox(picture, kPaper);
        ASSERT_FALSE(ink.IsRectEmpty());
        EXPECT_EQ(ink & extent, ink) << "ink " << ink.left << "," << ink.top << "," << ink.right << ","
                                     << ink.bottom << " extent " << extent.left << "," << extent.top << ","
                                     << extent.right << "," << extent.bottom;
        // Not much more than the ink: label boxes are at most 60 wide beside
        // a line, decorations at most 22 from an end.
        EXPECT_LE(ink.left - extent.left, 60);
        EXPECT_LE(extent.right - ink.right, 60);
        EXPECT_LE(ink.top - extent.top, 25);
        EXPECT_LE(extent.bottom - ink.bottom, 25);
    }
}

// A link whose to entity is missing is not drawn and takes no room; no
// link, no extent.
TEST(FlowchartLinkExtentTest, OnlyDrawnLinksTakeRoom) {
    LinkedFlowchart chart;
    CFlowchartEntity* from = chart.box(10, 10, 50, 50);
    CFlowchartEntity* to = chart.box(100, 10, 140, 50);
    DiagramPicture none;
    DiagramDC measuring(none);
    EXPECT_TRUE(FlowchartLinkPainter(chart.container, 1.0, 8, 0).linksExtent(measuring).IsRectEmpty());
    CFlowchartLink* link = chart.link(from, to, LINK_RIGHT, LINK_LEFT);
    link->setToName("nobody");
    EXPECT_TRUE(FlowchartLinkPainter(chart.container, 1.0, 8, 0).linksExtent(measuring).IsRectEmpty());
}
