// The selection bookkeeping without a window: the selected-cell map kept in
// step with the cells' selected bit, ranges, and the selection operations
// that the mouse and keys use.

#include "CGridCtrl.h"
#include "GridPageSetUp.h"

#include <gtest/gtest.h>

namespace {

TEST(GridSelectionTest, TheMapFollowsTheSelectedBit) {
    CGridCtrl grid(6, 4, 1, 0);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    EXPECT_FALSE(grid.IsValid(grid.GetSelectedCellRange()));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(6, 4, -1, -1));

    grid.SetItemState(5, 2, kCellSelected);
    grid.SetItemState(5, 2, kCellSelected | kCellModified);
    EXPECT_EQ(grid.GetSelectedCount(), 1);
    EXPECT_TRUE(grid.IsCellSelected(5, 2));
    grid.SetItemState(5, 2, kCellModified);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    EXPECT_FALSE(grid.IsCellSelected(5, 2));

    // Destroying a selected cell takes it out of the map, also while
    // selection is switched off.
    grid.SetSelectedRange(4, 1, 5, 2);
    EXPECT_EQ(grid.GetSelectedCount(), 4);
    grid.EnableSelection(FALSE);
    EXPECT_FALSE(grid.IsCellSelected(4, 1));
    grid.SetRowCount(5);
    grid.EnableSelection(TRUE);
    EXPECT_EQ(grid.GetSelectedCount(), 2);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(4, 1, 4, 2));
}

TEST(GridSelectionTest, RangesAreRaisedOutOfTheFixedBandsAndReplaceTheSelection) {
    CGridCtrl grid(5, 5, 1, 1);
    grid.SetSelectedRange(0, 0, 2, 2);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 1, 2, 2));
    EXPECT_EQ(grid.GetSelectedCount(), 4);
    grid.SetSelectedRange(3, 3, 4, 4);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(3, 3, 4, 4));
    EXPECT_FALSE(grid.IsCellSelected(1, 1));
    // Deselecting part of it keeps the rest.
    grid.SetSelectedRange(3, 3, 3, 4, FALSE, FALSE);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(4, 3, 4, 4));
    // Out of range: nothing is selected.
    grid.SetSelectedRange(1, 1, 9, 2);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    grid.SetSelectedRange(1, 1, 1, 1);
    grid.ResetSelectedRange();
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(-1, -1));
    // With selection disabled nothing changes.
    grid.EnableSelection(FALSE);
    grid.SetSelectedRange(1, 1, 2, 2);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
}

TEST(GridSelectionTest, RowSelectionWithOneRowSelectsWholeSingleRows) {
    CGridCtrl grid;
    setUpLikeItemPage(grid, {"Name", "State", "Nb"}, {200, 100, 40},
                      {{"a", "1", "x"}, {"b", "2", "y"}, {"c", "3", "z"}});
    grid.SetFocusCell(1, 0);
    grid.SelectRows(CCellID(3, 1));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(3, 0, 3, 2));
    EXPECT_EQ(grid.GetSelectedCount(), 3);
    grid.SelectRows(CCellID(2, 0));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(2, 0, 2, 2));
    // A row in the header band is not selectable.
    grid.SelectRows(CCellID(0, 0));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(2, 0, 2, 2));
}

TEST(GridSelectionTest, SelectionOperationsKeepOutOfTheFixedBands) {
    CGridCtrl grid(6, 5, 1, 1);
    grid.SetSelectedRange(2, 2, 2, 2);
    grid.SelectAllCells();
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 1, 5, 4));
    grid.SelectCells(CCellID(0, 0)); // fixed cells are ignored
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 1, 5, 4));
    grid.SetSingleColumnSelection(TRUE);
    grid.SelectColumns(CCellID(3, 2));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 2, 5, 2));
}

} // namespace
