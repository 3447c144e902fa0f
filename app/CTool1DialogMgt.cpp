#include "CTool1DialogMgt.h"

#include "Item.h"
#include "ProcessManager.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TolvaneDialog.h"
#include "ToolDialogs.h"
#include "ToolsPage.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/sizer.h>

namespace {

struct Button {
    int id;
    const char* caption;
};
const Button kButtons[] = {
    {CTool1DialogMgt::IDC_IMPORT_STRUCTURE, "Import structure from files"},
    {CTool1DialogMgt::IDC_CHANGE_URL, "Change external URL prefix"},
    {CTool1DialogMgt::IDC_VIEW_LOG, "View log file"},
    {CTool1DialogMgt::IDC_CLEAN_UP, "Clean up"},
    {CTool1DialogMgt::IDC_DUAL_CHILD_LINKS, "Generate child links on dual"},
    {CTool1DialogMgt::IDC_EXPORT_ITEMS, "Export items attributes"},
    {CTool1DialogMgt::IDC_IMPORT_ITEMS, "Import items attributes"},
    {CTool1DialogMgt::IDC_SINGLE_EXPORT, "Single item export"},
    {CTool1DialogMgt::IDC_SINGLE_IMPORT, "Single item import"},
    {CTool1DialogMgt::IDC_SET_UID, "Set UID"},
};

} // namespace

CTool1DialogMgt::CTool1DialogMgt(wxWindow* parent, ToolsPage& page)
    : PropertyPageView(parent, page), m_project(page.getProject()), m_selected(page.getSelected()) {
    auto* grid = new wxGridSizer(2, 6, 8);
    for (const Button& button : kButtons)
        grid->Add(new wxButton(this, button.id, button.caption), 0, wxEXPAND);
    // The buttons keep their height on a page as tall as the sheet's tallest.
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(grid, 0, wxEXPAND);
    finishLayout(content);

    const std::pair<int, void (CTool1DialogMgt::*)()> handlers[] = {
        {IDC_IMPORT_STRUCTURE, &CTool1DialogMgt::OnImportStructure},
        {IDC_CHANGE_URL, &CTool1DialogMgt::OnChangeUrl},
        {IDC_VIEW_LOG, &CTool1DialogMgt::OnViewLogFile},
        {IDC_CLEAN_UP, &CTool1DialogMgt::OnCleanUp},
        {IDC_DUAL_CHILD_LINKS, &CTool1DialogMgt::OnDualChildLinks},
        {IDC_EXPORT_ITEMS, &CTool1DialogMgt::OnExportItems},
        {IDC_IMPORT_ITEMS, &CTool1DialogMgt::OnImportItems},
        {IDC_SINGLE_EXPORT, &CTool1DialogMgt::OnSingleExport},
        {IDC_SINGLE_IMPORT, &CTool1DialogMgt::OnSingleImport},
        {IDC_SET_UID, &CTool1DialogMgt::OnSetUid},
    };
    for (const auto& [id, handler] : handlers)
        Bind(
            wxEVT_BUTTON, [this, handler = handler](wxCommandEvent&) { (this->*handler)(); }, id);
}

Item* CTool1DialogMgt::selectedItem() const {
    if (!m_selected)
        ui::AfxMessageBox(loadString(33023));
    return m_selected;
}

void CTool1DialogMgt::OnImportStructure() {
    // The dialog's "Create" runs the import itself.
    CCreateSite dialog(m_project, m_selected, this);
    dialog.DoModal();
}

void CTool1DialogMgt::OnChangeUrl() {
    CChangeUrl dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    ui::WaitCursor wait;
    m_project->replaceUrlPrefix(dialog.m_oldPrefix, dialog.m_newPrefix);
}

void CTool1DialogMgt::OnViewLogFile() {
    m_project->viewLogFile();
}

void CTool1DialogMgt::OnDualChildLinks() {
    Item* item = selectedItem();
    if (!item)
        return;
    if (ui::AfxMessageBox(loadString(33067) + item->getName(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    ui::WaitCursor wait;
    m_project->generateDualChildLinks(item, 0);
    if (StdOption::instance().getTwoLanguages())
        m_project->generateDualChildLinks(item, 1);
}

void CTool1DialogMgt::OnCleanUp() {
    CleanUpDialogMgt dialog(this);
    if (dialog.DoModal() != IDOK)
        return;
    ui::WaitCursor wait;
    if (dialog.m_deleteVtiCnf)
        m_project->deleteFolderTree(m_project->getProjectDirectory());
    if (dialog.m_deleteTemp)
        m_project->removeTmpFolder();
    if (dialog.m_deleteTreeBackup)
        m_project->removeSaveFolder();
}

void CTool1DialogMgt::OnExportItems() {
    ui::WaitCursor wait;
    m_project->exportItems();
}

void CTool1DialogMgt::OnImportItems() {
    importChosenFile("", [this](const CString& path) { m_project->importItems(path); });
}

void CTool1DialogMgt::importChosenFile(const CString& proposedName,
                                       const std::function<void(const CString&)>& import) {
    const CString path = TolvaneDialog::chooseFileToOpen(this, proposedName);
    if (path.IsEmpty())
        return;
    ui::WaitCursor wait;
    import(path);
}

void CTool1DialogMgt::OnSingleExport() {
    Item* item = selectedItem();
    if (!item)
        return;
    if (item->getKind() == kShortcut || item->getKind() == kExternal) {
        ui::AfxMessageBox(loadString(33068));
        return;
    }
    CExPItemDlgMgt dialog(this);
    dialog.m_itemName = item->getName();
    if (dialog.DoModal() != IDOK)
        return;
    ui::WaitCursor wait;
    m_project->exportOneItem(item, dialog.m_description);
}

void CTool1DialogMgt::OnSingleImport() {
    importChosenFile("export.d1i", [this](const CString& path) { m_project->importOneItem(path); });
}

void CTool1DialogMgt::OnSetUid() {
    Item* item = selectedItem();
    if (!item)
        return;
    CSetUidDialogMgt dialog(m_project, item, this);
    if (dialog.DoModal() == IDOK)
        m_project->setItemUid(item, dialog.m_uid);
}
