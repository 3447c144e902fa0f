// The text form of cells on the clipboard, without a window: the selected
// block written as lines of tab-separated fields, and a text spread over the
// cells from a starting cell, with cells that hold the separators
// themselves.

#include "GridClipboardText.h"
#include "CGridCtrl.h"
#include "GridPageSetUp.h"

#include <gtest/gtest.h>

namespace {

// A 3 x 4 grid with a header row: cell (r, c) holds "r.c".
void fill(CGridCtrl& grid) {
    grid.SetRowCount(4);
    grid.SetColumnCount(3);
    grid.SetFixedRowCount(1);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            grid.SetItemText(r, c, (std::to_string(r) + "." + std::to_string(c)).c_str());
}

TEST(GridClipboardTextTest, TheSelectedBlockIsWrittenAsLinesOfFields) {
    CGridCtrl grid;
    fill(grid);
    EXPECT_EQ(grid.GetSelectionText(), "");
    EXPECT_EQ(grid.CreateTextDataSource(), nullptr);

    grid.SetSelectedRange(1, 0, 2, 2);
    EXPECT_EQ(grid.GetSelectionText(), "1.0\t1.1\t1.2\r\n2.0\t2.1\t2.2");

    // Cells of the bounding range that are not selected give empty fields.
    grid.SetSelectedRange(1, 0, 1, 0);
    grid.SetItemState(2, 1, kCellSelected);
    EXPECT_EQ(grid.GetSelectionText(), "1.0\t\r\n\t2.1");

    // Hidden rows and columns are left out entirely.
    grid.SetSelectedRange(1, 0, 3, 2);
    grid.SetRowHeight(2, 0);
    grid.SetColumnWidth(1, 0);
    EXPECT_EQ(grid.GetSelectionText(), "1.0\t1.2\r\n3.0\t3.2");
}

TEST(GridClipboardTextTest, ACellHoldingSeparatorsIsQuotedAndReadBackWhole) {
    struct Case {
        const char* cell;
        const char* field;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"Smith, John", "\"Smith, John\""},
        {"a\tb", "\"a\tb\""},
        {"two\r\nlines", "\"two\r\nlines\""},
        {"\"quoted\"", "\"\"\"quoted\"\"\""},
        {"5\" disk", "5\" disk"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GridClipboardText::quoteField(c.cell), c.field) << c.cell;
        const auto lines = GridClipboardText::split(CString(c.field) + "\tnext");
        ASSERT_EQ(lines.size(), 1u) << c.cell;
        ASSERT_EQ(lines[0].size(), 2u) << c.cell;
        EXPECT_EQ(lines[0][0], c.cell);
        EXPECT_EQ(lines[0][1], "next");
    }

    // Copied from one grid and pasted into another, such cells arrive whole.
    CGridCtrl source;
    fill(source);
    source.SetItemText(1, 0, "Smith, John");
    source.SetItemText(1, 1, "a\tb");
    source.SetItemText(2, 0, "two\r\nlines");
    source.SetSelectedRange(1, 0, 2, 2);
    CGridCtrl target;
    fill(target);
    EXPECT_TRUE(target.PasteText(CCellID(1, 0), source.GetSelectionText(), TRUE));
    for (int r = 1; r <= 2; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(target.GetItemText(r, c), source.GetItemText(r, c)) << r << "," << c;
    EXPECT_EQ(target.GetItemText(3, 0), "3.0");
    EXPECT_EQ(target.GetSelectedCellRange(), CCellRange(1, 0, 2, 2));
}

struct SplitCase {
    const char* text;
    std::vector<std::vector<std::string>> lines;
};

const SplitCase kSplitCases[] = {
    {"a\tb\r\nc", {{"a", "b"}, {"c"}}},
    {"a,b\nc", {{"a", "b"}, {"c"}}},
    {"a\t\tc", {{"a", "", "c"}}},
    {"a\t", {{"a"}}},
    {"a\r\n\r\nb\r\n", {{"a"}, {}, {"b"}}},
    {"  spaced  \t x ", {{"spaced", "x"}}},
    {"cut\0after", {{"cut"}}},
    // A quote that does not close a field is an ordinary character.
    {"\"open, b", {{"\"open", "b"}}},
    {"\"he said\" hi\tx", {{"\"he said\" hi", "x"}}},
    {"\"a\"\"b\" , c", {{"a\"b", "c"}}},
};

TEST(GridClipboardTextTest, PastedTextIsCutIntoLinesAndFields) {
    for (const SplitCase& c : kSplitCases) {
        std::vector<std::vector<std::string>> lines;
        for (const auto& fields : GridClipboardText::split(c.text)) {
            lines.emplace_back();
            for (const CString& field : fields)
                lines.back().push_back(field.str());
        }
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}

TEST(GridClipboardTextTest, PastingFillsCellsFromTheStartAndSelectsThem) {
    CGridCtrl grid;
    fill(grid);
    // Two fields separated by a comma, then one field on a second line.
    EXPECT_TRUE(grid.PasteText(CCellID(1, 1), "x, y\r\nz", TRUE));
    EXPECT_EQ(grid.GetItemText(1, 1), "x");
    EXPECT_EQ(grid.GetItemText(1, 2), "y");
    EXPECT_EQ(grid.GetItemText(2, 1), "z");
    EXPECT_EQ(grid.GetItemText(2, 2), "2.2");
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 1, 2, 2));

    // A middle field that is empty empties its cell; fields beyond the
    // grid are dropped.
    EXPECT_TRUE(grid.PasteText(CCellID(3, 0), "p\t\tr\ts", FALSE));
    EXPECT_EQ(grid.GetItemText(3, 0), "p");
    EXPECT_EQ(grid.GetItemText(3, 1), "");
    EXPECT_EQ(grid.GetItemText(3, 2), "r");
    EXPECT_EQ(grid.GetSelectedCount(), 0);

    // Read-only cells keep their text; the others are still filled.
    grid.SetItemState(1, 0, kCellReadOnly);
    EXPECT_FALSE(grid.PasteText(CCellID(1, 0), "q", FALSE));
    EXPECT_TRUE(grid.PasteText(CCellID(2, 0), "u\r\nv", FALSE));
    grid.SetItemState(3, 0, kCellReadOnly);
    EXPECT_TRUE(grid.PasteText(CCellID(2, 0), "w\r\nblocked", FALSE));
    EXPECT_EQ(grid.GetItemText(2, 0), "w");
    EXPECT_EQ(grid.GetItemText(3, 0), "v");
    EXPECT_EQ(grid.GetItemText(1, 0), "1.0");

    // A grid that is not editable takes nothing.
    grid.SetEditable(FALSE);
    EXPECT_FALSE(grid.PasteText(CCellID(2, 2), "no", FALSE));
    EXPECT_FALSE(grid.CutSelection());
}

TEST(GridClipboardTextTest, DeleteClearsTheSelectedCellsOfAnEditableGrid) {
    CGridCtrl grid;
    fill(grid);
    grid.SetSelectedRange(2, 1, 3, 2);
    grid.ClearSelectedCells();
    EXPECT_EQ(grid.GetItemText(2, 1), "");
    EXPECT_EQ(grid.GetItemText(3, 2), "");
    EXPECT_EQ(grid.GetItemText(2, 0), "2.0");
}

} // namespace
