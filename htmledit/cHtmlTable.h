#pragma once

// A table of the page, seen as a grid of columns: rows are those of its
// head, bodies and foot (not those of tables inside it), and its column
// count is the sum of the spans of its first row's cells.

#include "CString.h"
#include "cHtmlElement.h"

#include <vector>

class cHtmlTableCell;
class cHtmlTableRow;

class cHtmlTable : public cHtmlElement {
public:
    // A cell where the grid places it: the column it begins in and the
    // columns it spans.
    struct Placed {
        xmlNode* cell = nullptr;
        int column = 0;
        int span = 1;
    };
    // The table's rows, each with its cells as the grid places them. A span
    // reaches no further than the table's cells can fill: no cell ends past
    // twice as many columns as the table has cells (and each keeps one
    // column), so a claimed colspan of millions costs what a real one does
    // and no sum of spans overflows.
    struct Layout {
        std::vector<xmlNode*> rows;
        std::vector<std::vector<Placed>> cells;
    };
    // Where cells begin, row by row, and the width every row must have.
    struct Grid {
        int rows = 0;
        int columns = 0;
        Layout layout;
    };

    cHtmlTable() = default;
    // Empty unless the element is a TABLE.
    explicit cHtmlTable(const cHtmlElement& element);

    cHtmlTableRow getRow(int index) const;
    int getRowCount() const;
    int getColumnCount() const;
    // A row before row index (at the end for -1 or the count) with cells new
    // cells (the column count when negative).
    cHtmlTableRow insertRow(int index, int cells);
    // Removes the row; a table left without rows is removed, otherwise the
    // columns where no cell begins any more are taken out.
    int deleteRow(int index);
    void insertColumn(int column);
    void deleteColumn(int column);
    cHtmlTableCell cellAt(int row, int column, int covering) const;
    Layout layout() const;
    // The columns a row of placed cells covers.
    static int widthOf(const std::vector<Placed>& cells);
    // The cells of a row as the grid places them, for the given number of
    // cells in its table.
    static std::vector<Placed> placeRow(xmlNode* row, size_t tableCells);
    // Fails, with a message, on a cell spanning rows or rows of different widths.
    bool analyseGrid(Grid& grid) const;
    void removeEmptyColumns();

    CString getBorder() const { return getAttribute("border"); }
    void setBorder(const CString& value) { setOrClear("border", value); }
    CString getBorderColor() const { return getAttribute("bordercolor"); }
    void setBorderColor(const CString& value) { setOrClear("bordercolor", value); }
    CString getBgColor() const { return getAttribute("bgcolor"); }
    void setBgColor(const CString& value) { setOrClear("bgcolor", value); }
    CString getCellSpacing() const { return getAttribute("cellspacing"); }
    void setCellSpacing(const CString& value) { setOrClear("cellspacing", value); }
    CString getCellPadding() const { return getAttribute("cellpadding"); }
    void setCellPadding(const CString& value) { setOrClear("cellpadding", value); }
    CString getRules() const { return getAttribute("rules"); }
    void setRules(const CString& value) { setOrClear("rules", value); }

private:
    std::vector<xmlNode*> rows() const;
    void appendNewCells(xmlNode* row, int count);
    // An empty value removes the attribute.
    void setOrClear(const CString& name, const CString& value);
};
