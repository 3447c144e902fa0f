#pragma once

// An overview of the work products, drawn as a work product map.

#include "ProcessItemExtension.h"

class ItemWorkProductOverview : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "WORKPRODUCT OVERVIEW"; }
    static CString getClassKeyword() { return "WORKPRODUCTOVERVIEW"; }
    int saveData() override { return reportSaveFailure(ProcessItemExtension::saveData()); }
    int hasDiagram() override { return 1; }
    void edit() override;
};
