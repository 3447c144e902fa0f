// The grid's cells and storage without a window or a display: the item
// pages' set-up sequence, fixed bands, inserting and deleting rows, the
// focus, the modified state, a failed allocation, and virtual mode.

#include "CGridCtrl.h"
#include "GridPageSetUp.h"

#include <gtest/gtest.h>
#include <new>

namespace {

TEST(GridStorageTest, ItemPageSetUpGivesAHeaderRowAndOneRowPerEntry) {
    CGridCtrl grid;
    setUpLikeItemPage(grid, {"Role", "Responsibility"}, {250, 90},
                      {{"Analyst", "performs"}, {"Reviewer", "assists"}});
    EXPECT_EQ(grid.GetRowCount(), 3);
    EXPECT_EQ(grid.GetColumnCount(), 2);
    EXPECT_EQ(grid.GetFixedRowCount(), 1);
    EXPECT_EQ(grid.GetFixedColumnCount(), 0);
    EXPECT_EQ(grid.GetColumnWidth(0), 250);
    EXPECT_EQ(grid.GetColumnWidth(1), 90);
    EXPECT_EQ(grid.GetColumnWidth(2), -1);
    EXPECT_EQ(grid.GetItemText(0, 1), "Responsibility");
    EXPECT_EQ(grid.GetItemText(2, 0), "Reviewer");
    EXPECT_EQ(grid.GetCell(0, 0)->GetFormat(), DT_CENTER);
    // Header cells are fixed-row cells and take the fixed-row default cell;
    // body cells are plain.
    EXPECT_EQ(grid.GetItemState(0, 0), kCellFixed | kCellFixedRow);
    EXPECT_EQ(grid.GetItemState(1, 0), 0u);
    EXPECT_EQ(grid.GetCell(0, 0)->GetDefaultCell(), grid.GetDefaultCell(TRUE, FALSE));
    EXPECT_EQ(grid.GetCell(1, 1)->GetDefaultCell(), grid.GetDefaultCell(FALSE, FALSE));
    EXPECT_EQ(grid.GetCell(3, 0), nullptr);
    EXPECT_EQ(grid.GetCell(0, -1), nullptr);
    EXPECT_EQ(grid.GetItemText(7, 7), "");

    // A new entry, then a removal, as the pages' buttons do it.
    const int row = grid.InsertRow("", -1);
    EXPECT_EQ(row, 3);
    grid.GetCell(row, 0)->SetText("Manager");
    EXPECT_EQ(columnTexts(grid, 0), (std::vector<std::string>{"Analyst", "Reviewer", "Manager"}));
    EXPECT_TRUE(grid.DeleteRow(1));
    EXPECT_EQ(columnTexts(grid, 0), (std::vector<std::string>{"Reviewer", "Manager"}));
    EXPECT_FALSE(grid.DeleteRow(3));

    // Selecting a row from code and reading the choice back.
    grid.SetSelectedRange(2, 0, 2, 1, FALSE, TRUE);
    EXPECT_FALSE(grid.IsCellSelected(1, 0));
    EXPECT_TRUE(grid.IsCellSelected(2, 0));
    EXPECT_TRUE(grid.IsCellSelected(2, 1));
    EXPECT_EQ(grid.GetSelectedCount(), 2);
}

TEST(GridStorageTest, CellsWithoutValuesOfTheirOwnTakeTheDefaultCells) {
    CGridCtrl grid(2, 2, 1, 0);
    CGridCellBase* cell = grid.GetCell(1, 1);
    CGridDefaultCell* def = grid.GetDefaultCell(FALSE, FALSE);
    EXPECT_EQ(cell->GetTextColor(), kNoColour);
    EXPECT_EQ(cell->GetMargin(), def->GetMargin());
    EXPECT_EQ(cell->GetFormat(), def->GetFormat());
    EXPECT_TRUE(cell->IsDefaultFont());
    // Without a display the default sizes are fixed.
    EXPECT_EQ(def->GetMargin(), 3u);
    EXPECT_EQ(def->GetWidth(), 40);
    EXPECT_EQ(def->GetHeight(), 16);
    EXPECT_EQ(grid.GetRowHeight(1), 16);
    EXPECT_EQ(grid.GetColumnWidth(1), 40);
    EXPECT_TRUE(def->IsReadOnly());

    cell->SetMargin(7);
    cell->SetFormat(DT_RIGHT);
    EXPECT_EQ(cell->GetMargin(), 7u);
    // A copy takes the resolved values, also those it inherited.
    CGridCell copy;
    copy.CopyFrom(*grid.GetCell(1, 0));
    EXPECT_EQ(copy.GetFormat(), def->GetFormat());
    EXPECT_EQ(copy.GetMargin(), def->GetMargin());
    cell->Reset();
    EXPECT_EQ(cell->GetImage(), -1);
    EXPECT_EQ(cell->GetGrid(), nullptr);
    EXPECT_EQ(cell->GetFormat(), static_cast<UINT>(-1));
}

TEST(GridStorageTest, FixedBandsMarkTheirCells) {
    CGridCtrl grid(2, 2, 0, 0);
    EXPECT_TRUE(grid.SetFixedRowCount(3)); // grows the grid first
    EXPECT_EQ(grid.GetRowCount(), 3);
    EXPECT_TRUE(grid.SetFixedColumnCount(1));
    EXPECT_EQ(grid.GetItemState(0, 0), kCellFixed | kCellFixedRow | kCellFixedColumn);
    EXPECT_EQ(grid.GetItemState(0, 1), kCellFixed | kCellFixedRow);
    grid.SetItemBackColor(1, 1, RGB(1, 2, 3));
    EXPECT_TRUE(grid.SetFixedRowCount(1));
    // Cells leaving the fixed rows keep the fixed column's bit only.
    EXPECT_EQ(grid.GetItemState(1, 0), kCellFixed | kCellFixedColumn);
    EXPECT_EQ(grid.GetItemState(1, 1), 0u);
    EXPECT_EQ(grid.GetCell(1, 1)->GetBackColor(), kNoColour);
    EXPECT_TRUE(grid.SetFixedColumnCount(0));
    EXPECT_EQ(grid.GetItemState(1, 0), 0u);
    EXPECT_EQ(grid.GetItemState(0, 0), kCellFixed | kCellFixedRow);

    // Dropping the rows drops the fixed band and the focus with them.
    grid.SetFixedColumnCount(0);
    grid.SetFocusCell(2, 1);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));
    EXPECT_TRUE(grid.SetRowCount(0));
    EXPECT_EQ(grid.GetFixedRowCount(), 0);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(-1, -1));
}

TEST(GridStorageTest, InsertAndDeleteKeepTheFocusOnItsCell) {
    CGridCtrl grid;
    // A row inserted into a grid without columns makes its one column.
    EXPECT_EQ(grid.InsertRow("first", -1), 0);
    EXPECT_EQ(grid.GetColumnCount(), 1);
    EXPECT_EQ(grid.GetItemText(0, 0), "first");
    grid.SetFixedRowCount(1);
    EXPECT_EQ(grid.InsertRow("x", 0), -1); // not into the fixed band
    EXPECT_EQ(grid.InsertRow("x", 5), -1); // not beyond the rows
    for (const char* text : {"a", "b", "c", "d"})
        grid.InsertRow(text, -1);

    grid.SetFocusCell(3, 0); // "c"
    EXPECT_EQ(grid.InsertRow("new", 2), 2);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(4, 0));
    EXPECT_TRUE(grid.GetCell(4, 0)->IsFocused());
    EXPECT_EQ(grid.GetItemText(4, 0), "c");

    // A row inserted at the focus row itself pushes the focused cell down,
    // and the focus goes with it.
    EXPECT_EQ(grid.InsertRow("pushed", 4), 4);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(5, 0));
    EXPECT_TRUE(grid.GetCell(5, 0)->IsFocused());
    EXPECT_FALSE(grid.GetCell(4, 0)->IsFocused());
    EXPECT_TRUE(grid.DeleteRow(4));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(4, 0));

    EXPECT_TRUE(grid.DeleteRow(1)); // above the focus
    EXPECT_EQ(grid.GetFocusCell(), CCellID(3, 0));
    EXPECT_EQ(grid.GetItemText(3, 0), "c");
    EXPECT_TRUE(grid.DeleteRow(3)); // the focus row itself
    EXPECT_EQ(grid.GetFocusCell(), CCellID(-1, -1));
    EXPECT_EQ(columnTexts(grid, 0), (std::vector<std::string>{"new", "b", "d"}));
}

TEST(GridStorageTest, TheFocusNeverLiesInAFixedBand) {
    CGridCtrl grid(4, 4, 1, 1);
    grid.SetFocusCell(0, 0);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 1));
    grid.SetFocusCell(2, 3);
    EXPECT_FALSE(grid.GetCell(1, 1)->IsFocused());
    EXPECT_TRUE(grid.GetCell(2, 3)->IsFocused());
}

TEST(GridStorageTest, ModifiedStateOfCellsAndGrid) {
    CGridCtrl grid(3, 3, 1, 0);
    grid.SetModified(FALSE);
    EXPECT_FALSE(grid.GetModified());
    EXPECT_TRUE(grid.SetItemText(1, 1, "x"));
    EXPECT_TRUE(grid.GetModified());
    EXPECT_TRUE(grid.GetModified(1, 1));
    EXPECT_FALSE(grid.GetModified(1, 2));
    grid.SetModified(TRUE, 2, 2);
    grid.SetModified(FALSE, 1, 1);
    EXPECT_FALSE(grid.GetModified(1, 1));
    EXPECT_TRUE(grid.GetModified(2, 2));
    grid.SetModified(FALSE);
    EXPECT_FALSE(grid.GetModified(2, 2));
    // Structural changes mark the grid.
    grid.InsertRow("", -1);
    EXPECT_TRUE(grid.GetModified());
}

// A grid that runs out of memory after a given number of new cells.
class ScarceGrid : public CGridCtrl {
public:
    CGridCellBase* CreateCell(int row, int col) override {
        if (m_cellsLeft-- <= 0)
            throw std::bad_alloc();
        return CGridCtrl::CreateCell(row, col);
    }
    int m_cellsLeft = 1000;
};

TEST(GridStorageTest, AFailedColumnAllocationKeepsTheColumnsMade) {
    ScarceGrid grid;
    grid.SetRowCount(3);
    grid.SetColumnCount(2);
    // Columns 2 and 3 are made in full; column 4 fails after one cell.
    grid.m_cellsLeft = 7;
    EXPECT_FALSE(grid.SetColumnCount(5));
    EXPECT_EQ(grid.GetColumnCount(), 4);
    for (int row = 0; row < 3; ++row) {
        EXPECT_NE(grid.GetCell(row, 3), nullptr) << row;
        EXPECT_EQ(grid.GetCell(row, 4), nullptr) << row;
    }
    EXPECT_EQ(grid.GetColumnWidth(3), grid.GetDefaultCell(FALSE, TRUE)->GetWidth());
    EXPECT_EQ(grid.GetColumnWidth(4), -1);
    EXPECT_TRUE(grid.SetItemText(2, 3, "last"));
    EXPECT_FALSE(grid.SetItemText(2, 4, "none"));

    // Rows likewise: those made before the failure stay whole (one row of
    // four cells, then two cells of the next).
    grid.m_cellsLeft = 6;
    EXPECT_FALSE(grid.SetRowCount(6));
    EXPECT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetRowHeight(3), grid.GetDefaultCell(FALSE, FALSE)->GetHeight());
    EXPECT_EQ(grid.GetRowHeight(4), -1);
    for (int col = 0; col < 4; ++col)
        EXPECT_NE(grid.GetCell(3, col), nullptr) << col;

    // With memory again the grid grows on from there.
    grid.m_cellsLeft = 1000;
    EXPECT_TRUE(grid.SetColumnCount(5));
    EXPECT_TRUE(grid.SetRowCount(6));
    EXPECT_NE(grid.GetCell(5, 4), nullptr);
}

TEST(GridStorageTest, SizesAndTheirSums) {
    CGridCtrl grid(4, 3, 1, 1);
    EXPECT_FALSE(grid.SetColumnWidth(3, 10));
    EXPECT_FALSE(grid.SetRowHeight(0, -1));
    grid.SetColumnWidth(0, 10);
    grid.SetColumnWidth(1, 20);
    grid.SetColumnWidth(2, 30);
    grid.SetRowHeight(0, 5);
    grid.SetRowHeight(2, 0);
    EXPECT_EQ(grid.GetFixedColumnWidth(), 10);
    EXPECT_EQ(grid.GetVirtualWidth(), 60);
    EXPECT_EQ(grid.GetFixedRowHeight(), 5);
    EXPECT_EQ(grid.GetVirtualHeight(), 5 + 16 + 0 + 16);
    grid.DeleteAllItems();
    EXPECT_EQ(grid.GetVirtualWidth(), 0);
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_EQ(grid.GetFixedColumnCount(), 0);
}

BOOL fillVirtualCell(CGridItem& item, std::intptr_t value) {
    item.text.Format("%d:%d/%d", item.row, item.col, static_cast<int>(value));
    return TRUE;
}

TEST(GridStorageTest, VirtualModeAsksForEveryCell) {
    CGridCtrl grid;
    grid.SetVirtualMode(TRUE);
    grid.SetCallbackFunc(fillVirtualCell, 7);
    grid.SetRowCount(1000);
    grid.SetColumnCount(3);
    grid.SetFixedRowCount(1);
    EXPECT_EQ(grid.GetItemText(999, 2), "999:2/7");
    EXPECT_EQ(grid.GetItemState(0, 1), kCellFixed | kCellFixedRow);
    EXPECT_FALSE(grid.SetItemText(5, 1, "no"));
    EXPECT_FALSE(grid.SetItemFormat(5, 1, DT_CENTER));
    // The selection lives in the grid.
    grid.SetSelectedRange(3, 0, 4, 2);
    EXPECT_TRUE(grid.IsCellSelected(4, 2));
    EXPECT_FALSE(grid.IsCellSelected(5, 0));
    EXPECT_EQ(grid.GetItemState(3, 1), kCellSelected);
}

} // namespace
