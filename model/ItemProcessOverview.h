#pragma once

// A page giving the overview of one workflow.

#include "ProcessItemExtension.h"

class ItemProcessOverview : public ProcessItemExtension {
public:
    using ProcessItemExtension::ProcessItemExtension;
    static CString getClassLabel() { return "PROCESS OVERVIEW"; }
    static CString getClassKeyword() { return "PROCESSOVERVIEW"; }
    static CString getKeyListText() { return CString("PROCESSOVERVIEW:") + "\n\t\t\tTargetWorkflow"; }
    void loadData() override;
    int saveData() override;
    // The page url of the WORKFLOW item the overview shows.
    const CString& getTargetWorkflow() const { return m_targetWorkflow; }
    void setTargetWorkflow(const CString& url) { m_targetWorkflow = url; }

private:
    CString m_targetWorkflow;
};
