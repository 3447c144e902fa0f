#include "DropButtonGeometry.h"

#include <algorithm>

DropButtonLayout dropButtonLayout(int width, int edgeX, int edgeY, int hThumb, int vThumb) {
    const int side = std::max({hThumb, 5 * edgeX, vThumb, 5 * edgeY});
    DropButtonLayout layout;
    layout.width = std::max(width, 2 * (side + edgeX));
    layout.height = side + 2 * edgeY;
    layout.arrowBox = CRect(layout.width - side - edgeX, edgeY, layout.width - edgeX, layout.height - edgeY);
    return layout;
}

CPoint placePopup(const CRect& button, int width, int height, const CRect& workArea, bool belowLeft) {
    CPoint at;
    if (belowLeft) {
        at.x = button.left;
        if (at.x + width > workArea.right)
            at.x = button.right - width;
    } else {
        at.x = button.right;
        if (button.right + width > workArea.right)
            at.x = button.left - width;
    }
    at.y = button.bottom;
    if (at.y + height > workArea.bottom)
        at.y = button.top - height;
    at.x = std::max(at.x, workArea.left);
    at.y = std::max(at.y, workArea.top);
    return at;
}
