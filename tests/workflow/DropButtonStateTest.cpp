// A drop-down button's state as its popup answers: the owner's notices in
// order, the value kept, the pressed look; and where the button's parts and
// its popup go.

#include "DropButtonState.h"
#include "DropButtonGeometry.h"

#include <gtest/gtest.h>

namespace {

using Notices = std::vector<DropButtonNotice>;
constexpr auto Selected = DropButtonNotice::Selected;
constexpr auto Cancel = DropButtonNotice::Cancel;
constexpr auto Changed = DropButtonNotice::Changed;

DropButtonState droppedWith(DWORD value) {
    DropButtonState state;
    state.setValue(value);
    state.opening();
    state.opened(true);
    return state;
}

TEST(DropButtonStateTest, PreviewsChangeTheValueAndEscapeKeepsTheLast) {
    DropButtonState state = droppedWith(0x10);
    DropButtonState::Outcome outcome = state.preview(0x20);
    EXPECT_EQ(outcome.notices, (Notices{{Selected, 0x20}, {Changed, 0x20}}));
    EXPECT_FALSE(outcome.closePopup);
    EXPECT_TRUE(state.isDropped());
    outcome = state.preview(0x30);
    EXPECT_EQ(outcome.notices, (Notices{{Selected, 0x30}, {Changed, 0x30}}));
    outcome = state.cancelled(0x30);
    EXPECT_EQ(outcome.notices, (Notices{{Cancel, 0x30}}));
    EXPECT_TRUE(outcome.closePopup);
    EXPECT_EQ(state.getValue(), 0x30u);
    EXPECT_FALSE(state.isDropped());
    EXPECT_FALSE(state.isPopupOpen());
}

TEST(DropButtonStateTest, AChoiceIsAChangeOnlyWhenTheValueDiffers) {
    DropButtonState state = droppedWith(0x10);
    DropButtonState::Outcome outcome = state.choice(0x10);
    EXPECT_EQ(outcome.notices, (Notices{{Selected, 0x10}}));
    EXPECT_TRUE(outcome.closePopup);
    state.opening();
    state.opened(true);
    outcome = state.choice(0x40);
    EXPECT_EQ(outcome.notices, (Notices{{Selected, 0x40}, {Changed, 0x40}}));
    EXPECT_EQ(state.getValue(), 0x40u);
}

TEST(DropButtonStateTest, AnAnswerAfterThePopupClosedIsPassedOnWithoutAChange) {
    DropButtonState state = droppedWith(0x10);
    state.choice(0x20);
    for (auto outcome : {state.choice(0x30), state.preview(0x30)}) {
        EXPECT_EQ(outcome.notices, (Notices{{Selected, 0x30}}));
        EXPECT_FALSE(outcome.closePopup);
    }
    EXPECT_EQ(state.cancelled(0x30).notices, (Notices{{Cancel, 0x30}}));
    EXPECT_EQ(state.getValue(), 0x20u);
}

TEST(DropButtonStateTest, AStyleTakenByACancelIsAChange) {
    DropButtonState state = droppedWith(0);
    EXPECT_EQ(state.cancelled(3).notices, (Notices{{Cancel, 3}, {Changed, 3}}));
    EXPECT_EQ(state.getValue(), 3u);
    state.opening();
    state.opened(true);
    DropButtonState::Outcome outcome = state.closed(1);
    EXPECT_EQ(outcome.notices, (Notices{{Changed, 1}}));
    EXPECT_TRUE(outcome.closePopup);
}

TEST(DropButtonStateTest, MoreColorsChosenOrCancelled) {
    DropButtonState state = droppedWith(0x10);
    state.preview(0x20);
    state.customStarted();
    EXPECT_FALSE(state.isDropped()) << "not pressed while More Colors runs";
    DropButtonState::Outcome outcome = state.customEnded(0x55);
    EXPECT_EQ(outcome.notices, (Notices{{Selected, 0x55}, {Changed, 0x55}}));
    EXPECT_TRUE(outcome.closePopup);
    EXPECT_EQ(state.getValue(), 0x55u);

    // Cancelled: the button keeps the colour it shows.
    state = droppedWith(0x10);
    state.customStarted();
    outcome = state.customEnded(std::nullopt);
    EXPECT_EQ(outcome.notices, (Notices{{Cancel, 0x10}}));
    EXPECT_TRUE(outcome.closePopup);
    EXPECT_EQ(state.getValue(), 0x10u);
    EXPECT_FALSE(state.isPopupOpen());
}

TEST(DropButtonStateTest, APopupThatCannotBeMadeLeavesTheButtonUnpressed) {
    DropButtonState state;
    state.opening();
    EXPECT_TRUE(state.isDropped());
    state.opened(false);
    EXPECT_FALSE(state.isDropped());
    EXPECT_FALSE(state.isPopupOpen());
}

TEST(DropButtonGeometryTest, ButtonSizeAndArrowBox) {
    struct Case {
        int width, edge, thumb;
        DropButtonLayout expected;
    };
    const Case cases[] = {
        {10, 2, 16, {36, 20, CRect(18, 2, 34, 18)}},
        {80, 2, 16, {80, 20, CRect(62, 2, 78, 18)}},
        {80, 4, 16, {80, 28, CRect(56, 4, 76, 24)}}, // five edges beat the thumb
    };
    for (const Case& c : cases) {
        const DropButtonLayout layout = dropButtonLayout(c.width, c.edge, c.edge, c.thumb, c.thumb);
        EXPECT_EQ(layout.width, c.expected.width);
        EXPECT_EQ(layout.height, c.expected.height);
        EXPECT_EQ(layout.arrowBox, c.expected.arrowBox) << "width " << c.width << " edge " << c.edge;
    }
}

TEST(DropButtonGeometryTest, ThePopupOpensInsideTheWorkArea) {
    const CRect work(0, 0, 1000, 700);
    struct Case {
        CRect button;
        bool belowLeft;
        CPoint expected;
    };
    const Case cases[] = {
        {CRect(100, 100, 160, 120), true, {100, 120}},
        {CRect(900, 100, 960, 120), true, {760, 120}}, // ends at the button's right edge
        {CRect(100, 600, 160, 620), true, {100, 450}}, // above the button
        {CRect(900, 600, 960, 620), true, {760, 450}},
        {CRect(800, 100, 1000, 120), true, {800, 120}}, // just fits
        {CRect(100, 100, 160, 120), false, {160, 120}}, // right of the button
        {CRect(900, 100, 960, 120), false, {700, 120}},
        {CRect(-50, 100, 900, 120), false, {0, 120}}, // a flip past the left edge stays inside
        {CRect(10, 100, 150, 120), true, {10, 120}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(placePopup(c.button, 200, 150, work, c.belowLeft), c.expected)
            << c.button.left << "," << c.button.top << " belowLeft " << c.belowLeft;
    }
    // A work area that does not start at the screen's corner (a panel on top).
    EXPECT_EQ(placePopup(CRect(100, 200, 160, 220), 200, 150, CRect(0, 40, 1000, 300), true),
              (CPoint{100, 50}));
}

} // namespace
