// Table editing on small tables: rows, columns, merging, splitting and the
// grid checks, with the cell of the caret given by the browser's mark.

#include "HtmlPage.h"
#include "RecordingUserInterface.h"
#include "cHtmlTable.h"
#include "cHtmlTableCell.h"
#include "cHtmlTableRow.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

const std::string kCaret = selected("caret");
const std::string kNew = "<td><div>&nbsp;</div></td>";

struct TableCase {
    const char* name;
    std::string body;
    std::function<int(cHtmlDocument&)> command;
    std::string edited;
    int result;
    const char* message; // shown by the document layer; empty: none
};

int merge(cHtmlDocument& document) {
    return document.getCurrentCell().mergeRight();
}
int split(cHtmlDocument& document) {
    return document.getCurrentCell().split();
}
int deleteRow(cHtmlDocument& document) {
    cHtmlTableCell cell = document.getCurrentCell();
    return cell.getTable().deleteRow(cell.getRowIndex());
}
int deleteColumn(cHtmlDocument& document) {
    cHtmlTableCell cell = document.getCurrentCell();
    cell.getTable().deleteColumn(cell.getColumnIndex());
    return 1;
}

const std::vector<TableCase>& tableCases() {
    static const std::vector<TableCase> cases = {
        {"a row below",
         "<table><tr><td" + kCaret + ">a</td><td>b</td></tr><tr><td>c</td><td>d</td></tr></table>",
         [](cHtmlDocument& d) { return d.insertRowAt(1); },
         "<table><tr><td>a</td><td>b</td></tr><tr>" + kNew + kNew +
             "</tr><tr><td>c</td><td>d</td></tr></table>",
         1, ""},
        {"a row above, in the body group",
         "<table><tbody><tr><td colspan=2" + kCaret + ">a</td></tr></tbody></table>",
         [](cHtmlDocument& d) { return d.insertRowAt(0); },
         "<table><tbody><tr>" + kNew + kNew + "</tr><tr><td colspan=\"2\">a</td></tr></tbody></table>", 1,
         ""},
        {"a column right of a cell",
         "<table><tr><td" + kCaret + ">a</td><td>b</td></tr><tr><td>c</td><td>d</td></tr></table>",
         [](cHtmlDocument& d) { return d.insertColumnAt(1); },
         "<table><tr><td>a</td>" + kNew + "<td>b</td></tr><tr><td>c</td>" + kNew + "<td>d</td></tr></table>",
         1, ""},
        {"a column left of the first cell", "<table><tr><td>a</td><td" + kCaret + ">b</td></tr></table>",
         [](cHtmlDocument& d) { return d.insertColumnAt(0); },
         "<table><tr><td>a</td>" + kNew + "<td>b</td></tr></table>", 1, ""},
        {"a column inside a wide cell widens it",
         "<table><tr><td" + kCaret + ">a</td><td>b</td></tr><tr><td colspan=\"2\">c</td></tr></table>",
         [](cHtmlDocument& d) { return d.insertColumnAt(1); },
         "<table><tr><td>a</td>" + kNew + "<td>b</td></tr><tr><td colspan=\"3\">c</td></tr></table>", 1, ""},
        {"deleting the only row removes the table",
         "<div>x</div><table><tr><td" + kCaret + ">a</td></tr></table>", deleteRow, "<div>x</div>", 1, ""},
        {"deleting a row narrows the columns no cell begins in any more",
         "<table><tr><td" + kCaret + ">a</td><td>b</td></tr><tr><td colspan=\"2\">c</td></tr></table>",
         deleteRow, "<table><tr><td colspan=\"1\">c</td></tr></table>", 1, ""},
        {"deleting the only column removes the table",
         "<table><tr><td" + kCaret + ">a</td></tr><tr><td>b</td></tr></table><div>x</div>", deleteColumn,
         "<div>x</div>", 1, ""},
        {"deleting a column inside a wide cell narrows it",
         "<table><tr><td>a</td><td" + kCaret + ">b</td></tr><tr><td colspan=\"2\">c</td></tr></table>",
         deleteColumn, "<table><tr><td>a</td></tr><tr><td colspan=\"1\">c</td></tr></table>", 1, ""},
        {"merging joins the texts around one space",
         "<table><tr><td" + kCaret +
             "><div>a&nbsp;</div></td><td><div>&nbsp;b</div></td></tr>"
             "<tr><td>c</td><td>d</td></tr></table>",
         merge,
         "<table><tr><td colspan=\"2\"><div>a&nbsp;b</div></td></tr><tr><td>c</td><td>d</td></tr></table>", 1,
         ""},
        {"merging a whole row leaves one column",
         "<table><tr><td" + kCaret + ">a</td><td colspan=\"2\">b</td></tr></table>", merge,
         "<table><tr><td colspan=\"1\"><div>a&nbsp;b</div></td></tr></table>", 1, ""},
        {"the last cell of a row has no neighbour",
         "<table><tr><td>a</td><td" + kCaret + ">b</td></tr></table>", merge,
         "<table><tr><td>a</td><td>b</td></tr></table>", 0, ""},
        {"splitting a cell of span 3 gives spans 1 and 2",
         "<table><tr><td colspan=\"3\"" + kCaret +
             ">a</td></tr><tr><td>1</td><td>2</td><td>3</td></tr></table>",
         split,
         "<table><tr><td colspan=\"1\">a</td><td colspan=\"2\"><div>&nbsp;</div></td></tr>"
         "<tr><td>1</td><td>2</td><td>3</td></tr></table>",
         1, ""},
        {"splitting a single cell widens the other rows",
         "<table><tr><td" + kCaret + ">a</td><td>b</td></tr><tr><td>c</td><td>d</td></tr></table>", split,
         "<table><tr><td>a</td>" + kNew +
             "<td>b</td></tr><tr><td colspan=\"2\">c</td><td>d</td></tr></table>",
         1, ""},
        {"a cell spanning rows stops the normalisation after a deletion",
         "<table><tr><td rowspan=\"2\">a</td><td>b</td></tr><tr><td" + kCaret +
             ">c</td></tr><tr><td>d</td><td>e</td>"
             "</tr></table>",
         deleteRow, "<table><tr><td rowspan=\"2\">a</td><td>b</td></tr><tr><td>d</td><td>e</td></tr></table>",
         1, "Cells which span over multiple rows are NOT supported !"},
        {"rows of different widths stop the normalisation after a merge",
         "<table><tr><td" + kCaret + ">a</td><td>b</td></tr><tr><td>c</td></tr></table>", merge,
         "<table><tr><td colspan=\"2\"><div>a&nbsp;b</div></td></tr><tr><td>c</td></tr></table>", 1,
         "All rows must contain the same amount of columns!"},
        {"a selection over several cells", "<table><tr" + kCaret + "><td>a</td></tr></table>",
         [](cHtmlDocument& d) { return d.insertRowAt(1); }, "<table><tr><td>a</td></tr></table>", 0,
         "A selection spanning over multiple cells is not allowed."},
        {"a caret outside every cell", "<div" + kCaret + ">x</div><table><tr><td>a</td></tr></table>",
         [](cHtmlDocument& d) { return d.insertColumnAt(1); },
         "<div>x</div><table><tr><td>a</td></tr></table>", 0, "Please set the cursor into a table cell!"},
        {"no selection at all", "<table><tr><td>a</td></tr></table>",
         [](cHtmlDocument& d) { return d.insertColumnAt(1); }, "<table><tr><td>a</td></tr></table>", 0,
         "Please set the cursor into a table cell!"},
        {"a cell colour, and Automatic for none",
         "<table><tr><td" + kCaret + ">a</td><td bgcolor=\"Red\">b</td></tr></table>",
         [](cHtmlDocument& d) {
             d.getCurrentCell().setBgColor("Teal");
             cHtmlTableCell(d.getCurrentCell().getNextElement()).setBgColor("Automatic");
             return 1;
         },
         "<table><tr><td bgcolor=\"Teal\">a</td><td>b</td></tr></table>", 1, ""},
    };
    return cases;
}

void runCases(const std::vector<TableCase>& cases) {
    for (const TableCase& c : cases) {
        RecordingUserInterface ui;
        HtmlPage page(c.body);
        EXPECT_EQ(c.command(page.document), c.result) << c.name;
        EXPECT_EQ(page.body(), c.edited) << c.name;
        expectMessage(ui, c.message, "Error", MB_OK | MB_ICONSTOP, c.name);
    }
}

TEST(TableEditingTest, EditsTablesAsGridsOfColumns) {
    runCases(tableCases());
}

// A cell may claim any span; it reaches no further than twice as many
// columns as its table has cells, so the commands cost what the real cells
// do and no sum of spans overflows.
TEST(TableEditingTest, SpansAreBoundedByTheTablesCells) {
    const std::string kMax = "2147483647";
    runCases({
        {"a row below a cell claiming 300 columns",
         "<table><tr><td colspan=\"300\"" + kCaret + ">a</td></tr></table>",
         [](cHtmlDocument& d) { return d.insertRowAt(1); },
         "<table><tr><td colspan=\"300\">a</td></tr><tr>" + kNew + kNew + "</tr></table>", 1, ""},
        {"deleting a row leaves a cell claiming 50,000,000 columns with the one it fills",
         "<table><tr><td" + kCaret + ">a</td><td>x</td></tr><tr><td colspan=\"50000000\">b</td></tr></table>",
         deleteRow, "<table><tr><td colspan=\"1\">b</td></tr></table>", 1, ""},
        {"merging two cells claiming the largest span",
         "<table><tr><td colspan=\"" + kMax + "\"" + kCaret + ">a</td><td colspan=\"" + kMax +
             "\">b</td></tr></table>",
         merge, "<table><tr><td colspan=\"1\"><div>a&nbsp;b</div></td></tr></table>", 1, ""},
        {"splitting a cell claiming more than an int holds",
         "<table><tr><td colspan=\"99999999999999\"" + kCaret +
             ">a</td></tr><tr><td>b</td><td>c</td></tr></table>",
         split,
         "<table><tr><td colspan=\"3\">a</td><td colspan=\"3\"><div>&nbsp;</div></td></tr>"
         "<tr><td>b</td><td>c</td></tr></table>",
         1, ""},
    });
    // Spans of a first row that together pass the range of an int.
    HtmlPage page("<table><tr><td colspan=\"" + kMax + "\">a</td><td colspan=\"" + kMax + "\">b</td>" +
                  "<td colspan=\"" + kMax + "\">c</td></tr></table>");
    const cHtmlTable table(page.document.getBody().getChild(0));
    EXPECT_EQ(table.getColumnCount(), 8);
    EXPECT_EQ(table.getRow(0).getCell(0).getColSpan(), 6);
    EXPECT_EQ(table.getRow(0).getCell(2).getColumnIndex(), 7);
}

TEST(TableEditingTest, GridOfATableWithHeadAndFoot) {
    RecordingUserInterface ui;
    HtmlPage page(
        "<table><tfoot><tr><td>f</td><td>g</td></tr></tfoot><thead><tr><td colspan=\"2\">h</td></tr></thead>"
        "<tbody><tr><td>b</td><td>c</td></tr></tbody><tr><td>d<table><tr><td>inner</td></tr></table></td>"
        "<td>e</td></tr></table>");
    cHtmlTable table(page.document.getBody().getChild(0));
    ASSERT_TRUE(table.isValid());
    EXPECT_EQ(table.getRowCount(), 4);
    EXPECT_EQ(table.getColumnCount(), 2);
    EXPECT_EQ(table.getRow(0).getCell(0).getInnerHtml(), "h");
    EXPECT_EQ(table.getRow(3).getCell(0).getInnerHtml(), "f");
    cHtmlTable::Grid grid;
    ASSERT_TRUE(table.analyseGrid(grid));
    EXPECT_EQ(grid.rows, 4);
    EXPECT_EQ(grid.columns, 2);
    // Each cell as (column, span), row by row.
    std::vector<std::vector<std::pair<int, int>>> placed;
    for (const auto& row : grid.layout.cells) {
        placed.emplace_back();
        for (const cHtmlTable::Placed& cell : row)
            placed.back().emplace_back(cell.column, cell.span);
    }
    EXPECT_EQ(placed, (std::vector<std::vector<std::pair<int, int>>>{
                          {{0, 2}}, {{0, 1}, {1, 1}}, {{0, 1}, {1, 1}}, {{0, 1}, {1, 1}}}));
    EXPECT_EQ(table.cellAt(0, 1, 0).isValid(), false);
    EXPECT_EQ(table.cellAt(0, 1, 1).getInnerHtml(), "h");
    EXPECT_EQ(table.cellAt(9, 0, 1).isValid(), false);
    EXPECT_TRUE(ui.messages.empty());
}

TEST(TableEditingTest, NewTables) {
    EXPECT_EQ(cHtmlDocument::tableHtml(2, 2),
              "<TABLE border=1 cellpadding=3><TR><TD><DIV>&nbsp;</DIV></TD><TD><DIV>&nbsp;</DIV></TD></TR>"
              "<TR><TD><DIV>&nbsp;</DIV></TD><TD><DIV>&nbsp;</DIV></TD></TR></TABLE>");
    EXPECT_EQ(cHtmlDocument::tableHtml(0, 2), "");
    EXPECT_EQ(cHtmlDocument::tableHtml(2, 0), "");
}

} // namespace
