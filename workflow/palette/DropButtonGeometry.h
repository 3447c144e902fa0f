#pragma once

// Where the parts of a drop-down picker button go and where its popup
// opens, from the desktop's metrics: no window needed.

#include "PaletteTypes.h"

struct DropButtonLayout {
    int width;
    int height;
    // The drop-down arrow, in the button's client coordinates.
    CRect arrowBox;
};

// The arrow box is a square as wide as a scroll-bar thumb (and never less
// than five edges); the button is that square and its edges high, and at
// least two arrow boxes wide.
DropButtonLayout dropButtonLayout(int width, int edgeX, int edgeY, int hThumb, int vThumb);

// The top-left corner of a popup of the given outer size opened from a
// button (screen coordinates): below the button from its left edge, or
// ending at its right edge where it would pass the work area's right edge,
// and above the button where it would pass the bottom; with belowLeft
// false it opens right of the button, or left of it. It is then moved
// inside the work area wherever the flip put it beyond the left or top edge.
CPoint placePopup(const CRect& button, int width, int height, const CRect& workArea, bool belowLeft);
