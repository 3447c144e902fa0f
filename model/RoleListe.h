#pragma once

// A list of Role records that it owns; deleteAll deletes each through its
// virtual destructor.

#include "Role.h"
#include "TypedListe.h"

class RoleIterateur : public TypedIterateur<Role> {
public:
    using TypedIterateur::TypedIterateur;
};

class RoleListe : public OwningListe<Role, RoleIterateur> {};
