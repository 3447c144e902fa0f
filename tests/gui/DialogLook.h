#pragma once

// How a dialog looks on the display: shown, laid out and painted, then
// saved as a PNG picture for a person to look at, and checked: every shown
// control lies whole inside the window, is at least the size its text
// needs, and overlaps no other control (a group's box only frames its own).

#include <string>

class wxDialog;

// The picture goes to "<name>.png" in $TOLVANE_SCREENSHOT_DIR when that is
// set, else in the given folder (the test's own). The dialog ends hidden.
void checkDialogLook(wxDialog& dialog, const std::string& name, const std::string& folder);
