#pragma once

// An overview of the work products, drawn as a work product map.

#include "ProcessItemExtension.h"

class ItemWorkProductOverview : public ProcessItemExtension {
public:
    ItemWorkProductOverview(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "WORKPRODUCT OVERVIEW"; }
    static CString getClassKeyword() { return "WORKPRODUCTOVERVIEW"; }
    int hasDiagram() override { return 1; }
};
