#pragma once

// The pixels of a segment as the platform's line walk visits them: from the
// first point to the second, one pixel per step along the longer axis, the
// second point itself left out (a segment of length 0 visits nothing). Ties
// stay on the current row or column. The painter draws one-pixel lines with
// the same walk, so what a hit test finds under a line is what was drawn.

#include "CPoint.h"

#include <memory>
#include <type_traits>
#include <vector>

using LINEDDAPROC = void (*)(int x, int y, void* data);

void LineDDA(int xStart, int yStart, int xEnd, int yEnd, LINEDDAPROC proc, void* data);

// The same walk calling visit(x, y).
template <class Visit> void LineDDA(int xStart, int yStart, int xEnd, int yEnd, Visit&& visit) {
    using Callable = std::remove_reference_t<Visit>;
    LineDDA(
        xStart, yStart, xEnd, yEnd, [](int x, int y, void* data) { (*static_cast<Callable*>(data))(x, y); },
        const_cast<void*>(static_cast<const void*>(std::addressof(visit))));
}

// The visited pixels as a list.
std::vector<CPoint> lineDDAPoints(int xStart, int yStart, int xEnd, int yEnd);
