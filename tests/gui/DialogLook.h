#pragma once

// How a dialog looks on the display: shown, laid out and painted, then
// saved as a PNG picture for a person to look at, and checked: every shown
// control lies whole inside the window, is at least the size its text
// needs, and overlaps no other control (a group's box only frames its own).

#include <string>
#include <wx/image.h>

class wxDialog;
class wxWindow;

// The picture goes to "<name>.png" in $TOLVANE_SCREENSHOT_DIR when that is
// set, else in the given folder (the test's own). The dialog ends hidden.
void checkDialogLook(wxDialog& dialog, const std::string& name, const std::string& folder);

// The checks of the shown controls of a window that is shown and laid out.
void checkControlsWhole(wxWindow& window, const std::string& name);
// What the display shows of the window (also what other processes, such as
// the browser, drew into it).
wxImage windowPicture(wxWindow& window);
// What the display shows, whole.
wxImage screenPicture();
// Saves the picture as "<name>.png" where checkDialogLook saves its own.
void savePicture(const wxImage& picture, const std::string& name, const std::string& folder);
