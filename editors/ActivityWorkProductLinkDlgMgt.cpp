#include "ActivityWorkProductLinkDlgMgt.h"

#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

ActivityWorkProductLinkDlgMgt::ActivityWorkProductLinkDlgMgt(Project* project, ProcessItem* activity,
                                                             ProcessItem* workProduct, const CString& number,
                                                             const CString& stateName, wxWindow* parent)
    : TolvaneDialog(parent, "Activity - work product link"), m_number(number), m_stateName(stateName),
      m_activityName(activity->getNameByLanguage(0)), m_workProductName(workProduct->getNameByLanguage(0)),
      m_project(project), m_activity(activity), m_workProduct(workProduct) {
    auto* names = newForm();
    auto* activityName = newEdit(IDC_ACTIVITY, 0, 40);
    activityName->Disable();
    addFormRow(names, wxID_ANY, "Activity", activityName);
    auto* productName = newEdit(IDC_WORK_PRODUCT, 0, 40);
    productName->Disable();
    addFormRow(names, wxID_ANY, "Work product", productName);

    auto* link = newForm();
    addFormRow(link, wxID_ANY, "Number or part", newEdit(IDC_NUMBER, 0, 12));
    auto* state = newEdit(IDC_STATE, 0, 30);
    state->Disable();
    addFormRow(link, wxID_ANY, "State", state);
    auto* states = new wxListBox(this, IDC_STATES);
    states->SetMinSize(wxSize(-1, states->GetCharHeight() * 6));
    auto* choice = new wxBoxSizer(wxHORIZONTAL);
    choice->Add(states, 1, wxEXPAND);
    choice->Add(new wxButton(this, IDC_SELECT, "Select"), 0, wxLEFT | wxALIGN_TOP, 6);
    addFormRow(link, wxID_ANY, "", choice);

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(newGroup(wxID_ANY, "", names), 0, wxEXPAND);
    content->Add(newGroup(wxID_ANY, "", link), 1, wxEXPAND | wxTOP, 8);
    finishLayout(content);

    exchangeText(IDC_NUMBER, &m_number);
    exchangeText(IDC_STATE, &m_stateName);
    exchangeText(IDC_ACTIVITY, &m_activityName);
    exchangeText(IDC_WORK_PRODUCT, &m_workProductName);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnSelectState(); }, IDC_SELECT);
    Bind(
        wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent&) { OnSelectState(); }, IDC_STATES);
}

bool ActivityWorkProductLinkDlgMgt::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    auto* states = static_cast<wxListBox*>(FindWindow(IDC_STATES));
    if (auto* manager = dynamic_cast<ProcessManager*>(m_project)) {
        ProcessItemListe* list = manager->getWorkProductStates(m_workProduct);
        for (int i = 1; i <= list->count(); ++i)
            states->Append(toWx(list->at(i)->getName()), list->at(i));
        list->removeAll();
        delete list;
    }
    states->Append("", static_cast<void*>(nullptr));
    return true;
}

void ActivityWorkProductLinkDlgMgt::OnSelectState() {
    auto* states = static_cast<wxListBox*>(FindWindow(IDC_STATES));
    const int selected = states->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    setText(IDC_STATE, fromWx(states->GetString(static_cast<unsigned>(selected))));
    m_state = static_cast<ProcessItem*>(states->GetClientData(static_cast<unsigned>(selected)));
    m_stateTaken = true;
}

CString ActivityWorkProductLinkDlgMgt::chosenStateUid(const CString& unchanged) const {
    if (!m_stateTaken)
        return unchanged;
    return m_state ? m_state->getUid() : CString();
}
