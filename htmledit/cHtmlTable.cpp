#include "cHtmlTable.h"

#include "HtmlTree.h"
#include "cHtmlDocument.h"
#include "cHtmlTableCell.h"
#include "cHtmlTableRow.h"

namespace {

void appendRows(xmlNode* group, std::vector<xmlNode*>& rows) {
    for (xmlNode* child = group->children; child; child = child->next)
        if (htmltree::hasName(child, "tr"))
            rows.push_back(child);
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
    const cHtmlTableRow first = getRow(0);
    int columns = 0;
    for (int i = 0; i < first.getCellCount(); ++i)
        columns += first.getCell(i).getColSpan();
    return columns;
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
    cHtmlTableRow added(cHtmlElement(m_document, row));
    for (int i = 0; i < cells; ++i)
        added.insertCell(0);
    return added;
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
    for (xmlNode* node : rows())
        cHtmlTableRow(cHtmlElement(m_document, node)).insertColumnCell(column);
}

void cHtmlTable::deleteColumn(int column) {
    for (xmlNode* node : rows())
        cHtmlTableRow(cHtmlElement(m_document, node)).deleteColumnCell(column);
}

cHtmlTableCell cHtmlTable::cellAt(int row, int column, int covering) const {
    const cHtmlTableRow found = getRow(row);
    return found.isValid() ? found.cellAtColumn(column, covering) : cHtmlTableCell();
}

bool cHtmlTable::analyseGrid(Grid& grid) const {
    grid = Grid();
    grid.rows = getRowCount();
    grid.columns = getColumnCount();
    if (grid.rows == 0 || grid.columns == 0)
        return false;
    grid.cells.assign(grid.rows, std::vector<int>(grid.columns, 0));
    for (int r = 0; r < grid.rows; ++r) {
        const cHtmlTableRow row = getRow(r);
        int position = 0;
        for (int i = 0; i < row.getCellCount(); ++i) {
            const cHtmlTableCell cell = row.getCell(i);
            if (cell.getRowSpan() > 1) {
                cHtmlDocument::reportError("Cells which span over multiple rows are NOT supported !");
                return false;
            }
            const int span = cell.getColSpan();
            if (position < grid.columns)
                grid.cells[r][position] = span;
            position += span;
        }
        if (position != grid.columns) {
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
    for (int column = grid.columns - 1; column >= 0; --column) {
        bool empty = true;
        for (int row = 0; row < grid.rows && empty; ++row)
            empty = grid.cells[row][column] == 0;
        if (empty)
            deleteColumn(column);
    }
}

void cHtmlTable::setOrClear(const CString& name, const CString& value) {
    if (value.IsEmpty())
        removeAttribute(name);
    else
        setAttribute(name, value);
}
