#pragma once

// The address of one cell; (-1, -1) means no cell. Whether an address lies
// inside a grid is the grid's question (CGridCtrl::IsValid).

class CCellID {
public:
    CCellID(int row = -1, int col = -1) : row(row), col(col) {}

    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CCellID& other) const { return row == other.row && col == other.col; }
    bool operator!=(const CCellID& other) const { return !(*this == other); }

    int row;
    int col;
};
