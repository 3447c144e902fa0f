#pragma once

// Text in a rectangle with the format flags of a cell (the original's
// DrawText flags): left, centred or right; on one line centred or at the
// bottom; broken into lines at line feeds and, with word break, at spaces;
// a line too long for the rectangle ends in "..." when asked. Drawing is
// clipped to the rectangle.

#include "GridRect.h"
#include "WinTypes.h"

#include <wx/dc.h>
#include <wx/string.h>

namespace gridtext {

void draw(wxDC& dc, const wxString& text, const GridRect& rect, UINT format);

// The size the text takes when drawn within the width (the original's
// DT_CALCRECT): the widest line and the height of all lines.
wxSize measure(wxDC& dc, const wxString& text, int width, UINT format);

} // namespace gridtext
