#pragma once

// What the project asks of the main window while it opens or changes the
// menu tree. The GUI's main dialog implements it; tests record the calls.

#include "CString.h"

class Item;
class ItemListePlus;

class MainWindow {
public:
    virtual ~MainWindow() = default;
    // Replaces the tree's image list by the "*.gif" icons of folder + "applet/IconImages/".
    virtual void loadIconImages(const CString& projectFolder) = 0;
    // Disables the item and project command buttons.
    virtual void disableProjectButtons() = 0;
    // Rebuilds the tree control from the list, storing each item's node handle.
    virtual void rebuildTree(ItemListePlus* list) = 0;
    virtual void setWindowTitle(const CString& title) = 0;
    // The add-item dialog at the anchor's place (position 2: as its last
    // child) with the class preselected (0: none) and the proposed name;
    // the new item, or null when nothing was added. A window without that
    // dialog adds nothing.
    virtual Item* addItem(Item* /*anchor*/, int /*position*/, int /*classCode*/, const CString& /*name*/) {
        return nullptr;
    }
};

// The default closed and open tree icons.
inline CString getDefaultClosedIcon() {
    return "bookc.gif";
}
inline CString getDefaultOpenIcon() {
    return "booko.gif";
}
