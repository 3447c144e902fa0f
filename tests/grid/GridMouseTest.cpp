// Synthetic mouse events on a grid on the display: selecting rows and
// cells, extending and adding with Shift and Ctrl, resizing columns by
// their dividers, sorting by a header click, the right button, and the
// autoscroll while selecting.

#include "GridPageSetUp.h"
#include "GridTestWindow.h"

#include <gtest/gtest.h>
#include <wx/dcclient.h>

namespace {

const std::vector<std::vector<std::string>> kRoles = {
    {"Analyst", "performs", "1"}, {"Reviewer", "assists", "2"}, {"Manager", "approves", "3"},
    {"Tester", "performs", "4"},  {"Writer", "assists", "5"},
};

std::vector<int> selectedRows(CGridCtrl& grid) {
    std::vector<int> rows;
    for (int row = 1; row < grid.GetRowCount(); ++row)
        if (grid.IsCellSelected(row, 0))
            rows.push_back(row);
    return rows;
}

TEST(GridMouseTest, AClickOnTheItemPagesGridSelectsExactlyOneRow) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    setUpLikeItemPage(grid, {"Role", "Responsibility", "Nb"}, {200, 100, 40}, kRoles);

    window.click(window.centre(2, 1));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(2, 0, 2, 2));
    EXPECT_EQ(grid.GetSelectedCount(), 3);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));
    EXPECT_EQ(window.notices,
              (std::vector<GridNotice>{
                  {kGridNotifySelChanging, 2, 1}, {kGridNotifySelChanged, 2, 1}, {kGridNotifyClick, 2, 1}}));
    processPending();
    EXPECT_EQ(window.commands, 1);

    // Shift-click and Shift+Down still select one row.
    window.click(window.centre(4, 0), true);
    EXPECT_EQ(selectedRows(grid), std::vector<int>{4});
    window.key(WXK_DOWN, true);
    EXPECT_EQ(selectedRows(grid), std::vector<int>{5});
    EXPECT_EQ(grid.GetSelectedCount(), 3);

    // A click on the header selects nothing there.
    window.click(window.centre(0, 1));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(-1, -1));
}

TEST(GridMouseTest, ShiftExtendsFromTheAnchorAndCtrlAddsOrRemovesRows) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    setUpLikeItemPage(grid, {"Role", "Responsibility", "Nb"}, {200, 100, 40}, kRoles);
    grid.SetSingleRowSelection(FALSE);

    window.click(window.centre(1, 0));
    window.click(window.centre(3, 0), true);
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{1, 2, 3}));
    window.key(WXK_DOWN, true);
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{1, 2, 3, 4}));
    window.click(window.centre(2, 0), false, true);
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{1, 3, 4}));
    window.click(window.centre(5, 0), false, true);
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{1, 3, 4, 5}));
    // A plain move resets the anchor: Shift then extends from the new row.
    window.key(WXK_UP);
    window.key(WXK_UP, true);
    EXPECT_EQ(selectedRows(grid), (std::vector<int>{3, 4}));
}

TEST(GridMouseTest, DraggingThroughTheBodySelectsTheCellsBetween) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    grid.SetRowCount(8);
    grid.SetColumnCount(4);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    window.drag(window.centre(2, 1), window.centre(4, 2));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(2, 1, 4, 2));
    EXPECT_EQ(grid.GetSelectedCount(), 6);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(4, 2));
    EXPECT_FALSE(grid.IsAutoScrollTimerRunning());

    // A click on a fixed column selects rows, one on the corner everything.
    window.click(window.centre(3, 0));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(3, 1, 3, 3));
    window.click(window.centre(0, 0));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 1, 7, 3));

    // The divider below row 2, in the fixed column, dragged down: the row
    // now reaches to the release point.
    GridRect row2;
    grid.GetCellRect(2, 0, &row2);
    window.mouse(wxEVT_MOTION, wxPoint(10, row2.bottom));
    EXPECT_EQ(grid.GetMouseMode(), 6);
    window.drag(wxPoint(10, row2.bottom), wxPoint(10, row2.bottom + 10));
    EXPECT_EQ(grid.GetRowHeight(2), row2.bottom + 10 - row2.top);
}

TEST(GridMouseTest, ColumnDividersResizeAndAutoSize) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    setUpLikeItemPage(grid, {"Role", "Responsibility", "Nb"}, {200, 100, 40}, kRoles);
    const int y = window.centre(0, 0).y;

    // The divider right of column 0 dragged from x 199 to x 150.
    window.mouse(wxEVT_MOTION, wxPoint(199, y));
    EXPECT_EQ(grid.GetMouseMode(), 8);
    window.drag(wxPoint(199, y), wxPoint(150, y));
    EXPECT_EQ(grid.GetColumnWidth(0), 150);
    EXPECT_EQ(grid.GetMouseMode(), 0);

    // Released where it was pressed: nothing changes.
    window.drag(wxPoint(149, y), wxPoint(149, y));
    EXPECT_EQ(grid.GetColumnWidth(0), 150);

    // Pressed just right of the divider, on column 1's left edge: column 0
    // is the one resized.
    window.drag(wxPoint(151, y), wxPoint(180, y));
    EXPECT_EQ(grid.GetColumnWidth(0), 180);

    // Column 1 (180 .. 279) dragged past its left edge: hidden, or one
    // pixel wide when hiding is not allowed.
    window.drag(wxPoint(279, y), wxPoint(100, y));
    EXPECT_EQ(grid.GetColumnWidth(1), 0);
    grid.SetColumnWidth(1, 100);
    grid.SetZeroWidthAllowed(FALSE);
    window.drag(wxPoint(279, y), wxPoint(100, y));
    EXPECT_EQ(grid.GetColumnWidth(1), 1);
    grid.SetColumnWidth(1, 100);

    // A double click on the divider fits the column to its widest cell.
    int widest = 0;
    {
        wxClientDC dc(&grid);
        for (int row = 0; row < grid.GetRowCount(); ++row)
            widest = std::max(widest, grid.GetCell(row, 0)->GetCellExtent(dc).x);
    }
    window.mouse(wxEVT_MOTION, wxPoint(179, y));
    window.mouse(wxEVT_LEFT_DCLICK, wxPoint(179, y));
    EXPECT_EQ(grid.GetColumnWidth(0), widest);
    EXPECT_LT(widest, 180);

    // Without column resizing the divider is an ordinary header cell.
    grid.EnableColumnResize(FALSE);
    window.mouse(wxEVT_LEFT_UP, wxPoint(0, 0));
    window.mouse(wxEVT_MOTION, wxPoint(widest - 1, y));
    EXPECT_EQ(grid.GetMouseMode(), 0);
}

TEST(GridMouseTest, AHeaderClickSortsWhenAskedAndASecondOneReverses) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    setUpLikeItemPage(grid, {"Role", "Responsibility", "Nb"}, {200, 100, 40}, kRoles);
    grid.SetSortOnHeaderClick(TRUE);
    window.click(window.centre(0, 0));
    EXPECT_EQ(columnTexts(grid, 0),
              (std::vector<std::string>{"Analyst", "Manager", "Reviewer", "Tester", "Writer"}));
    EXPECT_EQ(grid.GetSortColumn(), 0);
    window.click(window.centre(0, 0));
    EXPECT_EQ(columnTexts(grid, 0),
              (std::vector<std::string>{"Writer", "Tester", "Reviewer", "Manager", "Analyst"}));
    window.click(window.centre(0, 1));
    EXPECT_EQ(columnTexts(grid, 1),
              (std::vector<std::string>{"approves", "assists", "assists", "performs", "performs"}));
}

TEST(GridMouseTest, TheRightButtonMovesTheFocusAndTellsTheParent) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    setUpLikeItemPage(grid, {"Role", "Responsibility", "Nb"}, {200, 100, 40}, kRoles);
    window.mouse(wxEVT_RIGHT_UP, window.centre(3, 2));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(3, 2));
    window.mouse(wxEVT_RIGHT_UP, wxPoint(390, 290));
    EXPECT_EQ(window.notices,
              (std::vector<GridNotice>{{kGridNotifyRightClick, 3, 2}, {kGridNotifyRightClick, -1, -1}}));
}

TEST(GridMouseTest, HoldingTheButtonBelowTheGridScrollsAndExtendsTheSelection) {
    GridTestWindow window(wxSize(300, 200));
    CGridCtrl& grid = window.grid();
    grid.SetRowCount(40);
    grid.SetColumnCount(3);
    grid.SetFixedRowCount(1);
    window.mouse(wxEVT_LEFT_DOWN, window.centre(2, 1));
    EXPECT_TRUE(grid.IsAutoScrollTimerRunning());
    // Selecting down to the bottom edge, then further below the grid.
    window.mouse(wxEVT_MOTION, wxPoint(150, grid.GetClientSize().y - 2));
    grid.WarpPointer(150, grid.GetClientSize().y + 20);
    int topRow = grid.GetTopLeftNonFixedCell().row;
    for (int tick = 0; tick < 3; ++tick) {
        grid.OnTimer(kAutoScrollTimerId);
        const int newTop = grid.GetTopLeftNonFixedCell().row;
        EXPECT_GT(newTop, topRow) << tick;
        topRow = newTop;
        const CCellID focus = grid.GetFocusCell();
        EXPECT_TRUE(grid.IsCellVisible(focus)) << tick;
        EXPECT_EQ(grid.GetSelectedCellRange().minRow, 2);
        EXPECT_GE(grid.GetSelectedCellRange().maxRow, focus.row);
    }
    window.mouse(wxEVT_LEFT_UP, wxPoint(150, 100));
    EXPECT_FALSE(grid.IsAutoScrollTimerRunning());
}

} // namespace
