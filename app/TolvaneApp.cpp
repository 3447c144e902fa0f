#include "TolvaneApp.h"

#include "AppProfile.h"
#include "ExtendedPictureHolder.h"
#include "FileSystem.h"
#include "MenuCreatorDlg.h"
#include "ProcessRunner.h"
#include "SheetEditing.h"
#include "StringTable.h"
#include "UserInterface.h"
#include "WxUserInterface.h"

#include <wx/gauge.h>
#include <wx/image.h>

#include <filesystem>

namespace {

// The command line in the program's code page; a path with accents stays whole.
std::vector<CString> g_arguments;

} // namespace

void CTolvaneApp::setArguments(int argc, char** argv) {
    g_arguments.clear();
    for (int i = 0; i < argc; ++i)
        g_arguments.push_back(platform::fromDiskName(argv[i]));
}

bool CTolvaneApp::OnInit() {
    // No wxApp::OnInit: the command line is the program's own (a project path).
    m_projectPath = getCommandLineProject(g_arguments);
    wxInitAllImageHandlers();
    m_userInterface = new WxUserInterface;
    ui::install(m_userInterface);
    m_editing = new SheetEditing;
    EditingService::install(m_editing);
    AppProfile::setRegistryKey("Maravex Process");
    return true;
}

int CTolvaneApp::OnRun() {
    return InitInstance();
}

int CTolvaneApp::OnExit() {
    EditingService::install(nullptr);
    delete m_editing;
    m_editing = nullptr;
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

CString CTolvaneApp::getCommandLineProject(const std::vector<CString>& arguments) {
    for (size_t i = 1; i < arguments.size(); ++i)
        if (!arguments[i].IsEmpty() && arguments[i][0] != '-')
            return absolutePath(arguments[i]);
    return CString();
}

CString CTolvaneApp::absolutePath(const CString& path) {
    if (path.IsEmpty() || path[0] == '/')
        return path;
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error)
        return path;
    CString relative = path;
    while (relative.Left(2) == "./")
        relative = relative.Mid(2);
    CString folder = platform::fromDiskName(current.string());
    if (folder.Right(1) != "/")
        folder += "/";
    return relative == "." ? folder : folder + relative;
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
    // The program ends with its "exe"; an "exe" inside a folder name is no end.
    for (int exe = path.Find("exe"); exe >= 0; exe = path.Find("exe", exe + 1)) {
        const int next = exe + 3;
        if (next == path.GetLength() || path[next] == ' ' || path[next] == '"') {
            path = path.Left(next);
            break;
        }
    }
    return path;
}

CString getBrowserPath(CString& path) {
    if (path.IsEmpty())
        path = browserPathFromCommand(process::browserCommand());
    return path;
}

CString browserAddress(const CString& address, const CString& browser) {
    CString target = address;
    if (!process::isAddress(target))
        target = "file://" + target;
    target.Replace("\\", "/");
    target.Replace(" ", "%20");
    CString lower = browser;
    lower.MakeLower();
    if (lower.Find("iexplore") > 0)
        target.Replace("%20", " ");
    return target;
}

bool openInBrowser(const CString& address) {
    CString browser;
    getBrowserPath(browser);
    if (browser.IsEmpty()) {
        CString message;
        message.Format(loadString(33404), platform::shownPath(address).GetString());
        ui::AfxMessageBox(message, MB_OK | MB_ICONSTOP);
        return false;
    }
    return process::startBrowser(browser, browserAddress(address, browser), address);
}

wxBitmap programIcon(int size) {
    ExtendedPictureHolder picture;
    if (!picture.loadFromFile(getApplicationFolder() + "/Data/Common/applet/IconImages/wfdtree.gif"))
        return wxBitmap();
    wxImage image = picture.getHandle()->ConvertToImage();
    if (image.GetWidth() != size)
        image.Rescale(size, size, wxIMAGE_QUALITY_NEAREST);
    return wxBitmap(image);
}
