#pragma once

// The colour palettes' cells: a fixed number of colour cells, as the
// palette control reads them.

#include "CFOColorCellObj.h"
#include "PaletteControl.h"

#include <array>

template <int N> class ColorCellPalette : public PaletteControl {
public:
    static constexpr int kCellCount = N;

    int getCellCount() const override { return N; }
    DWORD getCellValue(int index) const override { return m_cells[index].getColor(); }
    CRect getCellBounds(int index) const override { return m_cells[index].getBounds(); }
    BOOL cellHit(int index, int x, int y) const override { return m_cells[index].hitTest(x, y); }
    const CFOColorCellObj& getCell(int index) const { return m_cells[index]; }

protected:
    using PaletteControl::PaletteControl;

    std::array<CFOColorCellObj, N> m_cells;
};
