#include "CBrush.h"

CBrush CBrush::null() {
    CBrush brush;
    brush.m_style = BS_NULL;
    brush.m_color = 0;
    return brush;
}

CBrush CBrush::stock(int stockId) {
    switch (stockId) {
    case LTGRAY_BRUSH:
        return CBrush(RGB(192, 192, 192));
    case GRAY_BRUSH:
        return CBrush(RGB(128, 128, 128));
    case DKGRAY_BRUSH:
        return CBrush(RGB(64, 64, 64));
    case BLACK_BRUSH:
        return CBrush(RGB(0, 0, 0));
    case NULL_BRUSH:
        return null();
    default:
        return CBrush();
    }
}
