#pragma once

// The set-up sequence with which the item pages build their grids: a list
// with one header row, whole-row single selection, one row per entry.

#include "CGridCtrl.h"

#include <string>
#include <vector>

inline void setUpLikeItemPage(CGridCtrl& grid, const std::vector<std::string>& titles,
                              const std::vector<int>& widths,
                              const std::vector<std::vector<std::string>>& rows) {
    grid.SetRowSelectionMode(TRUE);
    grid.SetSingleRowSelection(TRUE);
    grid.SetFixedRowClickSelectsColumns(FALSE);
    grid.ResetSelectedRange();
    grid.EnableSelection(TRUE);
    grid.ResetSelectedRange();
    grid.SetRowCount(static_cast<int>(rows.size()) + 1);
    grid.SetColumnCount(static_cast<int>(titles.size()));
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(0);
    for (size_t c = 0; c < widths.size(); ++c)
        grid.SetColumnWidth(static_cast<int>(c), widths[c]);
    for (size_t c = 0; c < titles.size(); ++c) {
        grid.GetCell(0, static_cast<int>(c))->SetText(titles[c].c_str());
        grid.SetItemFormat(0, static_cast<int>(c), DT_CENTER);
    }
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            grid.GetCell(static_cast<int>(r) + 1, static_cast<int>(c))->SetText(rows[r][c].c_str());
}

// The texts of a column from the first body row down.
inline std::vector<std::string> columnTexts(const CGridCtrl& grid, int col) {
    std::vector<std::string> texts;
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row)
        texts.push_back(grid.GetItemText(row, col).str());
    return texts;
}
