#pragma once

// A rectangle of cells by its first and last row and column, both included;
// (-1, -1, -1, -1) is the empty range. A plain record, like the cell address.

#include "CCellID.h"

class CCellRange {
public:
    CCellRange(int minRow = -1, int minCol = -1, int maxRow = -1, int maxCol = -1)
        : minRow(minRow), minCol(minCol), maxRow(maxRow), maxCol(maxCol) {}

    // All bounds set and in order; the grid also checks them against its counts.
    bool IsValid() const {
        return minRow >= 0 && minCol >= 0 && maxRow >= 0 && maxCol >= 0 && maxRow >= minRow &&
               maxCol >= minCol;
    }
    bool InRange(int row, int col) const {
        return row >= minRow && row <= maxRow && col >= minCol && col <= maxCol;
    }
    bool InRange(const CCellID& cell) const { return InRange(cell.row, cell.col); }
    CCellID GetTopLeft() const { return CCellID(minRow, minCol); }
    int GetRowSpan() const { return maxRow - minRow + 1; }
    int GetColSpan() const { return maxCol - minCol + 1; }

    bool operator==(const CCellRange& o) const {
        return minRow == o.minRow && minCol == o.minCol && maxRow == o.maxRow && maxCol == o.maxCol;
    }
    bool operator!=(const CCellRange& o) const { return !(*this == o); }

    int minRow;
    int minCol;
    int maxRow;
    int maxCol;
};
