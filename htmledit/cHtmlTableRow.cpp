#include "cHtmlTableRow.h"

#include "HtmlTree.h"
#include "cHtmlDocument.h"
#include "cHtmlTable.h"
#include "cHtmlTableCell.h"

#include <vector>

namespace {

std::vector<xmlNode*> cellsOf(xmlNode* row) {
    std::vector<xmlNode*> cells;
    for (xmlNode* child = row ? row->children : nullptr; child; child = child->next)
        if (htmltree::hasName(child, "td") || htmltree::hasName(child, "th"))
            cells.push_back(child);
    return cells;
}

} // namespace

cHtmlTableRow::cHtmlTableRow(const cHtmlElement& element)
    : cHtmlElement(element.getTagName() == "TR" ? element : cHtmlElement()) {}

cHtmlTableCell cHtmlTableRow::getCell(int index) const {
    const std::vector<xmlNode*> cells = cellsOf(m_node);
    if (index < 0 || index >= static_cast<int>(cells.size()))
        return cHtmlTableCell();
    return cHtmlTableCell(cHtmlElement(m_document, cells[index]));
}

int cHtmlTableRow::getCellCount() const {
    return static_cast<int>(cellsOf(m_node).size());
}

cHtmlTableCell cHtmlTableRow::insertCell(int index) {
    if (!isValid())
        return cHtmlTableCell();
    const std::vector<xmlNode*> cells = cellsOf(m_node);
    const int count = static_cast<int>(cells.size());
    if (index < -1 || index > count)
        return cHtmlTableCell();
    xmlNode* cell = xmlNewDocNode(m_node->doc, nullptr, reinterpret_cast<const xmlChar*>("td"), nullptr);
    if (index >= 0 && index < count)
        xmlAddPrevSibling(cells[index], cell);
    else
        xmlAddChild(m_node, cell);
    m_document->changed();
    cHtmlTableCell added(cHtmlElement(m_document, cell));
    added.setInnerHtml("<DIV>&nbsp;</DIV>");
    return added;
}

cHtmlTableCell cHtmlTableRow::insertColumnCell(int column) {
    int start = 0;
    const int count = getCellCount();
    for (int i = 0; i < count; ++i) {
        cHtmlTableCell cell = getCell(i);
        const int span = cell.getColSpan();
        if (start == column)
            return insertCell(i);
        if (start < column && column < start + span) {
            cell.setColSpan(span + 1);
            return cHtmlTableCell();
        }
        start += span;
    }
    return insertCell(-1);
}

int cHtmlTableRow::deleteColumnCell(int column) {
    int start = 0;
    const int count = getCellCount();
    for (int i = 0; i < count; ++i) {
        cHtmlTableCell cell = getCell(i);
        const int span = cell.getColSpan();
        if (start == column && span == 1) {
            cell.removeNode(1);
            if (getCellCount() == 0) {
                cHtmlTable table = getTable();
                table.removeNode(1);
            }
            return 1;
        }
        if (span > 1 && start <= column && column < start + span) {
            cell.setColSpan(span - 1);
            return 1;
        }
        start += span;
    }
    return 0;
}

cHtmlTableCell cHtmlTableRow::cellAtColumn(int column, int covering) const {
    int start = 0;
    cHtmlTableCell before;
    const int count = getCellCount();
    for (int i = 0; i < count && start <= column; ++i) {
        const cHtmlTableCell cell = getCell(i);
        if (start == column)
            return cell;
        before = cell;
        start += cell.getColSpan();
    }
    return covering ? before : cHtmlTableCell();
}

int cHtmlTableRow::getRowIndex() const {
    const cHtmlTable table = getTable();
    for (int i = 0; i < table.getRowCount(); ++i)
        if (table.getRow(i).getNode() == m_node)
            return i;
    return -1;
}

cHtmlTable cHtmlTableRow::getTable() const {
    return isValid() ? cHtmlTable(getParent().findAncestor("TABLE")) : cHtmlTable();
}
