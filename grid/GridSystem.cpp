#include "GridSystem.h"

#include <wx/app.h>

namespace gridsystem {

bool displayAvailable() {
    // The GUI tests and the program create their application object before
    // any grid; the headless tests never do.
    return wxTheApp != nullptr && wxTheApp->IsGUI();
}

COLORREF colour(wxSystemColour which) {
    if (displayAvailable())
        return fromWx(wxSystemSettings::GetColour(which));
    switch (which) {
    case wxSYS_COLOUR_WINDOWTEXT:
    case wxSYS_COLOUR_INFOTEXT:
        return RGB(0, 0, 0);
    case wxSYS_COLOUR_WINDOW:
    case wxSYS_COLOUR_BTNHIGHLIGHT:
    case wxSYS_COLOUR_HIGHLIGHTTEXT:
        return RGB(255, 255, 255);
    case wxSYS_COLOUR_BTNFACE:
        return RGB(240, 240, 240);
    case wxSYS_COLOUR_BTNSHADOW:
        return RGB(160, 160, 160);
    case wxSYS_COLOUR_3DDKSHADOW:
        return RGB(105, 105, 105);
    case wxSYS_COLOUR_HIGHLIGHT:
        return RGB(0, 120, 215);
    case wxSYS_COLOUR_INFOBK:
        return RGB(255, 255, 225);
    default:
        return RGB(0, 0, 0);
    }
}

wxFont messageFont() {
    return displayAvailable() ? wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT) : wxFont();
}

int scrollBarWidth() {
    const int width = displayAvailable() ? wxSystemSettings::GetMetric(wxSYS_VSCROLL_X) : -1;
    return width > 0 ? width : 16;
}

int scrollBarHeight() {
    const int height = displayAvailable() ? wxSystemSettings::GetMetric(wxSYS_HSCROLL_Y) : -1;
    return height > 0 ? height : 16;
}

} // namespace gridsystem
