#pragma once

// A role of the process: who performs activities and is responsible for work products.

#include "ProcessItemExtension.h"

class ItemRole : public ProcessItemExtension {
public:
    ItemRole(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "ROLE"; }
    static CString getClassKeyword() { return "PROCESSROLE"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("RoleDescription.txt", language); }
};
