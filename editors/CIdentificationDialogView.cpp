#include "CIdentificationDialogView.h"

#include "CIdentificationDialogMgt.h"
#include "ItemClasses.h"
#include "ProcessItem.h"
#include "Project.h"
#include "WxText.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/datectrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace {

const int kLabelIds[] = {1203, 1205, 1206, 1207, 1208, 1209};
const int kApprovalIds[] = {1204, 1210, 1211, 1212, 1213, 1214};
const int kDateIds[] = {1010, 1011, 1013, 1033, 1035, 1037};
const char* const kStates[] = {"DRAFT", "FOR_APPROVAL", "APPROVED", "APPROVED_REFERENCE_VERSION_IN_WORK"};

// A state that needs no date leaves the row's date disabled.
bool needsDate(int index) {
    return index >= 2 && index <= 4;
}

wxDateTime toDate(const CTime& time) {
    return wxDateTime(static_cast<wxDateTime::wxDateTime_t>(time.GetDay()),
                      static_cast<wxDateTime::Month>(time.GetMonth() - 1), time.GetYear());
}

} // namespace

int CIdentificationDialogView::labelId(int n) {
    return kLabelIds[n - 1];
}
int CIdentificationDialogView::approvalId(int n) {
    return kApprovalIds[n - 1];
}
int CIdentificationDialogView::dateId(int n) {
    return kDateIds[n - 1];
}

CIdentificationDialogView::CIdentificationDialogView(wxWindow* parent, CIdentificationDialogMgt& page)
    : PropertyPageView(parent, page), m_identification(page) {
    auto* identity = new wxFlexGridSizer(4, 6, 8);
    identity->AddGrowableCol(1);
    identity->AddGrowableCol(3);
    auto addPair = [&](const char* label, wxWindow* control) {
        identity->Add(new wxStaticText(this, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
        identity->Add(control, 1, wxEXPAND);
    };
    auto disabled = [](wxWindow* control) {
        control->Disable();
        return control;
    };
    addPair("Name", disabled(newEdit(IDC_NAME, 0, 18)));
    addPair("Name L2", disabled(newEdit(IDC_NAME_L2, 0, 18)));
    addPair("Class", disabled(newEdit(IDC_CLASS, 0, 18)));
    addPair("UID", disabled(newEdit(IDC_UID, 0, 18)));
    wxArrayString states;
    for (const char* state : kStates)
        states.Add(state);
    addPair("State",
            new wxComboBox(this, IDC_STATE, "", wxDefaultPosition, wxDefaultSize, states, wxCB_DROPDOWN));
    addPair("Author", newEdit(IDC_AUTHOR, 0, 18));
    addPair("Major version", newEdit(IDC_VERSION, 0, 8));
    addPair("Minor version", disabled(newEdit(IDC_VERSION_MINOR, 0, 8)));

    // The hidden "Include in glossary" box hands the item's flag back unchanged.
    auto* glossary = new wxCheckBox(this, IDC_GLOSSARY_ENTRY, "Include in glossary");
    glossary->Hide();
    glossary->Disable();

    wxArrayString approvalStates;
    for (int index = 0; index <= 4; ++index)
        approvalStates.Add(toWx(approvalTextFromIndex(index)));
    auto* approvals = new wxFlexGridSizer(4, 6, 8);
    approvals->AddGrowableCol(1, 3);
    approvals->AddGrowableCol(3, 2);
    for (int n = 1; n <= 6; ++n) {
        CString caption;
        caption.Format("P%d approval", n);
        approvals->Add(new wxStaticText(this, labelId(n), toWx(caption)), 0, wxALIGN_CENTER_VERTICAL);
        approvals->Add(new wxChoice(this, approvalId(n), wxDefaultPosition, wxDefaultSize, approvalStates), 1,
                       wxEXPAND);
        approvals->Add(new wxStaticText(this, wxID_ANY, "Date"), 0, wxALIGN_CENTER_VERTICAL);
        approvals->Add(new wxDatePickerCtrl(this, dateId(n), wxInvalidDateTime, wxDefaultPosition,
                                            wxDefaultSize,
                                            wxDP_DROPDOWN | wxDP_SHOWCENTURY | wxDP_ALLOWNONE));
        Bind(
            wxEVT_CHOICE, [this, n](wxCommandEvent&) { OnSelchangeApproval(n); }, approvalId(n));
    }

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(identity, 0, wxEXPAND);
    content->Add(newGroup(wxID_ANY, "Approvals", approvals), 0, wxEXPAND | wxTOP, 10);
    content->Add(newTextGroup(IDC_NOTES, "Notes", true, 5), 1, wxEXPAND | wxTOP, 10);
    finishLayout(content);

    exchangeText(IDC_NOTES, &page.m_notes);
    exchangeText(IDC_STATE, &page.m_stateText);
    exchangeText(IDC_VERSION, &page.m_version);
    exchangeText(IDC_VERSION_MINOR, &page.m_versionMinor);
    exchangeCheck(IDC_GLOSSARY_ENTRY, &page.m_isGlossaryEntry);
    exchangeText(IDC_AUTHOR, &page.m_editor);
    exchangeText(IDC_NAME, &page.m_name);
    exchangeText(IDC_NAME_L2, &page.m_nameL2);
}

void CIdentificationDialogView::updateData(bool save) {
    PropertyPageView::updateData(save);
    for (int n = 1; n <= 6; ++n) {
        auto* picker = static_cast<wxDatePickerCtrl*>(FindWindow(dateId(n)));
        auto* state = static_cast<wxChoice*>(FindWindow(approvalId(n)));
        if (save) {
            m_identification.m_approIndex[n - 1] = std::max(state->GetSelection(), 0);
            const wxDateTime date = picker->GetValue();
            // Only a date the row shows goes back: an unreadable stored one
            // stays as it is until the user gives the row a date.
            if (date.IsValid() && (!m_identification.m_approDateKnown[n - 1] ||
                                   toDate(m_identification.m_approDate[n - 1]) != date))
                m_identification.setApproDate(
                    n, CTime(date.GetYear(), date.GetMonth() + 1, date.GetDay(), 0, 0, 0));
        } else {
            state->SetSelection(m_identification.m_approIndex[n - 1]);
            picker->SetValue(m_identification.m_approDateKnown[n - 1]
                                 ? toDate(m_identification.m_approDate[n - 1])
                                 : wxInvalidDateTime);
        }
    }
}

void CIdentificationDialogView::OnInitDialog() {
    PropertyPageView::OnInitDialog();
    ProcessItem* item = m_identification.m_item;
    setText(IDC_CLASS, getProcessClassKeyword(item->getClassKind(), 1));
    setText(IDC_UID, item->getUid());
    for (int n = 1; n <= 6; ++n)
        enable(dateId(n), needsDate(m_identification.m_approIndex[n - 1]));
    if (Project* project = item->getProject())
        for (int n = 1; n <= 6; ++n)
            setText(labelId(n), project->getApprovalLabel(n));
    Layout();
}

void CIdentificationDialogView::OnSelchangeApproval(int n) {
    const int index = static_cast<wxChoice*>(FindWindow(approvalId(n)))->GetSelection();
    m_identification.onSelchangeApproval(n, std::max(index, 0));
    auto* picker = static_cast<wxDatePickerCtrl*>(FindWindow(dateId(n)));
    picker->Enable(needsDate(index));
    if (needsDate(index))
        picker->SetValue(toDate(m_identification.m_approDate[n - 1]));
}
