#pragma once

// "Attributes and procedures": the activity's type, its main procedure
// (none, a page of its own in each language, or outside addresses), the
// transversal procedures and guides that apply to it, picked by category,
// and the activity it derives from. An activity that derives already from
// this one cannot be chosen: that would make a cycle.
//
// The project kinds and the "Separated procedure text" flag are not shown
// (the user never reaches them): they come back as they were.

#include "ExtendedPropertyPage.h"

class CActivityAttrDialogMgt;

class CActivityAttrDialogView : public ExtendedPropertyPage {
public:
    enum ControlId {
        IDC_STEP_HYPERLINKS = 1007,
        IDC_DERIVABLE = 1008,
        IDC_DERIVED = 1009,
        IDC_ADD_PROCEDURE = 1017,
        IDC_REMOVE_PROCEDURE = 1018,
        IDC_EDIT_PROCEDURE_L1 = 1019,
        IDC_EDIT_PROCEDURE_L2 = 1020,
        IDC_URL_PROCEDURE = 1056,
        IDC_ACTIVITY_TYPE = 1105,
        IDC_AVAILABLE = 1109,
        IDC_CHOSEN = 1110,
        IDC_STANDARD_PROCEDURE = 1162,
        IDC_NO_PROCEDURE = 1172,
        IDC_URL_L1 = 1173,
        IDC_URL_L2 = 1174,
        IDC_SHOW_PROCEDURES = 1191,
        IDC_SHOW_WORKFLOWS = 1192,
        IDC_SHOW_ACTIVITIES = 1193,
        IDC_SHOW_DUAL = 1194,
        IDC_DERIVED_FROM = 1195,
        IDC_DERIVED_FROM_LABEL = 1196,
    };
    CActivityAttrDialogView(wxWindow* parent, CActivityAttrDialogMgt& page);

    void OnInitDialog() override;
    void OnOK() override;

    void OnAddGeneralProcedure() { addSelectedToList(IDC_AVAILABLE, IDC_CHOSEN, 0, true); }
    void OnRemoveGeneralProcedure() { removeSelectedFromList(IDC_CHOSEN); }
    void OnNoProcedure();
    void OnStandardProcedure();
    void OnUrlProcedure();
    void OnShowProcedures();
    void OnShowWorkflows();
    void OnShowActivities();
    void OnShowDualItems();
    void OnDerivedActivityCheck();
    void OnSelchangeDerivedFrom();
    void OnEditProcedureL1() { editProcedure(0); }
    void OnEditProcedureL2() { editProcedure(1); }

private:
    // Refills the available list with the items that pass the test.
    void showAvailable(bool (*passes)(const class ProcessItem& item));
    void editProcedure(int language);

    CActivityAttrDialogMgt& m_attributes;
};
