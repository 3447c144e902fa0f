// A link's bend points, flip and copy (its record is in DiagramRecordTest).

#include "CFlowchartLink.h"
#include "RecordingUserInterface.h"
#include "StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(FlowchartLinkTest, AThirdBendPointIsRefusedWithAMessage) {
    RecordingUserInterface ui;
    CFlowchartLink link;
    link.addIntermediaryPoint(CPoint(1, 2));
    link.addIntermediaryPoint(CPoint(3, 4));
    const CString before = link.toRecordString();
    link.addIntermediaryPoint(CPoint(5, 6));
    EXPECT_EQ(link.getPointCount(), 2);
    EXPECT_EQ(link.toRecordString(), before);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, loadString(33027));
    EXPECT_EQ(ui.messages[0].text, "Limit of 2 Intermediary points by link reached");
}

TEST(FlowchartLinkTest, ClearedBendPointsAreStillWrittenButNotRead) {
    CFlowchartLink link;
    link.addIntermediaryPoint(CPoint(120, 40));
    link.clearIntermediaryPoints();
    EXPECT_EQ(link.getIntermediaryPoint(0), CPoint(0, 0));
    const CString line = link.toRecordString();
    EXPECT_NE(line.Find(",0,120.000000,40.000000,"), -1) << line.GetString();
    CFlowchartLink back;
    ASSERT_TRUE(back.loadFromRecord(line));
    EXPECT_EQ(back.getPointCount(), 0);
    EXPECT_FALSE(back.isNew());
}

TEST(FlowchartLinkTest, FlipRunsThePolylineTheOtherWay) {
    CFlowchartLink one;
    one.setFromName("G1");
    one.setToName("G2");
    one.setFromSide(2);
    one.setToSide(1);
    one.addIntermediaryPoint(CPoint(5, 5));
    one.setLabel("yes");
    one.flip();
    EXPECT_EQ(one.getFromName(), "G2");
    EXPECT_EQ(one.getToName(), "G1");
    EXPECT_EQ(one.getFromSide(), 1);
    EXPECT_EQ(one.getToSide(), 2);
    EXPECT_EQ(one.getIntermediaryPoint(0), CPoint(5, 5));
    EXPECT_EQ(one.getLabel(), "yes");

    CFlowchartLink two;
    two.addIntermediaryPoint(CPoint(1, 1));
    two.addIntermediaryPoint(CPoint(9, 9));
    two.flip();
    EXPECT_EQ(two.getIntermediaryPoint(0), CPoint(9, 9));
    EXPECT_EQ(two.getIntermediaryPoint(1), CPoint(1, 1));
}

TEST(FlowchartLinkTest, BendPointMarksNeedTheirPoints) {
    CFlowchartLink link;
    link.setFirstPointSelected(TRUE);
    EXPECT_FALSE(link.isFirstPointSelected());
    link.addIntermediaryPoint(CPoint(1, 1));
    link.setFirstPointSelected(TRUE);
    link.setSecondPointSelected(TRUE);
    EXPECT_TRUE(link.isFirstPointSelected());
    EXPECT_FALSE(link.isSecondPointSelected());
    link.setSelected(TRUE);

    // A copy is the same link, unselected, no point marked.
    const auto copy = link.clone();
    EXPECT_EQ(copy->toRecordString(), link.toRecordString());
    EXPECT_FALSE(copy->isSelected());
    EXPECT_FALSE(copy->isFirstPointSelected());
    EXPECT_TRUE(copy->isNew());
}

} // namespace
