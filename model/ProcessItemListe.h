#pragma once

// A list of process items that never owns them.

#include "TypedListe.h"

class ProcessItem;

class ProcessItemIterateur : public TypedIterateur<ProcessItem> {
public:
    using TypedIterateur::TypedIterateur;
};

class ProcessItemListe : public TypedListe<ProcessItem, ProcessItemIterateur> {};
