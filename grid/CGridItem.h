#pragma once

// The description of one cell's contents: what the parent fills in virtual
// mode (notification -150) and what the in-place edit hands back when it
// ends (notification -106, with the final text and, as param, the key that
// ended the edit).

#include "CString.h"
#include "GridDefines.h"

#include <cstdint>
#include <wx/font.h>

struct CGridItem {
    int row = -1;
    int col = -1;
    UINT mask = 0;
    UINT state = 0;
    UINT format = 0;
    int image = -1;
    COLORREF backColor = kNoColour;
    COLORREF textColor = kNoColour;
    std::intptr_t param = 0;
    wxFont font; // invalid: none
    UINT margin = 0;
    CString text;
};
