#pragma once

// A group of roles, drawn as a role map.

#include "ProcessItemExtension.h"

class ItemRoleGroup : public ProcessItemExtension {
public:
    ItemRoleGroup(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "ROLE GROUP"; }
    static CString getClassKeyword() { return "ROLEGROUP"; }
    int hasDiagram() override { return 1; }
};
