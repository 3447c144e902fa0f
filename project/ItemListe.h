#pragma once

// The list of menu-tree items, in tree order. The items are not deleted with
// the list: deleteAll deletes them (from the last to the first) when their
// owner asks.

#include "Item.h"
#include "TypedListe.h"

class ItemIterateur : public TypedIterateur<Item> {
public:
    using TypedIterateur::TypedIterateur;
};

class ItemListe : public OwningListe<Item, ItemIterateur> {};
