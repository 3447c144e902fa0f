#pragma once

// The honeycomb of "More Colors": 127 hexagons around a white centre, the
// hue of a cell following its direction from the centre and its lightness
// falling ring by ring towards the edge, then a cell of the button-face
// colour that has no shape (the arrow keys pass through it), then a row of
// 16 greys from light grey to black under the honeycomb. Pressing and
// dragging chooses every cell passed over; the arrow keys walk the cells in
// index order.

#include "ColorCellPalette.h"

class CFODropPaletteControl : public ColorCellPalette<144> {
public:
    static constexpr int kButtonFaceCell = 127;
    static constexpr int kFirstGrey = 128;

    CFODropPaletteControl();

    void layout() override;
    void draw(PaletteDC& dc) override;
    void onKeyDown(UINT key, UINT repeat, UINT flags) override;

    // The honeycomb's cell size and centre, as the last layout placed them.
    int getHexagonSize() const { return m_size; }
    CPoint getCentre() const { return m_centre; }
    // The centre of each hexagon (1 to 126) as the walk of the rings placed it.
    CPoint getCellCentre(int index) const { return m_centres[index]; }

protected:
    // Every cell the pressed pointer passes over is chosen at once.
    void onCellPassed(int index) override;

private:
    void loadColors();
    void layoutCells(int left, int top, int right, int bottom);

    std::array<CPoint, kButtonFaceCell> m_centres{};
    // The cell the arrow keys last selected.
    int m_keyCell = -1;
    int m_size = 0;
    CPoint m_centre;
};
