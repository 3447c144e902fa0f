#pragma once

// A page giving access to the templates of the work products.

#include "ProcessItemExtension.h"

class ItemTemplateAccess : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "TEMPLATE ACCESS"; }
    static CString getClassKeyword() { return "TEMPLATEACCESS"; }
    int saveData() override { return reportSaveFailure(ProcessItemExtension::saveData()); }
};
