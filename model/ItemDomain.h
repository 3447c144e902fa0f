#pragma once

// A domain: a group of disciplines.

#include "ProcessItemExtension.h"

class ItemDomain : public ProcessItemExtension {
public:
    ItemDomain(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "DOMAIN"; }
    static CString getClassKeyword() { return "DOMAIN"; }
    CString getDescriptionFileName(int language) override { return descriptionFile("Description.txt", language); }
    int hasHtmlPage() override { return 1; }
};
