#pragma once

// A window that receives a palette window's messages (the drop-down
// buttons, the "More Colors" dialog); they arrive posted, after the input
// that caused them has been handled.

#include "WinTypes.h"

class PaletteOwner {
public:
    virtual ~PaletteOwner() = default;
    virtual void onPaletteMessage(UINT message, DWORD wParam, long lParam) = 0;
};
