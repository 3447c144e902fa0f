// The drop-down colour palette: its layout in the popup, its colours, the
// mouse and the keys, and what it paints.

#include "CFODropColorPaletteControl.h"
#include "PaletteRecorders.h"

#include <gtest/gtest.h>
#include <set>

using namespace palette;

namespace {

class DropColorPaletteTest : public testing::Test {
protected:
    // A palette in a popup of 200 x 150 pixels showing the colour.
    void open(COLORREF colour, BOOL popup = TRUE) { m_palette.init(&m_window, colour, m_client, popup); }
    COLORREF colorAt(int row, int column) const {
        return CFODropColorPaletteControl::tableColor(row, column);
    }
    CRect cellRect(int index) const { return m_palette.getCell(index).getRect(); }
    static int centreX(const CRect& r) { return (r.left + r.right) / 2; }
    static int centreY(const CRect& r) { return (r.top + r.bottom) / 2; }

    RecordingWindow m_window;
    CFODropColorPaletteControl m_palette;
    const CRect m_client{0, 0, 200, 150};
};

TEST_F(DropColorPaletteTest, PopupOfTwoHundredByHundredFifty) {
    open(0);
    const int x[] = {8, 31, 54, 77, 100, 123, 146, 169, 192};
    const int y[] = {14, 31, 48, 66, 83, 100, 118};
    for (int i = 0; i < 48; ++i) {
        const int r = i / 8, c = i % 8;
        EXPECT_EQ(cellRect(i), CRect(x[c], y[r], x[c + 1], y[r + 1])) << "cell " << i;
        EXPECT_FALSE(m_palette.getCell(i).isHexagon());
    }
    EXPECT_EQ(m_palette.getCellsArea(), CRect(8, 14, 192, 118));
    EXPECT_EQ(m_palette.getSeparator(), CRect(8, 120, 192, 124));
    EXPECT_EQ(m_palette.getCustomRow(), CRect(8, 124, 192, 142));
    EXPECT_EQ(m_palette.getCustomArea(), CRect(8, 124, 192, 142));
    EXPECT_EQ(m_palette.captionStrip(), CRect(8, 4, 192, 10));

    RecordingDC dc;
    m_palette.draw(dc);
    EXPECT_TRUE(dc.has("fill", CRect(8, 4, 192, 10), CFOSystemColors::colors().m_caption));
    // The separator's etched line is two pixels high.
    EXPECT_TRUE(dc.has("3d", CRect(8, 120, 192, 122), CFOSystemColors::colors().m_buttonShadow));
}

TEST_F(DropColorPaletteTest, WithoutPopupTheGridTakesTheCaptionStrip) {
    open(0, FALSE);
    EXPECT_EQ(m_palette.getCellsArea(), CRect(8, 4, 192, 118));
    RecordingDC dc;
    m_palette.draw(dc);
    EXPECT_FALSE(dc.has("fill", CRect(8, 4, 192, 10), CFOSystemColors::colors().m_caption));
}

TEST_F(DropColorPaletteTest, ColoursRunFromLightToDarkInTheirColumns) {
    open(0);
    EXPECT_EQ(colorAt(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(colorAt(5, 0), RGB(0, 0, 0));
    EXPECT_EQ(colorAt(3, 2), RGB(255, 128, 0));
    EXPECT_EQ(colorAt(2, 6), RGB(0, 0, 255));
    EXPECT_EQ(colorAt(5, 7), RGB(0x40, 0, 0x40));
    std::set<COLORREF> distinct;
    for (int i = 0; i < 48; ++i) {
        EXPECT_EQ(m_palette.getCell(i).getColor(), colorAt(i / 8, i % 8));
        distinct.insert(m_palette.getCell(i).getColor());
    }
    EXPECT_EQ(distinct.size(), 48u);
}

struct KeyCase {
    int from; // the cell of the current colour; -1: a colour in no cell
    UINT key;
    int to;
};

TEST_F(DropColorPaletteTest, ArrowKeysPreviewWithWrapAround) {
    const KeyCase cases[] = {
        {0, VK_LEFT, 0},   {8, VK_LEFT, 7},  {7, VK_RIGHT, 8},  {47, VK_RIGHT, 0},
        {3, VK_UP, 43},    {43, VK_DOWN, 3}, {10, VK_DOWN, 18}, {18, VK_UP, 10},
        {-1, VK_RIGHT, 1}, {-1, VK_LEFT, 0}, {-1, VK_DOWN, 8},  {-1, VK_UP, 40},
    };
    for (const KeyCase& c : cases) {
        open(c.from < 0 ? RGB(1, 2, 3) : colorAt(c.from / 8, c.from % 8));
        m_window.clear();
        m_palette.onKeyDown(c.key, 1, 0);
        const COLORREF expected = colorAt(c.to / 8, c.to % 8);
        EXPECT_EQ(m_palette.getCurrent(), expected) << "from " << c.from << " key " << c.key;
        ASSERT_EQ(m_window.posted.size(), 1u);
        EXPECT_EQ(m_window.posted[0], (PostedMessage{WM_FO_COLOR_SELECTED, expected, kPreviewLParam}));
        EXPECT_EQ(m_window.hides, 0) << "a preview leaves the popup open";
        EXPECT_TRUE(m_window.wasInvalidated(inflated(cellRect(c.to), 2, 2)));
    }
}

TEST_F(DropColorPaletteTest, EnterChoosesAndEscapeCancelsInAPopupOnly) {
    for (BOOL popup : {TRUE, FALSE}) {
        for (UINT key : {VK_RETURN, VK_ESCAPE, VK_CANCEL}) {
            open(colorAt(1, 1), popup);
            m_palette.onKeyDown(VK_RIGHT, 1, 0);
            m_window.clear();
            m_palette.onKeyDown(key, 1, 0);
            if (!popup) {
                EXPECT_TRUE(m_window.posted.empty()) << key;
                continue;
            }
            const UINT message = key == VK_RETURN ? WM_FO_COLOR_SELECTED : WM_FO_COLOR_CANCEL;
            EXPECT_EQ(m_window.posted, (std::vector<PostedMessage>{{message, colorAt(1, 2), 0}})) << key;
            EXPECT_EQ(m_window.hides, 1);
        }
    }
}

TEST_F(DropColorPaletteTest, TabOpensCustomAndShiftTabMovesTheFocusBack) {
    open(colorAt(4, 4));
    m_palette.onKeyDown(VK_TAB, 1, 0);
    EXPECT_EQ(m_window.posted, (std::vector<PostedMessage>{{WM_FO_COLOR_CUSTOM, colorAt(4, 4), 0}}));
    EXPECT_EQ(m_window.hides, 1);
    m_window.clear();
    m_window.shift = true;
    m_palette.onKeyDown(VK_TAB, 1, 0);
    EXPECT_TRUE(m_window.posted.empty());
    EXPECT_EQ(m_window.focusMovedBack, 1);
}

TEST_F(DropColorPaletteTest, OtherKeysDoNothing) {
    open(colorAt(2, 2));
    for (UINT key : {0u, 2u, 32u, 36u, 41u, 65u, 255u})
        m_palette.onKeyDown(key, 1, 0);
    EXPECT_TRUE(m_window.posted.empty());
    EXPECT_EQ(m_palette.getCurrent(), colorAt(2, 2));
}

TEST_F(DropColorPaletteTest, TheSelectionFollowsThePressedPointerAndTheReleaseChooses) {
    open(colorAt(0, 0));
    const CRect a = cellRect(9), b = cellRect(20);
    m_palette.onMouseMove(0, centreX(a), centreY(a));
    EXPECT_EQ(m_palette.getCurrent(), colorAt(1, 1));
    m_palette.onMouseMove(0, centreX(b), centreY(b));
    EXPECT_EQ(m_palette.getCurrent(), colorAt(2, 4));
    EXPECT_TRUE(m_window.posted.empty()) << "moving chooses nothing";
    m_palette.onLButtonUp(0, centreX(b), centreY(b));
    EXPECT_EQ(m_window.posted, (std::vector<PostedMessage>{{WM_FO_COLOR_SELECTED, colorAt(2, 4), 0}}));
    EXPECT_EQ(m_window.hides, 1);
}

TEST_F(DropColorPaletteTest, ACellsRightAndBottomEdgesBelongToItsNeighbours) {
    open(0);
    // Column edge 31 and row edge 31 lie between cells 0, 1, 8 and 9.
    EXPECT_EQ(m_palette.selectAt(30, 30), 0);
    EXPECT_EQ(m_palette.selectAt(31, 30), 1);
    EXPECT_EQ(m_palette.selectAt(30, 31), 8);
    EXPECT_EQ(m_palette.selectAt(31, 31), 9);
    EXPECT_EQ(m_palette.selectAt(192, 50), -1);
    EXPECT_EQ(m_palette.selectAt(100, 119), -1);
}

TEST_F(DropColorPaletteTest, DraggingOntoCustomOpensItWithTheLastCellPassed) {
    open(colorAt(0, 0));
    const CRect cell = cellRect(13);
    m_palette.onMouseMove(0, centreX(cell), centreY(cell));
    m_palette.onMouseMove(0, 60, 133);
    EXPECT_TRUE(m_palette.isCustomHot());
    RecordingDC dc;
    m_palette.draw(dc);
    EXPECT_EQ(dc.selectionFrames(), (std::vector<CRect>{cell, m_palette.getCustomArea()}))
        << "the cell stays selected, the row is drawn pressed";
    // Back over a cell: the row stays pressed until the release.
    const CRect other = cellRect(30);
    m_palette.onMouseMove(0, centreX(other), centreY(other));
    EXPECT_TRUE(m_palette.isCustomHot());
    m_palette.onMouseMove(0, 60, 133);
    m_palette.onLButtonUp(0, 60, 133);
    EXPECT_FALSE(m_palette.isCustomHot());
    EXPECT_EQ(m_window.posted, (std::vector<PostedMessage>{{WM_FO_COLOR_CUSTOM, colorAt(3, 6), 0}}));
    EXPECT_EQ(m_window.hides, 1);
}

TEST_F(DropColorPaletteTest, AColourInNoCellShowsAsASampleThatIsNotClickable) {
    const COLORREF odd = RGB(12, 34, 56);
    open(odd);
    RecordingDC dc;
    m_palette.draw(dc);
    EXPECT_TRUE(dc.selectionFrames().empty());
    // The sample: the row's last 21 pixels, the colour inside 4 pixels in.
    EXPECT_TRUE(dc.has("fill", deflated(CRect(171, 124, 192, 142), 4, 4), odd));
    EXPECT_EQ(m_palette.getCustomArea(), CRect(8, 124, 169, 142));
    for (int x : {169, 175, 191}) {
        m_palette.onLButtonUp(0, x, 133);
        EXPECT_TRUE(m_window.posted.empty()) << "released at " << x;
    }
    m_palette.onLButtonUp(0, 168, 133);
    EXPECT_EQ(m_window.posted, (std::vector<PostedMessage>{{WM_FO_COLOR_CUSTOM, odd, 0}}));

    // A colour of the palette frames its cell and shows no sample.
    open(colorAt(5, 3));
    RecordingDC again;
    m_palette.draw(again);
    EXPECT_EQ(again.selectionFrames(), (std::vector<CRect>{cellRect(43)}));
    EXPECT_EQ(m_palette.getCustomArea(), m_palette.getCustomRow());
}

TEST_F(DropColorPaletteTest, MovingToAColourRepaintsOnlyWhatChanged) {
    open(colorAt(0, 1));
    m_window.clear();
    m_palette.moveSelection(colorAt(4, 5));
    EXPECT_EQ(m_window.invalidated,
              (std::vector<CRect>{inflated(cellRect(37), 2, 2), inflated(cellRect(1), 2, 2)}));
    m_window.clear();
    m_palette.moveSelection(RGB(1, 1, 1));
    EXPECT_EQ(m_window.invalidated,
              (std::vector<CRect>{inflated(m_palette.getCustomRow(), 2, 2), inflated(cellRect(37), 2, 2)}));
}

TEST_F(DropColorPaletteTest, BrushesAreMadeOnceAndKeptAcrossRepaints) {
    open(0);
    RecordingDC first, second;
    m_palette.draw(first);
    EXPECT_EQ(first.brushesMade, 48);
    m_palette.draw(second);
    EXPECT_EQ(second.brushesMade, 0);
}

} // namespace
