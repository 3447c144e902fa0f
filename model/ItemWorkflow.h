#pragma once

// A workflow: the top of a process drawn as a diagram.

#include "WorkflowItemExtension.h"

class ItemWorkflow : public WorkflowItemExtension {
public:
    using WorkflowItemExtension::WorkflowItemExtension;
    static CString getClassLabel() { return "WORKFLOW"; }
    static CString getClassKeyword() { return "WORKFLOW"; }

protected:
    CString sheetWords() const override { return "Workflow"; }
};
