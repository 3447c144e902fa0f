#pragma once

// The "Identification" page, last of every item sheet: the item's names,
// notes, state, versions, author and six approvals, each a state with a date.

#include "CTime.h"
#include "PropertyPage.h"

class ProcessItem;

class CIdentificationDialogMgt : public PropertyPage {
public:
    explicit CIdentificationDialogMgt(ProcessItem* item);

    // Refuses to leave the page while the name fails the name checks.
    bool onKillActive() override;

    // The standard closing steps of an item sheet, which builders run in the
    // order their class gives: the identification values into the item,
    // the notes file, and the rename when a name changed.
    void storeInto(ProcessItem* item) const;
    int writeNotes(ProcessItem* item) const;
    // Renames the item through the project when a name on the page differs
    // from the item's; its other properties are passed unchanged.
    void renameWhenChanged(ProcessItem* item) const;

    CString m_notes;
    CString m_stateText;
    CString m_version;
    CString m_versionMinor;
    int m_isGlossaryEntry = 0;
    CString m_editor;
    CTime m_approDate[6];
    // Whether row n's date is a date: a stored text that cannot be read as
    // one is kept as it is stored, unless the row gets a new date.
    bool m_approDateKnown[6] = {};
    int m_approIndex[6] = {};
    CString m_name;
    CString m_nameL2;
    ProcessItem* m_item;

    // The approval state of row n (1 to 6) as the text that is stored.
    CString approText(int n) const;
    // Choosing a state that needs a date (2, 3, 4) dates the row today.
    void onSelchangeApproval(int n, int index);
    // The user gives row n a date.
    void setApproDate(int n, const CTime& date);
};

// Approval states: 0 "Not defined", 1 "Approval not required",
// 2 "To approve", 3 "Approved", 4 "Refused".
int approvalIndexFromText(const CString& text);
CString approvalTextFromIndex(int index);
