#pragma once

// Probing the pixels of a picture the painter drew into.

#include "CRect.h"
#include "DiagramPicture.h"

#include <string>

// The smallest rectangle holding every pixel that differs from the
// background (empty when there is none).
inline CRect inkBox(const DiagramPicture& picture, COLORREF background) {
    CRect box;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != background || picture.alpha(x, y) != 255)
                box = box | CRect(x, y, x + 1, y + 1);
    return box;
}

// The picture as rows of characters: '#' where the pixel has the colour,
// '.' elsewhere, for the rows and columns of the rectangle.
inline std::string pixelRows(const DiagramPicture& picture, COLORREF color, const CRect& rect) {
    std::string rows;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x)
            rows += picture.pixel(x, y) == color && picture.alpha(x, y) == 255 ? '#' : '.';
        rows += '\n';
    }
    return rows;
}
