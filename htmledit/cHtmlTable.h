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
    // Where cells begin: cells[row][column] is the span of the cell that
    // begins there, 0 where none does.
    struct Grid {
        int rows = 0;
        int columns = 0;
        std::vector<std::vector<int>> cells;
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
    // An empty value removes the attribute.
    void setOrClear(const CString& name, const CString& value);
};
