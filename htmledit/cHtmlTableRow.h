#pragma once

// A row of a table. New cells hold "<DIV>&nbsp;</DIV>".

#include "cHtmlElement.h"
#include "cHtmlTable.h"

#include <vector>

class cHtmlTableCell;

class cHtmlTableRow : public cHtmlElement {
public:
    cHtmlTableRow() = default;
    // Empty unless the element is a TR.
    explicit cHtmlTableRow(const cHtmlElement& element);

    cHtmlTableCell getCell(int index) const;
    int getCellCount() const;
    // A new cell before cell index (at the end for -1 or the count); empty when index is out of range.
    cHtmlTableCell insertCell(int index);
    // The row's cells as its table's grid places them.
    std::vector<cHtmlTable::Placed> getPlacedCells() const;
    // A new cell where column begins; a cell covering column is widened
    // instead (the result is then empty); past the last cell one is appended.
    // The placed cells, when given, are the row's own, as its table placed them.
    cHtmlTableCell insertColumnCell(int column);
    cHtmlTableCell insertColumnCell(int column, const std::vector<cHtmlTable::Placed>& placed);
    // Removes the single-column cell starting at column, or narrows a wider
    // cell covering it. A row left without cells takes its table away.
    int deleteColumnCell(int column);
    int deleteColumnCell(int column, const std::vector<cHtmlTable::Placed>& placed);
    // The cell starting at column; with covering, else the last cell starting before it.
    cHtmlTableCell cellAtColumn(int column, int covering) const;
    cHtmlTableCell cellAtColumn(int column, int covering,
                                const std::vector<cHtmlTable::Placed>& placed) const;
    int getRowIndex() const;
    cHtmlTable getTable() const;
};
