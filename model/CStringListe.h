#pragma once

// A list of strings that belong to it: deleteAll removes and deletes them.

#include "CString.h"
#include "TypedListe.h"

class CStringIterateur : public TypedIterateur<CString> {
public:
    using TypedIterateur::TypedIterateur;
};

class CStringListe : public OwningListe<CString, CStringIterateur> {};
