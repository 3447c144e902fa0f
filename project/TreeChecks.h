#pragma once

// The checks that guard the tree operations. Each shows its message and
// answers 0 when it refuses, 1 otherwise.

#include "CString.h"

class Item;
class ItemListe;
class Project;

// Not empty, and only the characters item names allow.
int checkItemName(const CString& name);
// A shortcut name always passes; any other must pass checkItemName and may
// not be used by another child of the future parent (the item's own parent
// without anchor, the anchor for mode 2, the anchor's parent otherwise);
// nor may its folder name clash, ignoring case, with such a child's.
int checkItemNameInParent(const CString& name, const CString& url, Item* anchor, int mode, Item* item,
                          ItemListe* list);
// A dual item named name (the item itself when it is renamed, or a new
// item placed next to anchor) gets the folder its name gives under its
// parent; that folder must not exist yet, unless it is the item's own: its
// pages would be another item's, or those left by one.
int checkItemFolderFree(Project* project, const CString& name, const CString& url, Item* anchor, int mode,
                        Item* item);
// A Dual item may not become the child of a non-dual one.
int checkDualUnderDual(Item* from, Item* to, int mode);
