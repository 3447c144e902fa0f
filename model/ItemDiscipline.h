#pragma once

// A discipline: the items of one field of the process; its sub-items take
// its name as their discipline.

#include "ProcessItemExtension.h"

class ItemDiscipline : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "DISCIPLINE"; }
    static CString getClassKeyword() { return "DISCIPLINE"; }
    static CString getKeyListText() { return CString("DISCIPLINE:") + "\n\t\t\tName"; }
    void loadData() override;
    int saveData() override { return reportSaveFailure(ProcessItemExtension::saveData()); }
    int hasHtmlPage() override { return 1; }
};
