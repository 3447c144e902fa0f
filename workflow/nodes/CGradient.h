#pragma once

// The diagonal two-colour gradient inside a rectangle: the start colour in
// the bottom-left corner, the end colour in the top-right one, both meeting
// at their mean along the diagonal from the top-left to the bottom-right
// corner, inside a one-pixel margin on the left and top and a two-pixel
// margin on the right and bottom. It is drawn as bands of one-pixel lines.
//
// Drawing those lines for every node at every repaint is slow, so a
// gradient is drawn once per size and colour pair into a tile with alpha,
// kept, and composited: the pixels are the lines' pixels all the same.

#include "CRect.h"
#include "WinTypes.h"

class DiagramDC;
class DiagramPicture;

class CGradient {
public:
    // powerFlag applies the curve v' = 255 (v / 255) ^ power to each channel.
    void drawGradient(DiagramDC& dc, CRect rect, COLORREF start, COLORREF end, int powerFlag, double power);

    // The tile of a rectangle of that size at (0, 0), drawn line by line on
    // first use and kept; null when the size draws nothing.
    static const DiagramPicture* tile(int width, int height, COLORREF start, COLORREF end, int powerFlag,
                                      double power);
    // The lines themselves, drawn into the painter (what a tile holds).
    static void drawLines(DiagramDC& dc, CRect rect, COLORREF start, COLORREF end, int powerFlag,
                          double power);
    // How many tiles are kept now.
    static int cachedTileCount();
};
