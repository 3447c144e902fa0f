#pragma once

// "Workflow": the button that opens the item's diagram ("Edit Workflow",
// "Edit Role map", "Edit Work product map") and, for macro-activities,
// phases and workflows, whether the page is generated whole from the
// diagram. The diagram editor is not part of this version: its button is
// disabled and says so.

#include "PropertyPageView.h"

class CWorkflowEditorStarterDlgMgt;

class CWorkflowEditorStarterDlgView : public PropertyPageView {
public:
    enum ControlId { IDC_EDIT_DIAGRAM = 1004, IDC_FULLY_GENERATED = 1005, IDC_PARTIALLY_GENERATED = 1006 };
    CWorkflowEditorStarterDlgView(wxWindow* parent, CWorkflowEditorStarterDlgMgt& page);

    // The button's text, and the generation choice shown or hidden.
    void OnInitDialog() override;
    // Whether the page is generated whole goes into the page.
    void OnOK() override;

private:
    CWorkflowEditorStarterDlgMgt& m_starter;
};
