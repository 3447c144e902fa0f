#include "cHtmlTableCell.h"

#include "EditorText.h"
#include "HtmlTree.h"
#include "cHtmlTable.h"
#include "cHtmlTableRow.h"

#include <cctype>
#include <climits>

namespace {

// The cell as its row's cells are placed; a cell outside a row spans one column.
cHtmlTable::Placed placedOf(const cHtmlTableCell& cell) {
    for (const cHtmlTable::Placed& placed : cell.getRow().getPlacedCells())
        if (placed.cell == cell.getNode())
            return placed;
    return {cell.getNode(), 0, 1};
}

} // namespace

cHtmlTableCell::cHtmlTableCell(const cHtmlElement& element)
    : cHtmlElement(element.getTagName() == "TD" || element.getTagName() == "TH" ? element : cHtmlElement()) {}

int cHtmlTableCell::claimedSpan(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
        value = std::min<long long>(value * 10 + (text[i] - '0'), INT_MAX);
    return negative || value <= 0 ? 1 : static_cast<int>(value);
}

int cHtmlTableCell::getColSpan() const {
    return isValid() ? placedOf(*this).span : 1;
}

void cHtmlTableCell::setColSpan(int span) {
    CString text;
    text.Format("%d", span);
    setAttribute("colSpan", text);
}

int cHtmlTableCell::getRowSpan() const {
    return claimedSpan(htmltree::attributeValue(m_node, "rowspan"));
}

void cHtmlTableCell::setBgColor(const CString& color) {
    // "Automatic" is no colour: the cell takes the table's again.
    if (color.CompareNoCase("Automatic") == 0 || color.IsEmpty())
        removeAttribute("bgColor");
    else
        setAttribute("bgColor", color);
}

cHtmlTableRow cHtmlTableCell::getRow() const {
    return cHtmlTableRow(findAncestor("TR"));
}

cHtmlTable cHtmlTableCell::getTable() const {
    return getRow().getTable();
}

int cHtmlTableCell::getRowIndex() const {
    return getRow().getRowIndex();
}

int cHtmlTableCell::getColumnIndex() const {
    return isValid() ? placedOf(*this).column : 0;
}

int cHtmlTableCell::mergeRight() {
    cHtmlTableCell next(getNextElement());
    if (!isValid() || !next.isValid())
        return 0;
    const int span = getColSpan() + next.getColSpan();
    const CString left = stripAffix(stripEnclosingTag(getInnerHtml(), "DIV"), "&nbsp;", 1);
    const CString right = stripAffix(stripEnclosingTag(next.getInnerHtml(), "DIV"), "&nbsp;", 0);
    setDivContent(left + "&nbsp;" + right);
    setColSpan(span);
    next.removeNode(1);
    getTable().removeEmptyColumns();
    return 1;
}

int cHtmlTableCell::split() {
    cHtmlTableRow row = getRow();
    if (!isValid() || !row.isValid())
        return 0;
    const cHtmlTable table = getTable();
    const cHtmlTable::Layout grid = table.layout();
    const cHtmlTable::Placed self = placedOf(*this);
    const int column = self.column;
    const int span = self.span;
    cHtmlTableCell added = row.insertColumnCell(column + span, row.getPlacedCells());
    if (span == 1) {
        // The cell covering the column in every other row, as placed before the split.
        for (size_t r = 0; r < grid.rows.size(); ++r) {
            if (grid.rows[r] == row.getNode())
                continue;
            cHtmlTableCell cell =
                cHtmlTableRow(cHtmlElement(m_document, grid.rows[r])).cellAtColumn(column, 1, grid.cells[r]);
            if (cell.isValid()) {
                int cellSpan = 1;
                for (const cHtmlTable::Placed& placed : grid.cells[r])
                    if (placed.cell == cell.getNode())
                        cellSpan = placed.span;
                cell.setColSpan(cellSpan + 1);
            }
        }
    } else {
        setColSpan(span / 2);
        if (added.isValid())
            added.setColSpan(span - span / 2);
    }
    return 1;
}
