#pragma once

// The 16 x 16 pictures of the page editor's toolbar, drawn from simple
// shapes, one per command id.

#include <wx/bitmap.h>

wxBitmap editorToolbarBitmap(int commandId);
