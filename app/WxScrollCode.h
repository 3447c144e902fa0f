#pragma once

#include <wx/event.h>

// The scroll-bar command a scroll event of a window's own bars stands for,
// in the numbering the grid and the diagram canvas take: line up 0, line
// down 1, page up 2, page down 3, thumb position 4, thumb track 5, top 6,
// bottom 7, end of scrolling 8.
inline int scrollCodeOf(const wxScrollWinEvent& event) {
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_SCROLLWIN_LINEUP)
        return 0;
    if (type == wxEVT_SCROLLWIN_LINEDOWN)
        return 1;
    if (type == wxEVT_SCROLLWIN_PAGEUP)
        return 2;
    if (type == wxEVT_SCROLLWIN_PAGEDOWN)
        return 3;
    if (type == wxEVT_SCROLLWIN_THUMBRELEASE)
        return 4;
    if (type == wxEVT_SCROLLWIN_THUMBTRACK)
        return 5;
    if (type == wxEVT_SCROLLWIN_TOP)
        return 6;
    if (type == wxEVT_SCROLLWIN_BOTTOM)
        return 7;
    return 8;
}
