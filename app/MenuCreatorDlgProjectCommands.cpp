// The main window's commands on the project as a whole: a project created,
// opened or reopened, the site and the one-page document generated, the
// site's tree pages rewritten, a subtree exported and imported, a word
// searched for in every item, the user manual and the site in the browser.

#include "MenuCreatorDlg.h"

#include "AppProfile.h"
#include "CNewProjectDlgMgt.h"
#include "DocGenerationDlgMgt.h"
#include "FileSystem.h"
#include "Item.h"
#include "ItemClasses.h"
#include "ProcessManager.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TolvaneApp.h"
#include "TolvaneDialog.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/filedlg.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

void CMenuCreatorDlg::runOnProject(const std::function<void(ProcessManager&)>& work) {
    // The windows take no input while a command runs; should a command
    // still arrive from inside it, it is not run on top of the first.
    if (!m_project || m_running)
        return;
    m_running = true;
    {
        ui::WaitCursor wait;
        work(*m_project);
    }
    endRun();
    m_tree->SetFocus();
}

bool CMenuCreatorDlg::replaceProject(const CString& settingsPath) {
    if (m_running)
        return false;
    // A path that names no project (a file gone since, a folder, a file
    // without its tree) is told, and the open project stays open: nothing
    // is created beside the path.
    const CString problem = Project::checkProjectFiles(settingsPath, 0);
    if (!problem.IsEmpty()) {
        ui::AfxMessageBox(problem, MB_OK | MB_ICONSTOP);
        return false;
    }
    m_running = true;
    m_linkRefreshTimer.Stop();
    {
        ui::WaitCursor wait;
        // The project closed keeps a site that shows its tree, as it would
        // when the program ends.
        publishTree();
        // The tree lets go of the old project's items before they go, and
        // only one project exists at a time.
        m_tree->DeleteAllItems();
        m_tree->setProject(nullptr);
        for (int id : {IDC_SELECTED_NAME, IDC_SELECTED_NAME_L2, IDC_SELECTED_UID, IDC_SELECTED_CLASS})
            static_cast<wxTextCtrl*>(FindWindow(id))->Clear();
        m_project.reset();
        // It loads its tree into the window and refreshes its links at once.
        m_project = std::make_unique<ProcessManager>(settingsPath, this, 0, 0);
        m_tree->setProject(m_project.get());
    }
    // The buttons follow the new project once the input is taken again.
    if (m_project->isTreeLoaded())
        enableProjectButtons();
    else
        disableProjectButtons();
    endRun();
    m_tree->SetFocus();
    return true;
}

void CMenuCreatorDlg::OnNew() {
    CNewProjectDlgMgt dialog(this);
    dialog.DoModal();
    const CString path = dialog.getProjectFile();
    if (path.IsEmpty())
        return;
    if (!replaceProject(path))
        return;
    if (m_project->isTreeLoaded()) {
        StdOption::instance().setSiteName(dialog.getProjectName());
        m_project->showWindowTitle();
    }
    AppProfile::WriteProfileString("File", "Last", path);
}

void CMenuCreatorDlg::OnOpen() {
    wxFileDialog open(this, "Open", "", "", "Tolvane project file (*.tvx)|*.tvx",
                      wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (TolvaneDialog::runModal(open) != wxID_OK)
        return;
    const CString path = TolvaneDialog::chosenPath(open);
    if (replaceProject(path))
        AppProfile::WriteProfileString("File", "Last", path);
}

void CMenuCreatorDlg::OnOpenLast() {
    const CString path = AppProfile::GetProfileString("File", "Last");
    if (path.IsEmpty())
        return;
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
        CString message;
        message.Format(loadString(32979), platform::shownPath(path).GetString());
        ui::AfxMessageBox(message);
        return;
    }
    replaceProject(path);
}

void CMenuCreatorDlg::OnSiteGeneration() {
    runOnProject([](ProcessManager& project) { project.generate(); });
}

void CMenuCreatorDlg::OnDocGeneration() {
    if (!m_project || m_running)
        return;
    if (!m_project->isProcessMode()) {
        // A plain site: every item's page in one document, without a choice.
        runOnProject([](ProcessManager& project) {
            project.exportOnePageProcess(0);
            if (StdOption::instance().getTwoLanguages())
                project.exportOnePageProcess(1);
        });
        return;
    }
    DocGenerationDlgMgt dialog(m_project.get(), kDisciplineClass, this);
    dialog.DoModal();
    ProcessItem* workflow = dialog.getWorkflow();
    ProcessItem* discipline = dialog.getDiscipline();
    if (!workflow && !discipline) {
        m_tree->SetFocus();
        return;
    }
    runOnProject([workflow, discipline](ProcessManager& project) {
        project.exportOnePageProcess(0, workflow, discipline);
        if (StdOption::instance().getTwoLanguages())
            project.exportOnePageProcess(1, workflow, discipline);
    });
}

void CMenuCreatorDlg::OnUpdateTree() {
    runOnProject([](ProcessManager& project) { project.createSiteFrames(); });
}

void CMenuCreatorDlg::OnExport() {
    Item* item = itemOf(selectedItemNode());
    if (!m_project || !item) {
        ui::AfxMessageBox(loadString(33023));
        return;
    }
    if (item->getKind() != kDual) {
        ui::AfxMessageBox(loadString(33068));
        return;
    }
    CString question;
    question.Format(loadString(33069), item->getName().GetString());
    if (ui::AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    runOnProject([item](ProcessManager& project) { project.exportItemsFull(item); });
}

void CMenuCreatorDlg::OnImport() {
    if (!m_project)
        return;
    // The exports lie in the project's "tmp" folder.
    wxFileDialog open(this, "Import", toWx(m_project->getProjectDirectory() + "tmp"), "export.dat",
                      wxFileSelectorDefaultWildcardStr, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (TolvaneDialog::runModal(open) != wxID_OK)
        return;
    const CString path = TolvaneDialog::chosenPath(open);
    runOnProject([&path](ProcessManager& project) { project.importItemsFull(path); });
}

void CMenuCreatorDlg::OnSearch() {
    const CString text = fromWx(static_cast<wxTextCtrl*>(FindWindow(IDC_WORD))->GetValue());
    if (text.IsEmpty()) {
        ui::AfxMessageBox(loadString(33037));
        return;
    }
    runOnProject([&text](ProcessManager& project) { project.searchText(text, 0); });
}

void CMenuCreatorDlg::OnUserManual() {
    CTolvaneApp::OnHelp();
}

void CMenuCreatorDlg::OnViewWebsite() {
    if (m_project)
        openInBrowser(m_project->getProjectDirectory() + "index.htm");
}
