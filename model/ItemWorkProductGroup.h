#pragma once

// A group of work products.

#include "ProcessItemExtension.h"

class ItemWorkProductGroup : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "WORKPRODUCT GROUP"; }
    static CString getClassKeyword() { return "WORKPRODUCTGROUP"; }
    int saveData() override { return reportSaveFailure(ProcessItemExtension::saveData()); }
};
