// The line-style palette: its five cells in the popup, keys that move the
// selection without a message, and what Enter, Escape and a release post.

#include "CFOLineTypeControl.h"
#include "PaletteRecorders.h"

#include <gtest/gtest.h>

using namespace palette;

namespace {

class LineTypePaletteTest : public testing::Test {
protected:
    void open(int style, BOOL popup = TRUE) {
        m_palette.init(&m_window, static_cast<DWORD>(style), CRect(0, 0, 155, 125), popup);
        m_window.clear();
    }

    RecordingWindow m_window;
    CFOLineTypeControl m_palette;
};

TEST_F(LineTypePaletteTest, FiveCellsOfTwentyPixelsInThePopup) {
    open(PS_SOLID);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(m_palette.getCell(k).getRect(), CRect(8, 14 + 20 * k, 147, 34 + 20 * k)) << "cell " << k;
        EXPECT_EQ(m_palette.getCellValue(k), static_cast<DWORD>(k));
    }
    EXPECT_EQ(m_palette.captionStrip(), CRect(8, 4, 147, 10));
    EXPECT_FALSE(m_palette.isCustomShown());
    EXPECT_TRUE(m_palette.getCustomArea().IsRectEmpty());

    RecordingDC dc;
    m_palette.draw(dc);
    EXPECT_TRUE(dc.has("fill", CRect(8, 4, 147, 10), CFOSystemColors::colors().m_caption));
    // Each cell's line, one pixel in from its edges, in its own style.
    const std::vector<DrawCall> lines = dc.of("line");
    ASSERT_EQ(lines.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(lines[k].rect, CRect(9, 24 + 20 * k, 146, 24 + 20 * k)) << "cell " << k;
        EXPECT_EQ(lines[k].width, k);
    }
    EXPECT_TRUE(dc.of("text").empty()) << "no Custom... row";
    EXPECT_EQ(dc.selectionFrames(), (std::vector<CRect>{CRect(8, 14, 147, 34)}));
}

TEST_F(LineTypePaletteTest, KeysMoveTheSelectionWithoutTellingAnyone) {
    struct Case {
        int from;
        UINT key;
        int to;
    };
    const Case cases[] = {{0, VK_LEFT, 0},  {0, VK_UP, 4},  {4, VK_RIGHT, 0}, {4, VK_DOWN, 0},
                          {2, VK_LEFT, 1},  {2, VK_UP, 1},  {2, VK_RIGHT, 3}, {2, VK_DOWN, 3},
                          {9, VK_RIGHT, 1}, {9, VK_LEFT, 0}};
    for (const Case& c : cases) {
        open(c.from);
        m_palette.onKeyDown(c.key, 1, 0);
        EXPECT_EQ(m_palette.getCurrent(), static_cast<DWORD>(c.to)) << "from " << c.from << " key " << c.key;
        EXPECT_TRUE(m_window.posted.empty());
    }
    open(2);
    m_palette.onKeyDown(VK_TAB, 1, 0);
    EXPECT_EQ(m_window.focusMovedBack, 0);
    EXPECT_EQ(m_palette.getCurrent(), 2u);
}

TEST_F(LineTypePaletteTest, EnterAndEscapeEndThePopupWithTheSelection) {
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        open(PS_DOT);
        m_palette.onKeyDown(VK_DOWN, 1, 0);
        m_palette.onKeyDown(key, 1, 0);
        const UINT message = key == VK_RETURN ? WM_FO_LINETYPE_SELECTED : WM_FO_LINETYPE_CANCEL;
        EXPECT_EQ(m_window.posted, (std::vector<PostedMessage>{{message, PS_DASHDOT, 0}}));
        EXPECT_EQ(m_window.hides, 1);
    }
    open(PS_DOT, FALSE);
    m_palette.onKeyDown(VK_RETURN, 1, 0);
    m_palette.onKeyDown(VK_ESCAPE, 1, 0);
    EXPECT_TRUE(m_window.posted.empty());
}

TEST_F(LineTypePaletteTest, AStyleInNoCellFramesNothing) {
    open(7);
    RecordingDC dc;
    m_palette.draw(dc);
    EXPECT_TRUE(dc.selectionFrames().empty());
}

TEST_F(LineTypePaletteTest, TheReleaseChoosesTheCellUnderIt) {
    open(PS_SOLID);
    m_palette.onMouseMove(0, 50, 20);
    m_palette.onMouseMove(0, 50, 100);
    EXPECT_EQ(m_palette.getCurrent(), static_cast<DWORD>(PS_DASHDOTDOT));
    m_palette.onLButtonUp(0, 50, 100);
    EXPECT_EQ(m_window.posted, (std::vector<PostedMessage>{{WM_FO_LINETYPE_SELECTED, PS_DASHDOTDOT, 0}}));
    EXPECT_EQ(m_window.hides, 1);
    m_window.clear();
    m_palette.onLButtonUp(0, 50, 118);
    EXPECT_TRUE(m_window.posted.empty()) << "below the cells";
}

} // namespace
