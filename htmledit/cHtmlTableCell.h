#pragma once

// A cell of a table (TD, or TH before the clean-up turns it into TD).
// Cells may span columns, never rows: a cell's column is the sum of the
// spans of the cells left of it in its row.

#include "CString.h"
#include "cHtmlElement.h"

#include <string_view>

class cHtmlTable;
class cHtmlTableRow;

class cHtmlTableCell : public cHtmlElement {
public:
    cHtmlTableCell() = default;
    // Empty unless the element is a TD or TH.
    explicit cHtmlTableCell(const cHtmlElement& element);

    // The columns the cell spans in its table's grid: its colSpan (1 when
    // absent or not a positive number), reaching no further than the
    // table's cells can fill (cHtmlTable::Layout).
    int getColSpan() const;
    // The span a colSpan or rowSpan text claims: its leading number, 1 when
    // that is not positive; numbers beyond the range of int count as its largest.
    static int claimedSpan(std::string_view text);
    void setColSpan(int span);
    int getRowSpan() const;
    // bgColor; "Automatic" (the last colour of the menu) takes the colour away.
    void setBgColor(const CString& color);
    cHtmlTableRow getRow() const;
    cHtmlTable getTable() const;
    int getRowIndex() const;
    int getColumnIndex() const;
    // Joins the right neighbour's content and span into this cell. 0 when
    // there is no right neighbour.
    int mergeRight();
    // A new cell right of this one: a single-column cell widens the cells of
    // the other rows in its column, a wider one shares its span with it.
    int split();
};
