#pragma once

// The application: it builds the main window with the project named on the
// command line, runs it modally and ends when it closes. It also opens pages
// in the web browser, for the help command and the main window.

#include "CString.h"

#include <vector>
#include <wx/app.h>
#include <wx/bitmap.h>

class SheetEditing;
class GuiWorkflowDialogs;
class WxUserInterface;

class CTolvaneApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

    // Runs the program: the main window, modally. Answers the exit code.
    int InitInstance();
    // The help command: the user manual in the browser.
    static void OnHelp();

    // The arguments as the system gave them (file-system names), to be read
    // before wxWidgets starts.
    static void setArguments(int argc, char** argv);
    // The project path of the command line (the program first): its first
    // argument that is not a switch, made absolute, so that the project's
    // folder and the path remembered as the last project name the same file
    // whatever the current folder is later.
    static CString getCommandLineProject(const std::vector<CString>& arguments);
    // A path relative to the current folder made absolute; "./" pieces in
    // front are dropped.
    static CString absolutePath(const CString& path);

private:
    CString m_projectPath;
    WxUserInterface* m_userInterface = nullptr;
    // Runs the property sheets that items open.
    SheetEditing* m_editing = nullptr;
    GuiWorkflowDialogs* m_workflowDialogs = nullptr;
};

// The browser program: path as given, or, when it is empty, the program of
// the desktop's registered command for web addresses. A quoted program keeps
// what stands between the first and the last quote, an unquoted one is cut
// at the first blank after its last '\'; a path holding a program name that
// ends in "exe" ends there.
CString getBrowserPath(CString& path);
// The same cutting applied to a registered command line.
CString browserPathFromCommand(const CString& command);
// Opens an address or a file in the browser: '\' becomes '/' and blanks
// "%20" (blanks stay for a browser whose path names "iexplore"). A file path
// goes as a "file://" address, the form in which the desktop's opener
// reads "%20". Without a browser, or when it cannot be started, the user is
// told and the answer is false; a browser that fails later is reported then.
bool openInBrowser(const CString& address);
// The address openInBrowser hands to that browser.
CString browserAddress(const CString& address, const CString& browser);
// The program's picture (the workflow icon of the program's data) at a
// size in pixels; an empty bitmap when the data is missing.
wxBitmap programIcon(int size);
