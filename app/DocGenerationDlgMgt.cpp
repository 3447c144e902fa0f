#include "DocGenerationDlgMgt.h"

#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/choice.h>
#include <wx/gbsizer.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

// "domain / discipline / name", each part only when it is not empty.
CString listedName(const ProcessItem& item, bool withDiscipline) {
    CString text;
    if (!item.getDomain().IsEmpty())
        text += item.getDomain() + " / ";
    if (withDiscipline && !item.getDiscipline().IsEmpty())
        text += item.getDiscipline() + " / ";
    return text + item.getName();
}

ProcessItem* chosenItem(const wxChoice& list) {
    const int chosen = list.GetSelection();
    return chosen == wxNOT_FOUND ? nullptr : static_cast<ProcessItem*>(list.GetClientData(chosen));
}

} // namespace

DocGenerationDlgMgt::DocGenerationDlgMgt(ProcessManager* manager, int /*classCode*/, wxWindow* parent)
    : TolvaneDialog(parent, "Document generation"), m_manager(manager) {
    auto* all = new wxRadioButton(this, IDC_ALL_DISCIPLINES, "All diciplines", wxDefaultPosition,
                                  wxDefaultSize, wxRB_GROUP);
    auto* one = new wxRadioButton(this, IDC_ONE_DISCIPLINE, "One dicipline");
    all->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnAllDisciplines(); });
    one->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnOneDiscipline(); });
    m_workflows =
        new wxChoice(this, IDC_TARGET_WORKFLOW, wxDefaultPosition, wxSize(320, -1), 0, nullptr, wxCB_SORT);
    m_disciplines =
        new wxChoice(this, IDC_TARGET_DISCIPLINE, wxDefaultPosition, wxSize(320, -1), 0, nullptr, wxCB_SORT);
    for (wxChoice* list : {m_workflows, m_disciplines})
        list->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) { updateControls(); });

    // Each list stands under the radio button that enables it, the two
    // lists in one column.
    auto* content = new wxGridBagSizer(6, 8);
    content->Add(all, wxGBPosition(0, 0), wxGBSpan(1, 2));
    m_workflowLabel = new wxStaticText(this, wxID_ANY, "Target workflow");
    content->Add(m_workflowLabel, wxGBPosition(1, 0), wxDefaultSpan, wxLEFT | wxALIGN_CENTER_VERTICAL, 20);
    content->Add(m_workflows, wxGBPosition(1, 1), wxDefaultSpan, wxEXPAND);
    content->Add(one, wxGBPosition(2, 0), wxGBSpan(1, 2), wxTOP, 8);
    m_disciplineLabel = new wxStaticText(this, wxID_ANY, "Target discipline");
    content->Add(m_disciplineLabel, wxGBPosition(3, 0), wxDefaultSpan, wxLEFT | wxALIGN_CENTER_VERTICAL, 20);
    content->Add(m_disciplines, wxGBPosition(3, 1), wxDefaultSpan, wxEXPAND);
    // Room for the longest hint, so that the dialog keeps its size.
    m_hint = new wxStaticText(this, wxID_ANY, "This project has no discipline.", wxDefaultPosition,
                              wxDefaultSize, wxST_NO_AUTORESIZE);
    content->Add(m_hint, wxGBPosition(4, 0), wxGBSpan(1, 2), wxTOP | wxEXPAND, 8);
    content->AddGrowableCol(1);
    finishLayout(content);
    m_hint->SetLabel("");
}

bool DocGenerationDlgMgt::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    if (m_manager) {
        ui::WaitCursor wait;
        m_manager->updateLinks(0, 0);
        ItemListePlus* items = m_manager->getItemList();
        for (int i = 1; i <= items->count(); ++i) {
            auto* item = dynamic_cast<ProcessItem*>(items->at(i));
            if (item && item->getClassKind() == kDisciplineClass)
                m_disciplines->Append(toWx(listedName(*item, false)), item);
            else if (item && item->getClassKind() == kWorkflowClass)
                m_workflows->Append(toWx(listedName(*item, true)), item);
        }
    }
    setChecked(IDC_ALL_DISCIPLINES, true);
    OnAllDisciplines();
    return true;
}

void DocGenerationDlgMgt::OnAllDisciplines() {
    m_disciplines->SetSelection(wxNOT_FOUND);
    updateControls();
}

void DocGenerationDlgMgt::OnOneDiscipline() {
    m_workflows->SetSelection(wxNOT_FOUND);
    updateControls();
}

void DocGenerationDlgMgt::updateControls() {
    const bool one = isChecked(IDC_ONE_DISCIPLINE);
    // A list greys with its label.
    m_disciplines->Enable(one);
    m_disciplineLabel->Enable(one);
    m_workflows->Enable(!one);
    m_workflowLabel->Enable(!one);
    // OK writes a document only for a chosen item: without one it waits,
    // and the line under the lists says why.
    const wxChoice& list = one ? *m_disciplines : *m_workflows;
    const bool chosen = chosenItem(list) != nullptr;
    enable(wxID_OK, chosen);
    wxString hint;
    if (list.IsEmpty())
        hint = one ? "This project has no discipline." : "This project has no workflow.";
    else if (!chosen)
        hint = one ? "Choose the target discipline." : "Choose the target workflow.";
    m_hint->SetLabel(hint);
}

wxString DocGenerationDlgMgt::getHint() const {
    return m_hint->GetLabel();
}

void DocGenerationDlgMgt::OnOK() {
    if (isChecked(IDC_ONE_DISCIPLINE)) {
        m_discipline = chosenItem(*m_disciplines);
        m_workflow = nullptr;
    } else {
        m_workflow = chosenItem(*m_workflows);
        m_discipline = nullptr;
    }
    endDialog(wxID_OK);
}
