#pragma once

// A discipline: the items of one field of the process.

#include "ProcessItemExtension.h"

class ItemDiscipline : public ProcessItemExtension {
public:
    ItemDiscipline(ProcessItem* item, Project* project) : ProcessItemExtension(item, project) {}

    static CString getClassLabel() { return "DISCIPLINE"; }
    static CString getClassKeyword() { return "DISCIPLINE"; }
    int hasHtmlPage() override { return 1; }
};
