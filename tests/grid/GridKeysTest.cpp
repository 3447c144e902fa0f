// Synthetic keys on a grid on the display: moving the focus and the
// selection, wrapping with Tab, paging and jumping to the ends, and Delete.

#include "GridPageSetUp.h"
#include "GridTestWindow.h"

#include <gtest/gtest.h>

namespace {

// A grid of 30 rows and 5 columns below a header row and right of a fixed
// column, the focus on the first body cell.
void fillGrid(GridTestWindow& window, int rows = 30) {
    CGridCtrl& grid = window.grid();
    grid.SetRowCount(rows + 1);
    grid.SetColumnCount(5);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c < 5; ++c)
            grid.SetItemText(r, c, (std::to_string(r) + "." + std::to_string(c)).c_str());
    window.click(window.centre(1, 1));
    window.notices.clear();
}

struct MoveCase {
    CCellID from;
    int key;
    bool shift;
    CCellID to;
};

const MoveCase kMoves[] = {
    {{2, 2}, WXK_DOWN, false, {3, 2}},   {{2, 2}, WXK_UP, false, {1, 2}},
    {{2, 2}, WXK_RIGHT, false, {2, 3}},  {{2, 2}, WXK_LEFT, false, {2, 1}},
    {{1, 2}, WXK_UP, false, {1, 2}},   // not into the header
    {{2, 1}, WXK_LEFT, false, {2, 1}}, // not into the fixed column
    {{30, 2}, WXK_DOWN, false, {30, 2}}, {{2, 4}, WXK_RIGHT, false, {2, 4}},
    {{2, 4}, WXK_TAB, false, {3, 1}}, // wraps to the next row
    {{3, 1}, WXK_TAB, true, {2, 4}},  // and back
    {{2, 2}, WXK_TAB, false, {2, 3}},    {{2, 3}, WXK_HOME, false, {2, 1}},
    {{2, 2}, WXK_END, false, {2, 4}},
};

TEST(GridKeysTest, ArrowsTabHomeAndEndMoveTheFocusAndSelectTheCell) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fillGrid(window);
    for (const MoveCase& move : kMoves) {
        grid.SetFocusCell(move.from);
        window.key(move.key, move.shift);
        EXPECT_EQ(grid.GetFocusCell(), move.to)
            << move.from.row << "," << move.from.col << " key " << move.key;
        if (move.to != move.from) {
            EXPECT_EQ(grid.GetSelectedCellRange(),
                      CCellRange(move.to.row, move.to.col, move.to.row, move.to.col))
                << move.key;
        }
    }
    // Tab on the very last cell is left to the dialog.
    grid.SetFocusCell(30, 4);
    EXPECT_FALSE(grid.OnKeyDown(VK_TAB, 0));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(30, 4));
}

TEST(GridKeysTest, ShiftKeepsTheAnchorAndAPlainMoveResetsIt) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fillGrid(window);
    window.key(WXK_DOWN, true);
    window.key(WXK_RIGHT, true);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 1, 2, 2));
    EXPECT_EQ(window.notices.front(), (GridNotice{kGridNotifySelChanging, 2, 1}));
    window.key(WXK_DOWN);
    window.key(WXK_DOWN, true);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(3, 2, 4, 2));
}

TEST(GridKeysTest, CtrlEndAndPageKeysScrollTheFocusIntoView) {
    GridTestWindow window(wxSize(300, 200));
    CGridCtrl& grid = window.grid();
    fillGrid(window, 100);
    window.key(WXK_END, false, true);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(100, 4));
    EXPECT_TRUE(grid.IsCellVisible(100, 4));
    GridRect rect;
    ASSERT_TRUE(grid.GetCellRect(100, 4, &rect));
    EXPECT_LE(rect.bottom, grid.GetClientSize().y);

    window.key(WXK_HOME, false, true);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 1));
    EXPECT_EQ(grid.GetTopLeftNonFixedCell(), CCellID(1, 1));
    EXPECT_EQ(grid.GetScrollPos32(SB_VERT), 0);

    // A page down moves the focus by the rows the body scrolled.
    const int before = grid.GetTopLeftNonFixedCell().row;
    window.key(WXK_PAGEDOWN);
    const int scrolled = grid.GetTopLeftNonFixedCell().row - before;
    EXPECT_GT(scrolled, 1);
    EXPECT_EQ(grid.GetFocusCell().row, 1 + scrolled);
    window.key(WXK_PAGEUP);
    EXPECT_EQ(grid.GetFocusCell().row, 1);
}

TEST(GridKeysTest, DeleteEmptiesTheSelectedCellsThroughTheEditNotifications) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fillGrid(window);
    window.key(WXK_RIGHT, true);
    window.notices.clear();
    window.key(WXK_DELETE);
    EXPECT_EQ(grid.GetItemText(1, 1), "");
    EXPECT_EQ(grid.GetItemText(1, 2), "");
    EXPECT_EQ(grid.GetItemText(1, 3), "1.3");
    EXPECT_EQ(std::count_if(window.notices.begin(), window.notices.end(),
                            [](const GridNotice& n) { return n.code == kGridNotifyBeginEdit; }),
              2);
    EXPECT_EQ(std::count_if(window.notices.begin(), window.notices.end(),
                            [](const GridNotice& n) { return n.code == kGridNotifyEndEdit; }),
              2);

    // A parent that refuses the change keeps the text.
    grid.SetItemText(1, 1, "kept");
    grid.SetSelectedRange(1, 1, 1, 1);
    window.answers[kGridNotifyEndEdit] = -1;
    window.key(WXK_DELETE);
    EXPECT_EQ(grid.GetItemText(1, 1), "kept");
}

TEST(GridKeysTest, AGridThatDoesNotTakeTabLeavesItToTheDialog) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fillGrid(window);
    // A key press and its character as the toolkit delivers them: what the
    // grid leaves unhandled goes on to the dialog's own keyboard handling.
    auto leftToDialog = [&grid](bool control) {
        bool skipped = true;
        for (wxEventType type : {wxEVT_KEY_DOWN, wxEVT_CHAR}) {
            wxKeyEvent event(type);
            event.m_keyCode = WXK_TAB;
            event.m_uniChar = WXK_TAB;
            event.SetControlDown(control);
            event.SetEventObject(&grid);
            grid.GetEventHandler()->ProcessEvent(event);
            skipped = skipped && event.GetSkipped();
        }
        return skipped;
    };
    // Taking Tab, the grid moves its focus cell; with Ctrl it lets go.
    EXPECT_FALSE(leftToDialog(false));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 2));
    EXPECT_TRUE(leftToDialog(true));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 2));

    // Not taking it, the grid neither moves nor opens an edit.
    grid.SetHandleTabKey(FALSE);
    EXPECT_TRUE(leftToDialog(false));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 2));
    EXPECT_FALSE(grid.IsItemEditing(1, 2));
}

} // namespace
