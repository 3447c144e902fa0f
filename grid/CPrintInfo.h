#pragma once

// What a print loop tells the grid about the page being printed: its
// number, the number of pages (set by the grid when printing begins), the
// drawing rectangle, and the resolution of the device in pixels per inch
// (that of the paper, also when a preview draws the page smaller).

#include "GridRect.h"

#include <wx/gdicmn.h>

struct CPrintInfo {
    int m_currentPage = 1;
    int m_maxPage = 0;
    GridRect m_drawRect;
    wxSize m_devicePpi; // (0, 0): the device context's own
};
