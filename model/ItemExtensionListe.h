#pragma once

// A list of ItemLink records that it owns (deleteAll frees them, never the
// linked items).

#include "ItemLink.h"
#include "TypedListe.h"

class ItemExtensionIterateur : public TypedIterateur<ItemLink> {
public:
    using TypedIterateur::TypedIterateur;
};

class ItemExtensionListe : public OwningListe<ItemLink, ItemExtensionIterateur> {};
