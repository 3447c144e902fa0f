#pragma once

// The palette of the drop-down line-style button: the five pen styles one
// above the other (solid, dash, dot, dash-dot, dash-dot-dot). The arrow
// keys move the selection without telling anyone; Enter chooses it and
// Escape cancels with it. The "Custom..." row exists but no palette of the
// program shows it.

#include "CFOLineTypeCellObj.h"
#include "PaletteControl.h"

#include <array>

class CFOLineTypeControl : public PaletteControl {
public:
    static constexpr int kCellCount = 5;

    CFOLineTypeControl();

    void layout() override;
    void draw(PaletteDC& dc) override;
    void onKeyDown(UINT key, UINT repeat, UINT flags) override;

    int getCellCount() const override { return kCellCount; }
    DWORD getCellValue(int index) const override { return static_cast<DWORD>(m_cells[index].getLineType()); }
    CRect getCellBounds(int index) const override { return m_cells[index].getBounds(); }
    BOOL cellHit(int index, int x, int y) const override { return m_cells[index].hitTest(x, y); }
    const CFOLineTypeCellObj& getCell(int index) const { return m_cells[index]; }

private:
    void loadLineTypes();
    void layoutCells(int left, int top, int right, int bottom);

    std::array<CFOLineTypeCellObj, kCellCount> m_cells;
};
