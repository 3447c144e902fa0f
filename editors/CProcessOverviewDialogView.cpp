#include "CProcessOverviewDialogView.h"

#include "ClassPages.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "Project.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

CProcessOverviewDialogView::CProcessOverviewDialogView(wxWindow* parent, CProcessOverviewDialogMgt& page)
    : PropertyPageView(parent, page), m_overview(page) {
    auto* form = controls::newForm();
    auto* workflows =
        new wxChoice(this, IDC_TARGET_WORKFLOW, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxCB_SORT);
    workflows->SetMinSize(wxSize(workflows->GetTextExtent(wxString('x', 50)).GetWidth(), -1));
    addFormRow(form, wxID_ANY, "Target workflow", workflows);
    auto* path = newEdit(IDC_WORKFLOW_PATH, 0, 50);
    path->Disable();
    addFormRow(form, wxID_ANY, "Workflow path", path);
    finishLayout(form);
    exchangeText(IDC_WORKFLOW_PATH, &page.m_targetWorkflow);
    Bind(
        wxEVT_CHOICE, [this](wxCommandEvent&) { OnSelchangeTargetWorkflow(); }, IDC_TARGET_WORKFLOW);
}

void CProcessOverviewDialogView::OnInitDialog() {
    ui::WaitCursor wait;
    PropertyPageView::OnInitDialog();
    auto* workflows = static_cast<wxChoice*>(FindWindow(IDC_TARGET_WORKFLOW));
    ItemListePlus* items = m_overview.m_project ? m_overview.m_project->getItemList() : nullptr;
    for (int i = 1; items && i <= items->count(); ++i) {
        auto* item = dynamic_cast<ProcessItem*>(items->at(i));
        if (!item || item->getClassKind() != kWorkflowClass)
            continue;
        workflows->Append(toWx(item->getName() + ": " + item->getUrl()), item);
    }
    // Selected once the sorted list is whole, as the entries moved while it filled.
    for (unsigned entry = 0; entry < workflows->GetCount(); ++entry)
        if (static_cast<ProcessItem*>(workflows->GetClientData(entry))->getUrl() ==
            m_overview.m_targetWorkflow) {
            workflows->SetSelection(static_cast<int>(entry));
            break;
        }
}

void CProcessOverviewDialogView::OnSelchangeTargetWorkflow() {
    auto* workflows = static_cast<wxChoice*>(FindWindow(IDC_TARGET_WORKFLOW));
    const int selected = workflows->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    m_overview.onSelchangeTargetWorkflow(static_cast<ProcessItem*>(workflows->GetClientData(selected)));
    setText(IDC_WORKFLOW_PATH, m_overview.m_targetWorkflow);
}
