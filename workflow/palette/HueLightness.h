#pragma once

// The honeycomb's colours: hue (degrees), lightness and saturation (0 to
// 1) to red, green and blue, computed in the single precision the palette
// always used, so that every cell keeps its colour to the last unit.

#include "WinTypes.h"

COLORREF hueLightnessToColor(double hue, double lightness, double saturation);
