#pragma once

// A macro-activity: a group of activities drawn as a workflow.

#include "WorkflowItemExtension.h"

class ItemMacroActivity : public WorkflowItemExtension {
public:
    using WorkflowItemExtension::WorkflowItemExtension;
    static CString getClassLabel() { return "MACRO-ACTIVITY"; }
    static CString getClassKeyword() { return "MACROACTIVITY"; }
    void loadData() override;

protected:
    CString sheetWords() const override { return "Macro-activity"; }
    CString extraPopupSection(int language) override;
};
