#include "cHtmlTableRow.h"

#include "HtmlTree.h"
#include "cHtmlDocument.h"
#include "cHtmlTableCell.h"

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

std::vector<cHtmlTable::Placed> cHtmlTableRow::getPlacedCells() const {
    if (!isValid())
        return {};
    const cHtmlTable::Layout grid = getTable().layout();
    for (size_t r = 0; r < grid.rows.size(); ++r)
        if (grid.rows[r] == m_node)
            return grid.cells[r];
    // A row its table does not count among its rows stands alone.
    return cHtmlTable::placeRow(m_node, cellsOf(m_node).size());
}

cHtmlTableCell cHtmlTableRow::insertColumnCell(int column) {
    return insertColumnCell(column, getPlacedCells());
}

cHtmlTableCell cHtmlTableRow::insertColumnCell(int column, const std::vector<cHtmlTable::Placed>& placed) {
    for (size_t i = 0; i < placed.size(); ++i) {
        const cHtmlTable::Placed& cell = placed[i];
        if (cell.column == column)
            return insertCell(static_cast<int>(i));
        if (cell.column < column && column < cell.column + cell.span) {
            cHtmlTableCell(cHtmlElement(m_document, cell.cell)).setColSpan(cell.span + 1);
            return cHtmlTableCell();
        }
    }
    return insertCell(-1);
}

int cHtmlTableRow::deleteColumnCell(int column) {
    return deleteColumnCell(column, getPlacedCells());
}

int cHtmlTableRow::deleteColumnCell(int column, const std::vector<cHtmlTable::Placed>& placed) {
    for (const cHtmlTable::Placed& placedCell : placed) {
        cHtmlTableCell cell(cHtmlElement(m_document, placedCell.cell));
        if (placedCell.column == column && placedCell.span == 1) {
            cell.removeNode(1);
            if (getCellCount() == 0) {
                cHtmlTable table = getTable();
                table.removeNode(1);
            }
            return 1;
        }
        if (placedCell.span > 1 && placedCell.column <= column &&
            column < placedCell.column + placedCell.span) {
            cell.setColSpan(placedCell.span - 1);
            return 1;
        }
    }
    return 0;
}

cHtmlTableCell cHtmlTableRow::cellAtColumn(int column, int covering) const {
    return cellAtColumn(column, covering, getPlacedCells());
}

cHtmlTableCell cHtmlTableRow::cellAtColumn(int column, int covering,
                                           const std::vector<cHtmlTable::Placed>& placed) const {
    const cHtmlTable::Placed* before = nullptr;
    for (const cHtmlTable::Placed& cell : placed) {
        if (cell.column > column)
            break;
        if (cell.column == column)
            return cHtmlTableCell(cHtmlElement(m_document, cell.cell));
        before = &cell;
    }
    return covering && before ? cHtmlTableCell(cHtmlElement(m_document, before->cell)) : cHtmlTableCell();
}

int cHtmlTableRow::getRowIndex() const {
    const cHtmlTable table = getTable();
    const cHtmlTable::Layout grid = table.layout();
    for (size_t i = 0; i < grid.rows.size(); ++i)
        if (grid.rows[i] == m_node)
            return static_cast<int>(i);
    return -1;
}

cHtmlTable cHtmlTableRow::getTable() const {
    return isValid() ? cHtmlTable(getParent().findAncestor("TABLE")) : cHtmlTable();
}
