#pragma once

// A phase of a workflow: everything below it belongs to it.

#include "WorkflowItemExtension.h"

class ItemPhase : public WorkflowItemExtension {
public:
    using WorkflowItemExtension::WorkflowItemExtension;
    static CString getClassLabel() { return "PHASE"; }
    static CString getClassKeyword() { return "PHASE"; }
    void loadData() override;

protected:
    CString sheetWords() const override { return "Phase"; }
};
