#include "ToolDialogs.h"

#include "Item.h"
#include "Project.h"
#include "StringTable.h"
#include "UserInterface.h"
#include "WinTypes.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

// ----- CCreateSite -----

CCreateSite::CCreateSite(Project* project, Item* selected, wxWindow* parent)
    : TolvaneDialog(parent, "Import structure from a directory structure"), m_project(project),
      m_selected(selected) {
    if (selected)
        m_itemName = selected->getName();
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(new wxRadioButton(this, IDC_WHOLE_SITE, "Import the wole site structure", wxDefaultPosition,
                                   wxDefaultSize, wxRB_GROUP));
    content->Add(new wxRadioButton(this, IDC_FROM_SELECTED, "Import the site structure from selected item"),
                 0, wxTOP, 6);
    wxTextCtrl* name = newEdit(IDC_SELECTED_NAME, 0, 30);
    name->Disable();
    content->Add(name, 0, wxEXPAND | wxLEFT | wxTOP, 6);
    auto* overwrite = new wxCheckBox(this, IDC_OVERWRITE, "Overwrite existing overview.html files ?");
    overwrite->Hide();
    overwrite->Disable();
    content->Add(overwrite);
    finishLayout(content);
    FindWindow(wxID_OK)->SetLabel("Create");
    exchangeText(IDC_SELECTED_NAME, &m_itemName);
    exchangeCheck(IDC_OVERWRITE, &m_overwrite);
}

bool CCreateSite::OnInitDialog() {
    setChecked(IDC_FROM_SELECTED, true);
    return TolvaneDialog::OnInitDialog();
}

void CCreateSite::OnOK() {
    const bool fromSelected = isChecked(IDC_FROM_SELECTED);
    TolvaneDialog::OnOK();
    // Without a selected item the whole site is imported.
    Item* start = fromSelected ? m_selected : nullptr;
    if (!m_project->canImportFolderTree(start))
        return;
    // The items below the start leave the tree for good: the user says so first.
    if (const int going = m_project->countSubtree(start); going > 0) {
        CString question;
        if (start)
            question.Format(loadString(33485), going, start->getName().GetString());
        else
            question.Format(loadString(33486), going);
        if (ui::AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
            return;
    }
    ui::WaitCursor wait;
    m_project->importFolderTree(start);
}

// ----- CChangeUrl -----

CChangeUrl::CChangeUrl(wxWindow* parent) : TolvaneDialog(parent, "Change URL prefix") {
    auto* form = newForm();
    addFormRow(form, wxID_ANY, "Old URL prefix", newEdit(IDC_OLD_PREFIX, 0, 40));
    addFormRow(form, wxID_ANY, "New URL prefix", newEdit(IDC_NEW_PREFIX, 0, 40));
    finishLayout(form);
    exchangeText(IDC_OLD_PREFIX, &m_oldPrefix);
    exchangeText(IDC_NEW_PREFIX, &m_newPrefix);
}

// ----- CleanUpDialogMgt -----

CleanUpDialogMgt::CleanUpDialogMgt(wxWindow* parent) : TolvaneDialog(parent, "Clean up") {
    auto* content = new wxBoxSizer(wxVERTICAL);
    for (auto [id, caption, member] :
         {std::tuple{IDC_TEMP, "Delete temp directory (deleted item backup, reports, exports) ",
                     &m_deleteTemp},
          std::tuple{IDC_TREE_BACKUP, "Delete treeview backup", &m_deleteTreeBackup},
          std::tuple{IDC_VTI_CNF, "Delete Frontpage _vti_cnf", &m_deleteVtiCnf}}) {
        content->Add(new wxCheckBox(this, id, caption), 0, wxBOTTOM, 6);
        exchangeCheck(id, member);
    }
    finishLayout(content);
}

// ----- CSetUidDialogMgt -----

CSetUidDialogMgt::CSetUidDialogMgt(Project* project, Item* item, wxWindow* parent)
    : TolvaneDialog(parent, "Set UID"), m_project(project), m_item(item) {
    m_itemName = item->getName();
    m_uid = item->getUid();
    auto* form = newForm();
    wxTextCtrl* name = newEdit(IDC_ITEM_NAME, 0, 30);
    name->Disable();
    addFormRow(form, wxID_ANY, "Item name", name);
    addFormRow(form, wxID_ANY, "UID", newEdit(IDC_UID, 0, 20));
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(form, 0, wxEXPAND);
    for (const char* line :
         {"Warning - UID shall never be changed if item", "is linked to another item as an attribute"}) {
        auto* warning = new wxStaticText(this, wxID_ANY, line);
        warning->Disable();
        content->Add(warning, 0, wxTOP, 4);
    }
    finishLayout(content);
    exchangeText(IDC_ITEM_NAME, &m_itemName);
    exchangeText(IDC_UID, &m_uid);
}

void CSetUidDialogMgt::OnOK() {
    // Uids are kept upper-case, as the program makes every new one.
    CString uid = getText(IDC_UID);
    uid.Trim();
    uid.MakeUpper();
    setText(IDC_UID, uid);
    if (!m_project->checkNewUid(m_item, uid))
        return;
    TolvaneDialog::OnOK();
}

// ----- CExPItemDlgMgt -----

CExPItemDlgMgt::CExPItemDlgMgt(wxWindow* parent) : TolvaneDialog(parent, "Export item") {
    auto* form = newForm();
    wxTextCtrl* name = newEdit(IDC_ITEM_NAME, 0, 30);
    name->Disable();
    addFormRow(form, wxID_ANY, "Item Name", name);
    addFormRow(form, wxID_ANY, "Export Description", newEdit(IDC_DESCRIPTION, 0, 40));
    finishLayout(form);
    exchangeText(IDC_ITEM_NAME, &m_itemName);
    exchangeText(IDC_DESCRIPTION, &m_description);
}

// ----- CAATable -----

CAATable::CAATable(const std::vector<CString>& allDisciplines, std::vector<CString>& chosenDisciplines,
                   const CString& itemName, wxWindow* parent)
    : TolvaneDialog(parent, "Activity-Artefact table generation"), m_itemName(itemName),
      m_all(allDisciplines), m_chosen(chosenDisciplines) {
    auto* form = newForm();
    wxTextCtrl* name = newEdit(IDC_ITEM_NAME, 0, 30);
    name->Disable();
    addFormRow(form, wxID_ANY, "Item to generate table on", name);
    const wxSize listSize(FromDIP(180), FromDIP(160));
    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    lists->Add(new wxListBox(this, IDC_ALL, wxDefaultPosition, listSize, 0, nullptr, wxLB_SORT | wxLB_SINGLE),
               1, wxEXPAND);
    auto* moves = new wxBoxSizer(wxVERTICAL);
    moves->Add(new wxButton(this, IDC_ADD, ">>  Add"), 0, wxEXPAND | wxBOTTOM, 6);
    moves->Add(new wxButton(this, IDC_REMOVE, "<< Remove"), 0, wxEXPAND);
    lists->Add(moves, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 8);
    lists->Add(
        new wxListBox(this, IDC_CHOSEN, wxDefaultPosition, listSize, 0, nullptr, wxLB_SORT | wxLB_SINGLE), 1,
        wxEXPAND);
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(form, 0, wxEXPAND);
    content->Add(new wxCheckBox(this, IDC_ITALIC, "Artefact external to selected disciplines in italic ?"), 0,
                 wxTOP | wxBOTTOM, 8);
    content->Add(newGroup(wxID_ANY, "Select discipline", lists), 1, wxEXPAND);
    finishLayout(content);
    exchangeText(IDC_ITEM_NAME, &m_itemName);
    exchangeCheck(IDC_ITALIC, &m_italic);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnAdd(); }, IDC_ADD);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnRemove(); }, IDC_REMOVE);
}

bool CAATable::OnInitDialog() {
    auto* all = static_cast<wxListBox*>(FindWindow(IDC_ALL));
    for (const CString& name : m_all)
        all->Append(toWx(name));
    auto* chosen = static_cast<wxListBox*>(FindWindow(IDC_CHOSEN));
    for (const CString& name : m_chosen)
        chosen->Append(toWx(name));
    controls::fitListsToEntries(this, {IDC_ALL, IDC_CHOSEN});
    return TolvaneDialog::OnInitDialog();
}

void CAATable::OnAdd() {
    controls::copySelectedEntry(this, IDC_ALL, IDC_CHOSEN);
}

void CAATable::OnRemove() {
    controls::deleteSelectedEntry(this, IDC_CHOSEN);
}

void CAATable::OnOK() {
    auto* chosen = static_cast<wxListBox*>(FindWindow(IDC_CHOSEN));
    m_chosen.clear();
    for (unsigned i = 0; i < chosen->GetCount(); ++i)
        m_chosen.push_back(fromWx(chosen->GetString(i)));
    TolvaneDialog::OnOK();
}
