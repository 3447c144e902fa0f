#include "ReferenceGrid.h"

#include "CGridCtrl.h"

#include <algorithm>

ReferenceGrid::ReferenceGrid(wxWindow* parent, int id, const Columns& columns, ReferenceRows& rows)
    : m_grid(new CGridCtrl), m_rows(rows), m_columns(static_cast<int>(columns.size())) {
    m_grid->Create(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN);
    m_grid->SetRowSelectionMode(TRUE);
    m_grid->SetSingleRowSelection(TRUE);
    m_grid->SetFixedRowClickSelectsColumns(FALSE);
    m_grid->ResetSelectedRange();
    m_grid->EnableSelection(TRUE);
    m_grid->ResetSelectedRange();
    m_grid->SetColumnCount(m_columns);
    m_grid->SetRowCount(1);
    m_grid->SetFixedRowCount(1);
    m_grid->SetFixedColumnCount(0);
    // A column is never narrower than its header needs, whatever the font.
    int width = 0;
    for (int c = 0; c < m_columns; ++c) {
        const auto& [header, pixels] = columns[static_cast<size_t>(c)];
        const int columnWidth = std::max(pixels, parent->GetTextExtent(header).GetWidth() + 16);
        m_grid->SetColumnWidth(c, columnWidth);
        width += columnWidth;
    }
    m_grid->EnableColumnResize(FALSE);
    m_grid->SetEditable(FALSE);
    for (int c = 0; c < m_columns; ++c) {
        m_grid->SetItemText(0, c, columns[static_cast<size_t>(c)].first);
        m_grid->SetItemFormat(0, c, DT_CENTER);
    }
    // Room for the columns and a few rows, and the scroll bar.
    m_grid->SetMinSize(wxSize(width + 24, m_grid->GetRowHeight(0) * 5 + 6));
}

void ReferenceGrid::fill() {
    m_grid->SetRowCount(static_cast<int>(m_rows.size()) + 1);
    for (size_t r = 0; r < m_rows.size(); ++r) {
        const std::vector<CString>& cells = m_rows[r].cells;
        for (int c = 0; c < m_columns; ++c)
            m_grid->SetItemText(static_cast<int>(r) + 1, c,
                                c < static_cast<int>(cells.size()) ? cells[static_cast<size_t>(c)].GetString()
                                                                   : "");
    }
    m_grid->Refresh();
}

int ReferenceGrid::selected() const {
    int found = -1;
    for (int r = 1; r < m_grid->GetRowCount(); ++r)
        if (m_grid->IsCellSelected(r, 0))
            found = r - 1;
    return found;
}

void ReferenceGrid::select(int row) {
    m_grid->SetSelectedRange(row + 1, 0, row + 1, m_columns - 1, FALSE, TRUE);
    m_grid->Refresh();
}

void ReferenceGrid::append(const ReferenceRow& row) {
    m_rows.push_back(row);
    m_grid->InsertRow("", -1);
    fill();
}

bool ReferenceGrid::removeSelected() {
    const int row = selected();
    if (row < 0)
        return false;
    m_rows.erase(m_rows.begin() + row);
    m_grid->DeleteRow(row + 1);
    fill();
    return true;
}

void ReferenceGrid::moveSelected(int direction) {
    const int row = selected();
    const int target = row + direction;
    if (row < 0 || target < 0 || target >= static_cast<int>(m_rows.size()))
        return;
    references::moveRow(m_rows, row, target);
    fill();
    select(target);
}
