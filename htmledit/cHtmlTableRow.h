#pragma once

// A row of a table. New cells hold "<DIV>&nbsp;</DIV>".

#include "cHtmlElement.h"

class cHtmlTable;
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
    // A new cell where column begins; a cell covering column is widened
    // instead (the result is then empty); past the last cell one is appended.
    cHtmlTableCell insertColumnCell(int column);
    // Removes the single-column cell starting at column, or narrows a wider
    // cell covering it. A row left without cells takes its table away.
    int deleteColumnCell(int column);
    // The cell starting at column; with covering, else the last cell starting before it.
    cHtmlTableCell cellAtColumn(int column, int covering) const;
    int getRowIndex() const;
    cHtmlTable getTable() const;
};
