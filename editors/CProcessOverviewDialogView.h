#pragma once

// "Process overview attributes": the workflow the overview shows, chosen
// among the project's workflows; its url is shown below the list.

#include "PropertyPageView.h"

class CProcessOverviewDialogMgt;

class CProcessOverviewDialogView : public PropertyPageView {
public:
    enum ControlId { IDC_TARGET_WORKFLOW = 1008, IDC_WORKFLOW_PATH = 1165 };
    CProcessOverviewDialogView(wxWindow* parent, CProcessOverviewDialogMgt& page);

    // Lists the workflows ("name: url") and selects the stored one.
    void OnInitDialog() override;
    // The chosen workflow's url becomes the target at once.
    void OnSelchangeTargetWorkflow();

private:
    CProcessOverviewDialogMgt& m_overview;
};
