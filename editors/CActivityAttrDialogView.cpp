#include "CActivityAttrDialogView.h"

#include "ActivityPages.h"
#include "CDHtmlEditDlg.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "PageLists.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StdOption.h"
#include "StringTable.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

namespace {

bool isProcedure(const ProcessItem& item) {
    return item.getClassKind() == kGeneralProcedureClass;
}
bool isWorkflow(const ProcessItem& item) {
    return item.getClassKind() == kWorkflowClass;
}
bool isActivity(const ProcessItem& item) {
    return item.getClassKind() == kActivityClass || item.getClassKind() == kMacroActivityClass;
}
bool isDual(const ProcessItem& item) {
    return item.getKind() == 0;
}

bool twoLanguages() {
    return StdOption::instance().getTwoLanguages();
}

} // namespace

CActivityAttrDialogView::CActivityAttrDialogView(wxWindow* parent, CActivityAttrDialogMgt& page)
    : ExtendedPropertyPage(parent, page), m_attributes(page) {
    // Inheritance.
    auto* inheritance = new wxBoxSizer(wxVERTICAL);
    inheritance->Add(new wxCheckBox(this, IDC_DERIVED, "Derived from another activity"));
    inheritance->Add(new wxCheckBox(this, IDC_DERIVABLE, "Derivable"), 0, wxTOP, 4);
    auto* derivedFrom = new wxChoice(this, IDC_DERIVED_FROM);
    derivedFrom->SetMinSize(wxSize(derivedFrom->GetTextExtent(wxString('x', 40)).GetWidth(), -1));
    auto* from = controls::newForm();
    addFormRow(from, IDC_DERIVED_FROM_LABEL, "Activity to derived from", derivedFrom);
    inheritance->Add(from, 0, wxEXPAND | wxTOP, 4);

    // Attributes.
    const wxString types[] = {
        toWx(ItemActivity::getStandardType()), toWx(ItemActivity::getMilestoneReviewType()),
        toWx(ItemActivity::getPeerReviewType()), toWx(ItemActivity::getFormalReviewType()),
        toWx(ItemActivity::getMeetingType())};
    auto* type = new wxComboBox(this, IDC_ACTIVITY_TYPE, "", wxDefaultPosition, wxDefaultSize, 5, types,
                                wxCB_DROPDOWN);
    auto* attributes = controls::newForm();
    addFormRow(attributes, wxID_ANY, "Activity type", type);

    // Main procedure.
    auto* kinds = new wxBoxSizer(wxHORIZONTAL);
    kinds->Add(new wxRadioButton(this, IDC_NO_PROCEDURE, "No procedure", wxDefaultPosition, wxDefaultSize,
                                 wxRB_GROUP));
    kinds->Add(new wxRadioButton(this, IDC_STANDARD_PROCEDURE, "Standard (html page)"), 0, wxLEFT, 12);
    kinds->Add(new wxRadioButton(this, IDC_URL_PROCEDURE, "URL"), 0, wxLEFT, 12);
    auto* urls = controls::newForm();
    auto* urlL1 = newEdit(IDC_URL_L1, 0, 50);
    auto* urlL2 = newEdit(IDC_URL_L2, 0, 50);
    urlL1->Disable();
    urlL2->Disable();
    addFormRow(urls, wxID_ANY, "URL to L1 procedure", urlL1);
    addFormRow(urls, wxID_ANY, "URL to L2 procedure", urlL2);
    auto* editButtons = new wxBoxSizer(wxHORIZONTAL);
    for (const auto& [id, text] : {std::pair{IDC_EDIT_PROCEDURE_L1, "Edit Procedure (first language)"},
                                   std::pair{IDC_EDIT_PROCEDURE_L2, "Edit Procedure (second language)"}}) {
        auto* button = new wxButton(this, id, text);
        button->Disable();
        editButtons->Add(button, 0, wxRIGHT, 8);
    }
    auto* procedure = new wxBoxSizer(wxVERTICAL);
    procedure->Add(kinds);
    procedure->Add(urls, 0, wxEXPAND | wxTOP, 6);
    procedure->Add(editButtons, 0, wxTOP, 6);
    procedure->Add(new wxCheckBox(this, IDC_STEP_HYPERLINKS, "Step hyperlinks to procedure"), 0, wxTOP, 6);

    // Transversal procedures.
    auto* categories = new wxBoxSizer(wxHORIZONTAL);
    categories->Add(new wxRadioButton(this, IDC_SHOW_PROCEDURES, "Procedure", wxDefaultPosition,
                                      wxDefaultSize, wxRB_GROUP));
    for (const auto& [id, text] :
         {std::pair{IDC_SHOW_WORKFLOWS, "Workflow"},
          std::pair{IDC_SHOW_ACTIVITIES, "Activity and Macro-Activity"}, std::pair{IDC_SHOW_DUAL, "Dual"}})
        categories->Add(new wxRadioButton(this, id, text), 0, wxLEFT, 12);
    auto newList = [this](int id) {
        auto* list =
            new wxListBox(this, id, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SORT | wxLB_SINGLE);
        list->SetMinSize(
            wxSize(list->GetTextExtent(wxString('x', 32)).GetWidth(), list->GetCharHeight() * 7));
        return list;
    };
    auto* moves = new wxBoxSizer(wxVERTICAL);
    moves->Add(new wxButton(this, IDC_ADD_PROCEDURE, ">>  Add"), 0, wxEXPAND | wxBOTTOM, 4);
    moves->Add(new wxButton(this, IDC_REMOVE_PROCEDURE, "<< Remove"), 0, wxEXPAND);
    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    lists->Add(newList(IDC_AVAILABLE), 1, wxEXPAND);
    lists->Add(moves, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 8);
    lists->Add(newList(IDC_CHOSEN), 1, wxEXPAND);
    auto* transversal = new wxBoxSizer(wxVERTICAL);
    transversal->Add(categories);
    transversal->Add(lists, 1, wxEXPAND | wxTOP, 6);

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(newGroup(wxID_ANY, "Inheritance", inheritance), 0, wxEXPAND);
    content->Add(newGroup(wxID_ANY, "Attributes", attributes), 0, wxEXPAND | wxTOP, 8);
    content->Add(newGroup(wxID_ANY, "Activity main procedure / guide", procedure), 0, wxEXPAND | wxTOP, 8);
    content->Add(newGroup(wxID_ANY, "Applicable transversal procedures / guides ", transversal), 1,
                 wxEXPAND | wxTOP, 8);
    finishLayout(content);

    exchangeText(IDC_ACTIVITY_TYPE, &page.m_activityType);
    exchangeText(IDC_URL_L1, &page.m_procedureUrl);
    exchangeText(IDC_URL_L2, &page.m_procedureUrlL2);
    exchangeCheck(IDC_STEP_HYPERLINKS, &page.m_stepHyperlinks);
    exchangeCheck(IDC_DERIVED, &page.m_derived);
    exchangeCheck(IDC_DERIVABLE, &page.m_derivable);

    bindCommand(wxEVT_BUTTON, IDC_ADD_PROCEDURE, &CActivityAttrDialogView::OnAddGeneralProcedure);
    bindCommand(wxEVT_BUTTON, IDC_REMOVE_PROCEDURE, &CActivityAttrDialogView::OnRemoveGeneralProcedure);
    bindCommand(wxEVT_RADIOBUTTON, IDC_NO_PROCEDURE, &CActivityAttrDialogView::OnNoProcedure);
    bindCommand(wxEVT_RADIOBUTTON, IDC_STANDARD_PROCEDURE, &CActivityAttrDialogView::OnStandardProcedure);
    bindCommand(wxEVT_RADIOBUTTON, IDC_URL_PROCEDURE, &CActivityAttrDialogView::OnUrlProcedure);
    bindCommand(wxEVT_RADIOBUTTON, IDC_SHOW_PROCEDURES, &CActivityAttrDialogView::OnShowProcedures);
    bindCommand(wxEVT_RADIOBUTTON, IDC_SHOW_WORKFLOWS, &CActivityAttrDialogView::OnShowWorkflows);
    bindCommand(wxEVT_RADIOBUTTON, IDC_SHOW_ACTIVITIES, &CActivityAttrDialogView::OnShowActivities);
    bindCommand(wxEVT_RADIOBUTTON, IDC_SHOW_DUAL, &CActivityAttrDialogView::OnShowDualItems);
    bindCommand(wxEVT_CHECKBOX, IDC_DERIVED, &CActivityAttrDialogView::OnDerivedActivityCheck);
    bindCommand(wxEVT_CHOICE, IDC_DERIVED_FROM, &CActivityAttrDialogView::OnSelchangeDerivedFrom);
    bindCommand(wxEVT_BUTTON, IDC_EDIT_PROCEDURE_L1, &CActivityAttrDialogView::OnEditProcedureL1);
    bindCommand(wxEVT_BUTTON, IDC_EDIT_PROCEDURE_L2, &CActivityAttrDialogView::OnEditProcedureL2);
}

void CActivityAttrDialogView::OnInitDialog() {
    ExtendedPropertyPage::OnInitDialog();
    ui::WaitCursor wait;
    auto* chosen = static_cast<wxListBox*>(FindWindow(IDC_CHOSEN));
    for (ProcessItem* procedure : m_attributes.m_generalProcedures)
        chosen->Append(toWx(references::itemLabel(procedure)), procedure);
    setChecked(IDC_SHOW_PROCEDURES, true);
    OnShowProcedures();

    // The stored type selects the first type it begins; a free text stays as typed.
    auto* type = static_cast<wxComboBox*>(FindWindow(IDC_ACTIVITY_TYPE));
    const CString stored =
        m_attributes.m_activityType.IsEmpty() ? ItemActivity::getStandardType() : m_attributes.m_activityType;
    pageLists::selectByPrefix(type, stored);

    const bool bilingual = twoLanguages();
    if (!m_attributes.m_separatedProcedureText) {
        setChecked(IDC_NO_PROCEDURE, true);
        for (int id : {IDC_NO_PROCEDURE, IDC_STANDARD_PROCEDURE, IDC_URL_PROCEDURE, IDC_URL_L1, IDC_URL_L2})
            enable(id, false);
    } else if (m_attributes.m_procedureLink == 0) {
        setChecked(IDC_NO_PROCEDURE, true);
        for (int id : {IDC_URL_L1, IDC_URL_L2, IDC_STEP_HYPERLINKS})
            enable(id, false);
    } else if (m_attributes.m_procedureLink == 2) {
        setChecked(IDC_URL_PROCEDURE, true);
        enable(IDC_URL_L1, true);
        enable(IDC_URL_L2, bilingual);
    } else {
        setChecked(IDC_STANDARD_PROCEDURE, true);
        enable(IDC_EDIT_PROCEDURE_L1, true);
        enable(IDC_EDIT_PROCEDURE_L2, bilingual);
    }

    auto* derivedFrom = static_cast<wxChoice*>(FindWindow(IDC_DERIVED_FROM));
    derivedFrom->Append("", static_cast<void*>(nullptr));
    ItemListePlus* items = m_attributes.m_project ? m_attributes.m_project->getItemList() : nullptr;
    for (int i = 1; items && i <= items->count(); ++i) {
        auto* item = dynamic_cast<ProcessItem*>(items->at(i));
        const ItemActivity* activity =
            item && item->getClassKind() == kActivityClass ? item->getItemActivity() : nullptr;
        if (activity && item != m_attributes.m_item && activity->isDerivable())
            derivedFrom->Append(toWx(references::itemLabel(item)), item);
    }
    pageLists::selectByData(derivedFrom, m_attributes.m_derivedFrom);
    enable(IDC_DERIVED_FROM, m_attributes.m_derived != 0);
}

void CActivityAttrDialogView::OnOK() {
    auto* chosen = static_cast<wxListBox*>(FindWindow(IDC_CHOSEN));
    m_attributes.m_generalProcedures.clear();
    for (unsigned i = 0; i < chosen->GetCount(); ++i)
        m_attributes.m_generalProcedures.push_back(static_cast<ProcessItem*>(chosen->GetClientData(i)));
    m_attributes.m_listsChosen = true;
    m_attributes.m_procedureLink = isChecked(IDC_NO_PROCEDURE) ? 0 : (isChecked(IDC_URL_PROCEDURE) ? 2 : 1);
}

void CActivityAttrDialogView::OnNoProcedure() {
    for (int id : {IDC_URL_L1, IDC_URL_L2}) {
        enable(id, false);
        setText(id, "");
    }
    setChecked(IDC_STEP_HYPERLINKS, false);
    for (int id : {IDC_STEP_HYPERLINKS, IDC_EDIT_PROCEDURE_L1, IDC_EDIT_PROCEDURE_L2})
        enable(id, false);
}

void CActivityAttrDialogView::OnStandardProcedure() {
    for (int id : {IDC_URL_L1, IDC_URL_L2}) {
        enable(id, false);
        setText(id, "");
    }
    enable(IDC_STEP_HYPERLINKS, true);
    enable(IDC_EDIT_PROCEDURE_L1, true);
    enable(IDC_EDIT_PROCEDURE_L2, twoLanguages());
}

void CActivityAttrDialogView::OnUrlProcedure() {
    enable(IDC_URL_L1, true);
    enable(IDC_URL_L2, twoLanguages());
    enable(IDC_EDIT_PROCEDURE_L1, false);
    enable(IDC_EDIT_PROCEDURE_L2, false);
    setChecked(IDC_STEP_HYPERLINKS, false);
    enable(IDC_STEP_HYPERLINKS, false);
}

void CActivityAttrDialogView::showAvailable(bool (*passes)(const ProcessItem& item)) {
    auto* available = static_cast<wxListBox*>(FindWindow(IDC_AVAILABLE));
    available->Clear();
    ItemListePlus* items = m_attributes.m_project ? m_attributes.m_project->getItemList() : nullptr;
    for (int i = 1; items && i <= items->count(); ++i)
        if (auto* item = dynamic_cast<ProcessItem*>(items->at(i)); item && passes(*item))
            available->Append(toWx(references::itemLabel(item)), item);
}

void CActivityAttrDialogView::OnShowProcedures() {
    showAvailable(isProcedure);
}
void CActivityAttrDialogView::OnShowWorkflows() {
    showAvailable(isWorkflow);
}
void CActivityAttrDialogView::OnShowActivities() {
    showAvailable(isActivity);
}
void CActivityAttrDialogView::OnShowDualItems() {
    showAvailable(isDual);
}

void CActivityAttrDialogView::OnDerivedActivityCheck() {
    const bool derived = isChecked(IDC_DERIVED);
    enable(IDC_DERIVED_FROM, derived);
    if (derived)
        return;
    static_cast<wxChoice*>(FindWindow(IDC_DERIVED_FROM))->SetSelection(0);
    m_attributes.m_derivedFrom = nullptr;
}

void CActivityAttrDialogView::OnSelchangeDerivedFrom() {
    auto* derivedFrom = static_cast<wxChoice*>(FindWindow(IDC_DERIVED_FROM));
    const int selected = derivedFrom->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    auto* base = static_cast<ProcessItem*>(derivedFrom->GetClientData(static_cast<unsigned>(selected)));
    if (base && m_attributes.wouldMakeCycle(base)) {
        CString message;
        message.Format(loadString(33482), base->getName().GetString());
        ui::AfxMessageBox(message);
        // The choice goes back to what it was.
        pageLists::selectByData(derivedFrom, m_attributes.m_derivedFrom);
        return;
    }
    m_attributes.m_derivedFrom = base;
}

void CActivityAttrDialogView::editProcedure(int language) {
    Project* project = m_attributes.m_project;
    if (!project)
        return;
    const CString folder = project->getProjectDirectory() + m_attributes.m_item->getFolder(1, 1);
    CDHtmlEditDlg editor(dynamic_cast<ProcessManager*>(project), m_attributes.m_item, 0,
                         folder + ItemActivity::getProcedurePageName(language),
                         "edit procedure of " + m_attributes.m_item->getName(), folder, 1, language, this);
    editor.DoModal();
}
