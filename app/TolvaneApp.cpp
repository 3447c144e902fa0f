#include "TolvaneApp.h"

#include "AppProfile.h"
#include "FileSystem.h"
#include "MenuCreatorDlg.h"
#include "ProcessRunner.h"
#include "UserInterface.h"
#include "WxUserInterface.h"

#include <wx/gauge.h>
#include <wx/image.h>

bool CTolvaneApp::OnInit() {
    // No wxApp::OnInit: the command line is the program's own (a project path).
    m_projectPath = getCommandLineProject(argc, argv);
    wxInitAllImageHandlers();
    m_userInterface = new WxUserInterface;
    ui::install(m_userInterface);
    AppProfile::setRegistryKey("Maravex Process");
    return true;
}

int CTolvaneApp::OnRun() {
    return InitInstance();
}

int CTolvaneApp::OnExit() {
    ui::install(nullptr);
    delete m_userInterface;
    m_userInterface = nullptr;
    return wxApp::OnExit();
}

int CTolvaneApp::InitInstance() {
    auto* dialog = new CMenuCreatorDlg(m_projectPath, nullptr);
    SetTopWindow(dialog);
    m_userInterface->setProgressBar(static_cast<wxGauge*>(dialog->FindWindow(CMenuCreatorDlg::IDC_PROGRESS)));
    dialog->DoModal();
    m_userInterface->setProgressBar(nullptr);
    dialog->Destroy();
    return 0;
}

void CTolvaneApp::OnHelp() {
    openInBrowser("file://" + getApplicationFolder() + "/User_reference/Documentation.htm");
}

CString CTolvaneApp::getCommandLineProject(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        if (arg[0] != '-')
            return CString(arg);
    }
    return CString();
}

CString browserPathFromCommand(const CString& command) {
    CString path = command;
    if (path.IsEmpty())
        return path;
    if (path.Find('"') < 0) {
        const int slash = path.ReverseFind('\\');
        if (slash > 0) {
            const int blank = path.Find(' ', slash);
            if (blank >= 0)
                path = path.Left(blank);
        }
    } else {
        const int first = path.Find('"');
        const int last = path.ReverseFind('"');
        if (first != last)
            path = path.Mid(first + 1, last - first - 1);
    }
    const int exe = path.Find("exe");
    if (exe >= 0)
        path = path.Left(exe + 3);
    return path;
}

CString getBrowserPath(CString& path) {
    if (path.IsEmpty())
        path = browserPathFromCommand(process::browserCommand());
    return path;
}

void openInBrowser(const CString& address) {
    CString target = address;
    target.Replace("\\", "/");
    target.Replace(" ", "%20");
    CString browser;
    getBrowserPath(browser);
    CString lower = browser;
    lower.MakeLower();
    if (lower.Find("iexplore") > 0)
        target.Replace("%20", " ");
    if (!browser.IsEmpty())
        process::run({browser, target}, false);
}
