#pragma once

// The palette of the drop-down colour button: 48 fixed colours in 6 rows
// of 8 (column 0 white to black through greys, the others red, orange,
// yellow, green, cyan, blue and magenta from light to dark), a "Custom..."
// row under them that opens "More Colors", and, in a popup, a caption strip
// above them. The arrow keys preview a colour (the popup stays open), Enter
// chooses it, Escape cancels with it and Tab opens "Custom...".

#include "ColorCellPalette.h"

class CFODropColorPaletteControl : public ColorCellPalette<48> {
public:
    CFODropColorPaletteControl();

    void layout() override;
    void draw(PaletteDC& dc) override;
    void onKeyDown(UINT key, UINT repeat, UINT flags) override;

    // The colour of the table's row and column.
    static COLORREF tableColor(int row, int column);

private:
    void loadColors();
    void layoutCells(int left, int top, int right, int bottom);

    int m_rows = 6;
    int m_columns = 8;
};
