#include "cHtmlTable.h"

#include "HtmlTree.h"
#include "cHtmlDocument.h"
#include "cHtmlTableCell.h"
#include "cHtmlTableRow.h"

#include <algorithm>
#include <climits>

namespace {

void appendRows(xmlNode* group, std::vector<xmlNode*>& rows) {
    for (xmlNode* child = group->children; child; child = child->next)
        if (htmltree::hasName(child, "tr"))
            rows.push_back(child);
}

bool isCell(const xmlNode* node) {
    return htmltree::hasName(node, "td") || htmltree::hasName(node, "th");
}

} // namespace

cHtmlTable::cHtmlTable(const cHtmlElement& element)
    : cHtmlElement(element.getTagName() == "TABLE" ? element : cHtmlElement()) {}

std::vector<xmlNode*> cHtmlTable::rows() const {
    std::vector<xmlNode*> head, body, foot;
    if (isValid())
        for (xmlNode* child = m_node->children; child; child = child->next) {
            if (htmltree::hasName(child, "tr"))
                body.push_back(child);
            else if (htmltree::hasName(child, "tbody"))
                appendRows(child, body);
            else if (htmltree::hasName(child, "thead"))
                appendRows(child, head);
            else if (htmltree::hasName(child, "tfoot"))
                appendRows(child, foot);
        }
    head.insert(head.end(), body.begin(), body.end());
    head.insert(head.end(), foot.begin(), foot.end());
    return head;
}

std::vector<cHtmlTable::Placed> cHtmlTable::placeRow(xmlNode* row, size_t tableCells) {
    // Twice the cells, far from what an int holds: past it every cell spans one column.
    const long long limit =
        std::min<long long>(2 * static_cast<long long>(std::max<size_t>(tableCells, 1)), INT_MAX / 4);
    std::vector<Placed> placed;
    int column = 0;
    for (xmlNode* child = row ? row->children : nullptr; child; child = child->next) {
        if (!isCell(child))
            continue;
        const long long claimed = cHtmlTableCell::claimedSpan(htmltree::attributeValue(child, "colspan"));
        const int span = column < limit ? static_cast<int>(std::min(claimed, limit - column)) : 1;
        placed.push_back({child, column, span});
        column += span;
    }
    return placed;
}

int cHtmlTable::widthOf(const std::vector<Placed>& cells) {
    return cells.empty() ? 0 : cells.back().column + cells.back().span;
}

cHtmlTable::Layout cHtmlTable::layout() const {
    Layout grid;
    grid.rows = rows();
    size_t count = 0;
    for (const xmlNode* row : grid.rows)
        for (const xmlNode* child = row->children; child; child = child->next)
            count += isCell(child) ? 1 : 0;
    for (xmlNode* row : grid.rows)
        grid.cells.push_back(placeRow(row, count));
    return grid;
}

cHtmlTableRow cHtmlTable::getRow(int index) const {
    const std::vector<xmlNode*> all = rows();
    if (index < 0 || index >= static_cast<int>(all.size()))
        return cHtmlTableRow();
    return cHtmlTableRow(cHtmlElement(m_document, all[index]));
}

int cHtmlTable::getRowCount() const {
    return static_cast<int>(rows().size());
}

int cHtmlTable::getColumnCount() const {
    const Layout grid = layout();
    return grid.cells.empty() ? 0 : widthOf(grid.cells[0]);
}

void cHtmlTable::appendNewCells(xmlNode* row, int count) {
    if (count <= 0)
        return;
    // One new cell, copied for the others.
    cHtmlTableCell first = cHtmlTableRow(cHtmlElement(m_document, row)).insertCell(-1);
    for (int i = 1; i < count && first.isValid(); ++i)
        xmlAddChild(row, xmlDocCopyNode(first.getNode(), row->doc, 1));
}

cHtmlTableRow cHtmlTable::insertRow(int index, int cells) {
    if (!isValid())
        return cHtmlTableRow();
    if (cells < 0)
        cells = getColumnCount();
    const std::vector<xmlNode*> all = rows();
    const int count = static_cast<int>(all.size());
    if (index < -1 || index > count)
        return cHtmlTableRow();
    xmlNode* row = xmlNewDocNode(m_node->doc, nullptr, reinterpret_cast<const xmlChar*>("tr"), nullptr);
    if (index >= 0 && index < count) {
        xmlAddPrevSibling(all[index], row);
    } else if (count > 0) {
        // After the last row, in its group.
        xmlAddNextSibling(all[count - 1], row);
    } else {
        xmlNode* body = nullptr;
        for (xmlNode* child = m_node->children; child; child = child->next)
            if (htmltree::hasName(child, "tbody"))
                body = child;
        if (!body)
            body = xmlNewChild(m_node, nullptr, reinterpret_cast<const xmlChar*>("tbody"), nullptr);
        xmlAddChild(body, row);
    }
    m_document->changed();
    appendNewCells(row, cells);
    return cHtmlTableRow(cHtmlElement(m_document, row));
}

int cHtmlTable::deleteRow(int index) {
    cHtmlTableRow row = getRow(index);
    if (!row.isValid())
        return 0;
    row.removeNode(1);
    if (getRowCount() == 0)
        removeNode(1);
    removeEmptyColumns();
    return 1;
}

void cHtmlTable::insertColumn(int column) {
    const Layout grid = layout();
    for (size_t r = 0; r < grid.rows.size(); ++r)
        cHtmlTableRow(cHtmlElement(m_document, grid.rows[r])).insertColumnCell(column, grid.cells[r]);
}

void cHtmlTable::deleteColumn(int column) {
    const Layout grid = layout();
    for (size_t r = 0; r < grid.rows.size(); ++r)
        cHtmlTableRow(cHtmlElement(m_document, grid.rows[r])).deleteColumnCell(column, grid.cells[r]);
}

cHtmlTableCell cHtmlTable::cellAt(int row, int column, int covering) const {
    const Layout grid = layout();
    if (row < 0 || row >= static_cast<int>(grid.rows.size()))
        return cHtmlTableCell();
    return cHtmlTableRow(cHtmlElement(m_document, grid.rows[row]))
        .cellAtColumn(column, covering, grid.cells[row]);
}

bool cHtmlTable::analyseGrid(Grid& grid) const {
    grid = Grid();
    grid.layout = layout();
    grid.rows = static_cast<int>(grid.layout.rows.size());
    grid.columns = grid.rows > 0 ? widthOf(grid.layout.cells[0]) : 0;
    if (grid.rows == 0 || grid.columns == 0)
        return false;
    for (const std::vector<Placed>& row : grid.layout.cells) {
        for (const Placed& cell : row)
            if (cHtmlTableCell::claimedSpan(htmltree::attributeValue(cell.cell, "rowspan")) > 1) {
                cHtmlDocument::reportError("Cells which span over multiple rows are NOT supported !");
                return false;
            }
        if (widthOf(row) != grid.columns) {
            cHtmlDocument::reportError("All rows must contain the same amount of columns!");
            return false;
        }
    }
    return true;
}

void cHtmlTable::removeEmptyColumns() {
    Grid grid;
    if (!analyseGrid(grid))
        return;
    // The columns no cell begins in, counted up to each column; every cell
    // loses those it spans, in one pass.
    std::vector<char> begins(grid.columns, 0);
    for (const std::vector<Placed>& row : grid.layout.cells)
        for (const Placed& cell : row)
            begins[cell.column] = 1;
    std::vector<int> emptyBefore(grid.columns + 1, 0);
    for (int column = 0; column < grid.columns; ++column)
        emptyBefore[column + 1] = emptyBefore[column] + (begins[column] ? 0 : 1);
    for (const std::vector<Placed>& row : grid.layout.cells)
        for (const Placed& cell : row) {
            const int empty = emptyBefore[cell.column + cell.span] - emptyBefore[cell.column];
            if (empty > 0)
                cHtmlTableCell(cHtmlElement(m_document, cell.cell)).setColSpan(cell.span - empty);
        }
}

void cHtmlTable::setOrClear(const CString& name, const CString& value) {
    if (value.IsEmpty())
        removeAttribute(name);
    else
        setAttribute(name, value);
}
