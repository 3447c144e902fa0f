#pragma once

// A group of work products.

#include "ProcessItemExtension.h"

class ItemWorkProductGroup : public ProcessItemExtension {
public:
    ItemWorkProductGroup(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "WORKPRODUCT GROUP"; }
    static CString getClassKeyword() { return "WORKPRODUCTGROUP"; }
};
