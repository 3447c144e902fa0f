#pragma once

// A page giving access to the templates of the work products.

#include "ProcessItemExtension.h"

class ItemTemplateAccess : public ProcessItemExtension {
public:
    ItemTemplateAccess(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "TEMPLATE ACCESS"; }
    static CString getClassKeyword() { return "TEMPLATEACCESS"; }
};
