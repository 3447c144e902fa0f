#pragma once

// "Identification", the last page of (nearly) every sheet: the item's
// names, class and uid shown, its state, versions, author and notes, and
// six approvals, each a state with a date. A row whose state needs no
// date (not defined, approval not required) has its date disabled; a
// stored date that cannot be read shows no date and is kept as stored.

#include "PropertyPageView.h"

class CIdentificationDialogMgt;

class CIdentificationDialogView : public PropertyPageView {
public:
    enum ControlId {
        IDC_GLOSSARY_ENTRY = 1006,
        IDC_AUTHOR = 1008,
        IDC_CLASS = 1093,
        IDC_STATE = 1104,
        IDC_VERSION = 1106,
        IDC_VERSION_MINOR = 1107,
        IDC_UID = 1155,
        IDC_NAME = 1164,
        IDC_NAME_L2 = 1165,
        IDC_NOTES = 1179,
    };
    // Row n (1 to 6): its label, its state list and its date.
    static int labelId(int n);
    static int approvalId(int n);
    static int dateId(int n);

    CIdentificationDialogView(wxWindow* parent, CIdentificationDialogMgt& page);

    // Fills the controls; the class, the uid and the project's approval labels.
    void OnInitDialog() override;
    void updateData(bool save) override;
    // A new state in row n: a state that needs a date dates the row today.
    void OnSelchangeApproval(int n);

private:
    CIdentificationDialogMgt& m_identification;
};
