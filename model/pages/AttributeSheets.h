#pragma once

// The property sheets that the main window's "Edit Attributes" opens for
// the item classes whose extension builds none: each is built from the
// class's pages, run through the editing service, and on OK its values are
// copied into the item and its files written at once.

class Item;
class Project;

namespace AttributeSheets {

// Refreshes the links, resolves a shortcut, reloads the item and opens the
// sheet of its class; an external item gets message 33036 instead.
void editItemAttributes(Project* project, Item* item);

} // namespace AttributeSheets
