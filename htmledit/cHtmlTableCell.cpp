#include "cHtmlTableCell.h"

#include "EditorText.h"
#include "cHtmlTable.h"
#include "cHtmlTableRow.h"

#include <cstdlib>

namespace {

int spanValue(const CString& text) {
    const int value = std::atoi(text);
    return value > 0 ? value : 1;
}

} // namespace

cHtmlTableCell::cHtmlTableCell(const cHtmlElement& element)
    : cHtmlElement(element.getTagName() == "TD" || element.getTagName() == "TH" ? element : cHtmlElement()) {}

int cHtmlTableCell::getColSpan() const {
    return spanValue(getAttribute("colspan"));
}

void cHtmlTableCell::setColSpan(int span) {
    CString text;
    text.Format("%d", span);
    setAttribute("colSpan", text);
}

int cHtmlTableCell::getRowSpan() const {
    return spanValue(getAttribute("rowspan"));
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
    int column = 0;
    for (cHtmlElement previous = getPreviousElement(); previous.isValid();
         previous = previous.getPreviousElement())
        column += spanValue(previous.getAttribute("colspan"));
    return column;
}

int cHtmlTableCell::mergeRight() {
    cHtmlTableCell next(getNextElement());
    if (!isValid() || !next.isValid())
        return 0;
    const CString left = stripAffix(stripEnclosingTag(getInnerHtml(), "DIV"), "&nbsp;", 1);
    const CString right = stripAffix(stripEnclosingTag(next.getInnerHtml(), "DIV"), "&nbsp;", 0);
    setDivContent(left + "&nbsp;" + right);
    setColSpan(getColSpan() + next.getColSpan());
    next.removeNode(1);
    getTable().removeEmptyColumns();
    return 1;
}

int cHtmlTableCell::split() {
    cHtmlTableRow row = getRow();
    if (!isValid() || !row.isValid())
        return 0;
    const int rowIndex = getRowIndex();
    const int column = getColumnIndex();
    const int span = getColSpan();
    cHtmlTableCell added = row.insertColumnCell(column + span);
    if (span == 1) {
        cHtmlTable table = getTable();
        for (int r = 0; r < table.getRowCount(); ++r) {
            if (r == rowIndex)
                continue;
            cHtmlTableCell cell = table.cellAt(r, column, 1);
            if (cell.isValid())
                cell.setColSpan(cell.getColSpan() + 1);
        }
    } else {
        setColSpan(span / 2);
        if (added.isValid())
            added.setColSpan(span - span / 2);
    }
    return 1;
}
