#pragma once

// A domain: a group of disciplines; its sub-items take its name as their
// domain and its default work-product picture.

#include "ProcessItemExtension.h"

class ItemDomain : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "DOMAIN"; }
    static CString getClassKeyword() { return "DOMAIN"; }
    void loadData() override;
    int saveData() override { return reportSaveFailure(ProcessItemExtension::saveData()); }
    CString getDescriptionFileName(int language) override { return descriptionFile("Description.txt", language); }
    int hasHtmlPage() override { return 1; }
};
