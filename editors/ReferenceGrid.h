#pragma once

// A grid of a page that lists item references (an activity's roles and
// work products, a work product's authors): a header row, whole rows
// selected one at a time, cells the user reads but does not edit. It shows
// the rows of the page's value class, and its operations change those rows
// and show them again: append, remove the selected row, move it up or down
// with the selection following it.

#include "CString.h"
#include "ReferenceRows.h"

#include <utility>
#include <vector>

class CGridCtrl;
class wxWindow;

class ReferenceGrid {
public:
    // The header texts and the widths (pixels) of the columns.
    using Columns = std::vector<std::pair<const char*, int>>;
    ReferenceGrid(wxWindow* parent, int id, const Columns& columns, ReferenceRows& rows);

    CGridCtrl& grid() const { return *m_grid; }
    ReferenceRows& rows() const { return m_rows; }
    // Shows the rows (the grid's row count is theirs plus the header).
    void fill();
    // The selected row (0-based, below the header); -1 when none.
    int selected() const;
    // Selects a row, whole.
    void select(int row);
    void append(const ReferenceRow& row);
    // Deletes the selected row; false when none is selected.
    bool removeSelected();
    // Moves the selected row one up (-1) or down (+1), keeping it selected;
    // nothing when there is no such neighbour.
    void moveSelected(int direction);

private:
    CGridCtrl* m_grid;
    ReferenceRows& m_rows;
    int m_columns;
};
