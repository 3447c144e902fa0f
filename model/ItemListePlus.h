#pragma once

// The project's item list, whose iterator can expand shortcut items into the
// subtree of the item they point to.

#include "ItemListe.h"

class ItemIteratorPlus;

class ItemListePlus : public ItemListe {
public:
    // Hides the plain iterator of ItemListe, as the project walks its list this way.
    ItemIteratorPlus* createIterator();
};
