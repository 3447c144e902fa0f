// Sorting the body rows by a column, without a window.

#include "CGridCtrl.h"
#include "GridPageSetUp.h"

#include <gtest/gtest.h>

namespace {

struct SortCase {
    std::vector<std::string> texts;
    BOOL ascending;
    std::vector<std::string> sorted;
};

const SortCase kSortCases[] = {
    {{"pear", "apple", "fig", "banana"}, TRUE, {"apple", "banana", "fig", "pear"}},
    {{"pear", "apple", "fig", "banana"}, FALSE, {"pear", "fig", "banana", "apple"}},
    // Byte order: upper case before lower case, accented letters last.
    {{"b", "B", "\xE9t\xE9", "a", "A"}, TRUE, {"A", "B", "a", "b", "\xE9t\xE9"}},
    {{"x", "x", "a", "x", "a"}, TRUE, {"a", "a", "x", "x", "x"}},
    {{"only"}, TRUE, {"only"}},
    {{"10", "9", "100"}, TRUE, {"10", "100", "9"}},
};

TEST(GridSortTest, SortsTheBodyRowsByTheColumnsTexts) {
    for (const SortCase& c : kSortCases) {
        CGridCtrl grid;
        std::vector<std::vector<std::string>> rows;
        for (size_t i = 0; i < c.texts.size(); ++i)
            rows.push_back({c.texts[i], std::to_string(i)});
        setUpLikeItemPage(grid, {"Name", "Index"}, {100, 40}, rows);
        grid.SortTextItems(0, c.ascending);
        EXPECT_EQ(columnTexts(grid, 0), c.sorted) << c.texts[0];
        // Whole rows move together, and the header stays.
        for (int row = 1; row < grid.GetRowCount(); ++row)
            EXPECT_EQ(grid.GetItemText(row, 0), c.texts[std::stoi(grid.GetItemText(row, 1).str())]);
        EXPECT_EQ(grid.GetItemText(0, 0), "Name");
        EXPECT_EQ(grid.GetSortColumn(), 0);
        EXPECT_EQ(grid.GetSortAscending(), c.ascending);
    }
}

TEST(GridSortTest, EqualTextsExchangeNoRows) {
    CGridCtrl grid;
    setUpLikeItemPage(grid, {"Name"}, {100}, {{"same"}, {"same"}, {"same"}, {"same"}});
    std::vector<CGridCellBase*> before;
    for (int row = 1; row < grid.GetRowCount(); ++row)
        before.push_back(grid.GetCell(row, 0));
    grid.SortTextItems(0, TRUE);
    for (int row = 1; row < grid.GetRowCount(); ++row)
        EXPECT_EQ(grid.GetCell(row, 0), before[row - 1]);
}

TEST(GridSortTest, SortingClearsSelectionAndFocusAndRejectsABadColumn) {
    CGridCtrl grid;
    setUpLikeItemPage(grid, {"Name"}, {100}, {{"b"}, {"a"}});
    grid.SetFocusCell(1, 0);
    grid.SetSelectedRange(1, 0, 1, 0);
    EXPECT_TRUE(grid.SortTextItems(0, TRUE));
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(-1, -1));
    EXPECT_FALSE(grid.SortTextItems(3, TRUE));
    // Editing a cell of the sort column drops the sort arrow.
    grid.SortTextItems(0, TRUE);
    grid.SetItemText(1, 0, "c");
    EXPECT_EQ(grid.GetSortColumn(), -1);
}

int byLength(const CGridCellBase* a, const CGridCellBase* b, std::intptr_t data) {
    const int difference = a->GetText().GetLength() - b->GetText().GetLength();
    return data ? -difference : difference;
}

TEST(GridSortTest, ACompareFunctionOfTheCallerGetsItsData) {
    CGridCtrl grid;
    setUpLikeItemPage(grid, {"Name"}, {100}, {{"ccc"}, {"a"}, {"bb"}});
    grid.SortItems(byLength, 0, TRUE, 0);
    EXPECT_EQ(columnTexts(grid, 0), (std::vector<std::string>{"a", "bb", "ccc"}));
    grid.SortItems(byLength, 0, TRUE, 1);
    EXPECT_EQ(columnTexts(grid, 0), (std::vector<std::string>{"ccc", "bb", "a"}));
    grid.SetCompareFunction(byLength);
    grid.SortTextItems(0, FALSE);
    EXPECT_EQ(columnTexts(grid, 0), (std::vector<std::string>{"ccc", "bb", "a"}));
}

} // namespace
