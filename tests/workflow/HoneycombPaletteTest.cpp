// The honeycomb of "More Colors": where its cells lie and which colours
// they hold, the grey row, the keys that walk the cells in index order,
// and the drag that chooses every cell it passes.

#include "CFODropPaletteControl.h"
#include "CFOSystemColors.h"
#include "PaletteRecorders.h"

#include <gtest/gtest.h>

using namespace palette;

namespace {

class HoneycombPaletteTest : public testing::Test {
protected:
    void SetUp() override { m_savedColors = CFOSystemColors::colors(); }
    void TearDown() override { CFOSystemColors::colors() = m_savedColors; }

    // The palette as "More Colors" makes it: 291 x 284 pixels, not a popup,
    // with an etched frame and no "Custom..." row.
    void open(COLORREF colour, BOOL customShown = FALSE, BOOL popup = FALSE) {
        m_palette.init(&m_window, colour, CRect(0, 0, 291, 284), popup);
        m_palette.setBorderStyle(14);
        m_palette.setCustomShown(customShown);
        m_palette.relayout();
        m_window.clear();
    }
    COLORREF cellColor(int index) const { return m_palette.getCell(index).getColor(); }

    RecordingWindow m_window;
    CFODropPaletteControl m_palette;
    CFOSystemColors m_savedColors;
};

struct HexagonCase {
    int index;
    CPoint centre;
    COLORREF colour;
};

TEST_F(HoneycombPaletteTest, CellsOfTheRingsAndTheirColours) {
    open(RGB(255, 255, 255));
    EXPECT_EQ(m_palette.getHexagonSize(), 20);
    EXPECT_EQ(m_palette.getCentre(), (CPoint{145, 127}));
    const HexagonCase cases[] = {
        {0, {145, 127}, RGB(255, 255, 255)}, {1, {165, 127}, RGB(255, 233, 233)},
        {2, {155, 144}, RGB(255, 254, 233)}, {4, {125, 127}, RGB(233, 255, 255)},
        {7, {185, 127}, RGB(255, 160, 160)}, {19, {205, 127}, RGB(255, 87, 87)},
        {126, {255, 110}, RGB(123, 0, 16)},
    };
    for (const HexagonCase& c : cases) {
        EXPECT_EQ(m_palette.getCellCentre(c.index), c.centre) << "cell " << c.index;
        EXPECT_EQ(cellColor(c.index), c.colour) << "cell " << c.index;
        CFOColorCellObj expected;
        expected.setHexagon(c.centre.x, c.centre.y, 20);
        EXPECT_EQ(m_palette.getCell(c.index).getCorners(), expected.getCorners()) << "cell " << c.index;
        EXPECT_TRUE(m_palette.getCell(c.index).isHexagon());
    }
}

TEST_F(HoneycombPaletteTest, TheGreyRowUnderTheHoneycomb) {
    open(0);
    const int x[] = {5, 22, 40, 57, 75, 92, 110, 127, 145, 163, 180, 198, 215, 233, 250, 268, 286};
    for (int c = 0; c < 16; ++c) {
        const CFOColorCellObj& cell = m_palette.getCell(128 + c);
        EXPECT_FALSE(cell.isHexagon());
        EXPECT_EQ(cell.getRect(), CRect(x[c], 248, x[c + 1], 279)) << "grey " << c;
        const int grey = c < 15 ? 240 - 15 * c : 0;
        EXPECT_EQ(cell.getColor(), RGB(grey, grey, grey)) << "grey " << c;
    }
    EXPECT_EQ(cellColor(127), CFOSystemColors::colors().m_buttonFace);
    EXPECT_TRUE(m_palette.getCell(127).getRect().IsRectEmpty());
}

TEST_F(HoneycombPaletteTest, ACellIsHitInsideItsHexagonOnly) {
    open(0);
    // Cell 1 is centred on (165, 127), cell 0 on (145, 127): they share a side.
    EXPECT_EQ(m_palette.selectAt(165, 127), 1);
    EXPECT_EQ(m_palette.selectAt(154, 127), 0);
    EXPECT_EQ(m_palette.selectAt(156, 127), 1);
    EXPECT_EQ(m_palette.selectAt(165, 118), 1);
    EXPECT_EQ(m_palette.selectAt(2, 2), -1) << "a corner of the client area holds no cell";
    EXPECT_EQ(m_palette.selectAt(6, 260), 128);
}

TEST_F(HoneycombPaletteTest, ArrowKeysWalkTheCellsInIndexOrderWithWrapAround) {
    // A button face that is none of the greys.
    CFOSystemColors::colors().m_buttonFace = RGB(236, 233, 216);
    struct Case {
        int from;
        UINT key;
        int to;
    };
    const Case cases[] = {{0, VK_LEFT, 143},   {0, VK_UP, 143},  {143, VK_RIGHT, 0},   {143, VK_DOWN, 0},
                          {1, VK_RIGHT, 2},    {6, VK_DOWN, 7},  {126, VK_RIGHT, 127}, {127, VK_RIGHT, 128},
                          {128, VK_LEFT, 127}, {-1, VK_RIGHT, 1}};
    for (const Case& c : cases) {
        open(c.from < 0 ? RGB(1, 2, 3) : 0);
        if (c.from >= 0)
            m_palette.moveSelection(cellColor(c.from));
        m_window.clear();
        m_palette.onKeyDown(c.key, 1, 0);
        EXPECT_EQ(m_palette.getCurrent(), cellColor(c.to)) << "from " << c.from << " key " << c.key;
        EXPECT_EQ(m_window.posted, (std::vector<PostedMessage>{{WM_FO_COLOR_SELECTED, cellColor(c.to), 0}}));
    }
}

TEST_F(HoneycombPaletteTest, TheButtonFaceCellIsSelectedWithoutAFrame) {
    CFOSystemColors::colors().m_buttonFace = RGB(236, 233, 216);
    open(0);
    m_palette.moveSelection(cellColor(126));
    m_palette.onKeyDown(VK_RIGHT, 1, 0);
    EXPECT_EQ(m_palette.getCurrent(), RGB(236, 233, 216));
    RecordingDC dc;
    m_palette.draw(dc);
    EXPECT_TRUE(dc.of("framePolygon").empty());
    EXPECT_TRUE(dc.selectionFrames().empty());
}

TEST_F(HoneycombPaletteTest, AButtonFaceOfTheGreysFramesTheGreyWhileTheKeysCountFromItsOwnCell) {
    CFOSystemColors::colors().m_buttonFace = RGB(240, 240, 240);
    open(RGB(240, 240, 240));
    RecordingDC dc;
    m_palette.draw(dc);
    EXPECT_EQ(dc.selectionFrames(), (std::vector<CRect>{m_palette.getCell(128).getRect()}));
    m_palette.onKeyDown(VK_RIGHT, 1, 0);
    EXPECT_EQ(m_palette.getCurrent(), RGB(240, 240, 240)) << "the first Right keeps the colour";
    m_palette.onKeyDown(VK_RIGHT, 1, 0);
    EXPECT_EQ(m_palette.getCurrent(), RGB(225, 225, 225));
}

TEST_F(HoneycombPaletteTest, SelectionFramesOfHexagons) {
    struct Case {
        int cell;
        int blackWidth;
    };
    for (const Case& c : {Case{0, 2}, Case{1, 1}, Case{126, 1}}) {
        open(0);
        m_palette.moveSelection(cellColor(c.cell));
        RecordingDC dc;
        m_palette.draw(dc);
        const std::vector<DrawCall> frames = dc.of("framePolygon");
        ASSERT_EQ(frames.size(), 2u) << "cell " << c.cell;
        EXPECT_EQ(frames[0].colour, RGB(255, 255, 255));
        EXPECT_EQ(frames[0].width, 3);
        EXPECT_EQ(frames[1].colour, RGB(0, 0, 0));
        EXPECT_EQ(frames[1].width, c.blackWidth) << "cell " << c.cell;
        EXPECT_EQ(frames[1].height, c.blackWidth);
        const auto& corners = m_palette.getCell(c.cell).getCorners();
        EXPECT_EQ(frames[1].points, std::vector<CPoint>(corners.begin(), corners.end()));
    }
}

TEST_F(HoneycombPaletteTest, AColourInNoCellFramesNothingAndShowsInTheCustomRow) {
    open(RGB(3, 2, 1), TRUE);
    RecordingDC dc;
    m_palette.draw(dc);
    EXPECT_TRUE(dc.of("framePolygon").empty());
    EXPECT_TRUE(dc.selectionFrames().empty());
    const CRect row = m_palette.getCustomRow();
    EXPECT_EQ(row, CRect(5, 261, 286, 279));
    EXPECT_TRUE(
        dc.has("fill", deflated(CRect(row.right - 21, row.top, row.right, row.bottom), 4, 4), RGB(3, 2, 1)));
}

TEST_F(HoneycombPaletteTest, DraggingChoosesEveryCellItPasses) {
    open(RGB(255, 255, 255));
    m_palette.onMouseMove(0, 145, 127);
    m_palette.onMouseMove(0, 165, 127);
    m_palette.onMouseMove(0, 185, 127);
    m_palette.onMouseMove(0, 2, 2);
    m_palette.onLButtonUp(0, 185, 127);
    const std::vector<PostedMessage> expected = {{WM_FO_COLOR_SELECTED, RGB(255, 255, 255), 0},
                                                 {WM_FO_COLOR_SELECTED, cellColor(1), 0},
                                                 {WM_FO_COLOR_SELECTED, cellColor(7), 0},
                                                 {WM_FO_COLOR_SELECTED, cellColor(7), 0}};
    EXPECT_EQ(m_window.posted, expected);
    EXPECT_EQ(m_window.hides, 0) << "the honeycomb of More Colors is no popup";
}

TEST_F(HoneycombPaletteTest, TabMovesTheFocusBackAndEnterOrEscapeDoNothingOutsideAPopup) {
    open(RGB(255, 255, 255));
    for (bool shift : {false, true}) {
        m_window.shift = shift;
        m_palette.onKeyDown(VK_TAB, 1, 0);
    }
    EXPECT_EQ(m_window.focusMovedBack, 2);
    m_palette.onKeyDown(VK_RETURN, 1, 0);
    m_palette.onKeyDown(VK_ESCAPE, 1, 0);
    EXPECT_TRUE(m_window.posted.empty());

    open(cellColor(5), FALSE, TRUE);
    m_palette.onKeyDown(VK_ESCAPE, 1, 0);
    EXPECT_EQ(m_window.posted, (std::vector<PostedMessage>{{WM_FO_COLOR_CANCEL, cellColor(5), 0}}));
    EXPECT_EQ(m_window.hides, 1);
}

} // namespace
