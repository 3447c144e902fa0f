#pragma once

// The pictures of the main window's picture buttons (CBitmapButtonAutoFocus):
// for each button a face in three states (normal, pressed, focused) with
// the button's icon in the 17-pixel band at its left. "First" and "Next"
// share one set without an icon, their captions centred on the whole face.

#include <wx/artprov.h>
#include <wx/bitmap.h>

class MainButtonBitmaps {
public:
    struct Set {
        wxBitmap normal;
        wxBitmap selected;
        wxBitmap focus;
    };

    // The icon of a button of the main window; empty for a button without one.
    static wxArtID iconOf(int controlId);
    // Whether a button's caption leaves the icon band free.
    static bool hasIcon(int controlId) { return !iconOf(controlId).empty(); }
    // The three faces of a button at a size in pixels.
    static Set forButton(int controlId, const wxSize& size);
};
