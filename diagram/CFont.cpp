#include "CFont.h"

CFont CFont::stock(int stockId) {
    // The dialog font of the platform is an 8-point sans face; the system
    // font a bold one with a 16-pixel cell.
    if (stockId == SYSTEM_FONT)
        return CFont{.height = 16, .weight = FW_BOLD, .face = "Arial"};
    return CFont{.height = -11, .weight = FW_NORMAL, .face = "Arial"};
}
