#pragma once

// A page giving the overview of one workflow.

#include "ProcessItemExtension.h"

class ItemProcessOverview : public ProcessItemExtension {
public:
    ItemProcessOverview(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "PROCESS OVERVIEW"; }
    static CString getClassKeyword() { return "PROCESSOVERVIEW"; }
};
