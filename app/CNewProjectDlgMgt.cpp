#include "CNewProjectDlgMgt.h"

#include "FileFinder.h"
#include "FileSystem.h"
#include "Item.h"
#include "Project.h"
#include "StringTable.h"
#include "TextInStream.h"
#include "TolvaneApp.h"
#include "TreeChecks.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/dirdlg.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <algorithm>

namespace {

// The settings file every site template brings.
const char* const kTemplateSettingsFile = "project.tvx";
const char* const kTemplateDescriptionFile = "templateDescription.txt";

// The folder without the separators that may end it (the root stays "/").
CString withoutTrailingSeparators(CString folder) {
    while (folder.GetLength() > 1 && (folder.Right(1) == "/" || folder.Right(1) == "\\"))
        folder = folder.Left(folder.GetLength() - 1);
    return folder;
}

void tell(UINT id, const CString& first, const CString& second = CString(),
          const CString& third = CString()) {
    CString message;
    message.Format(loadString(id), first.GetString(), second.GetString(), third.GetString());
    ui::AfxMessageBox(message, MB_OK | MB_ICONSTOP);
}

} // namespace

CNewProjectDlgMgt::CNewProjectDlgMgt(wxWindow* parent) : TolvaneDialog(parent, "New project creation") {
    m_templates = new wxListBox(this, IDC_TEMPLATES, wxDefaultPosition, wxSize(160, 240), 0, nullptr,
                                wxLB_SINGLE | wxLB_SORT);
    m_templates->Bind(wxEVT_LISTBOX, [this](wxCommandEvent&) { OnSelchangeTemplates(); });
    auto* description = new wxTextCtrl(this, IDC_DESCRIPTION, "", wxDefaultPosition, wxSize(440, 240),
                                       wxTE_MULTILINE | wxTE_READONLY | wxVSCROLL | wxTE_WORDWRAP);

    auto* templates = new wxFlexGridSizer(2, 6, 10);
    templates->AddGrowableCol(1);
    templates->AddGrowableRow(1);
    templates->Add(new wxStaticText(this, wxID_ANY, "Template"));
    templates->Add(new wxStaticText(this, wxID_ANY, "Description"));
    templates->Add(m_templates, 1, wxEXPAND);
    templates->Add(description, 1, wxEXPAND);

    auto* form = newForm();
    addFormRow(form, wxID_ANY, "Project name", newEdit(IDC_PROJECT_NAME, 0, 32));
    auto* location = new wxBoxSizer(wxHORIZONTAL);
    location->Add(newEdit(IDC_LOCATION, 0, 32), 1, wxALIGN_CENTER_VERTICAL);
    // As tall as the edit beside it, and wide enough to be hit.
    auto* browse = new wxButton(this, IDC_BROWSE, "...", wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT);
    browse->SetMinSize(wxSize(std::max(browse->GetBestSize().x, 36), -1));
    browse->SetToolTip("Choose the folder in which the project folder is made");
    browse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnBrowse(); });
    location->Add(browse, 0, wxLEFT | wxEXPAND, 4);
    addFormRow(form, wxID_ANY, "Location", location);

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(templates, 1, wxEXPAND);
    content->Add(form, 0, wxEXPAND | wxTOP, 12);
    finishLayout(content);
}

CString CNewProjectDlgMgt::getTemplatesFolder() {
    return getApplicationFolder() + "/Data/SiteTemplates";
}

bool CNewProjectDlgMgt::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    forEachFolderEntry(getTemplatesFolder(), [this](const CString& name, DWORD attributes) {
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && name.Left(1) != "_")
            m_templates->Append(toWx(name));
        return true;
    });
    return true;
}

void CNewProjectDlgMgt::OnSelchangeTemplates() {
    const int selected = m_templates->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    CString text;
    TextInStream in(getTemplatesFolder() + "/" + fromWx(m_templates->GetString(selected)) + "/" +
                    kTemplateDescriptionFile);
    CString line;
    while (in.is_open() && in.getline(line, 1000))
        text += line + "\n";
    setText(IDC_DESCRIPTION, text);
}

CString CNewProjectDlgMgt::getPickerFolder() const {
    const CString location = getText(IDC_LOCATION);
    if (!location.IsEmpty() && platform::folderExists(location))
        return location;
    return platform::fromDiskName(wxGetHomeDir().utf8_string());
}

void CNewProjectDlgMgt::OnBrowse() {
    wxDirDialog picker(this, toWx(loadString(33167)), toWx(getPickerFolder()),
                       wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (runModal(picker) != wxID_OK)
        return;
    const CString path = chosenPath(picker);
    if (!path.IsEmpty())
        setText(IDC_LOCATION, path);
}

CString CNewProjectDlgMgt::checkEntries(const CString& location, const CString& name) {
    CString reasons;
    auto add = [&reasons](const CString& reason) {
        if (!reasons.IsEmpty())
            reasons += "\n";
        reasons += reason;
    };
    const bool validLocation = !location.IsEmpty() && platform::folderExists(location);
    if (location.IsEmpty())
        add(loadString(33162));
    else if (!validLocation)
        add(loadString(33163));
    if (name.IsEmpty())
        add(loadString(33164));
    else if (!checkItemName(name))
        add(loadString(32973));
    // The folder the project would get, not the name as typed, must be free.
    if (validLocation && !name.IsEmpty() && platform::pathExists(location + "/" + toFileName(name, 1)))
        add(loadString(33169));
    if (m_templates->GetSelection() == wxNOT_FOUND)
        add(loadString(33165));
    return reasons;
}

void CNewProjectDlgMgt::OnOK() {
    const CString typedLocation = getText(IDC_LOCATION);
    const CString location = typedLocation.IsEmpty()
                                 ? typedLocation
                                 : withoutTrailingSeparators(CTolvaneApp::absolutePath(typedLocation));
    const CString name = getText(IDC_PROJECT_NAME);
    const CString reasons = checkEntries(location, name);
    if (!reasons.IsEmpty()) {
        ui::AfxMessageBox(loadString(33166) + "\n" + reasons, MB_OK | MB_ICONSTOP);
        return;
    }
    const CString templateName = fromWx(m_templates->GetStringSelection());
    endDialog(wxID_OK);
    const CString safeName = toFileName(name, 1);
    if (createProject(location, safeName, templateName)) {
        m_projectFile = location + "/" + safeName + "/" + safeName + ".tvx";
        m_projectName = safeName;
    }
}

bool CNewProjectDlgMgt::createProject(const CString& location, const CString& safeName,
                                      const CString& templateName) {
    ui::WaitCursor wait;
    const CString folder = location + "/" + safeName;
    if (!CreateDirectoryA(folder, nullptr)) {
        CString message;
        message.Format(loadString(32965), platform::shownPath(folder).GetString());
        ui::AfxMessageBox(message + "\n(" + platform::lastErrorText() + ")", MB_OK | MB_ICONSTOP);
        return false;
    }
    if (fillProjectFolder(folder, safeName, templateName))
        return true;
    // Nothing of a project that could not be made stays on the disk.
    if (!platform::deleteTree(folder))
        tell(33471, platform::shownPath(folder), platform::lastErrorText());
    return false;
}

bool CNewProjectDlgMgt::fillProjectFolder(const CString& folder, const CString& safeName,
                                          const CString& templateName) {
    // The common files first; the template's own then go beside them, into
    // the top-level folders they share, but never over one of their files.
    if (!Project::copyFolderTree(getApplicationFolder() + "/Data/Common", folder, 0, 1, 0) ||
        !Project::copyFolderTree(getTemplatesFolder() + "/" + templateName, folder, 0, 1, 1)) {
        ui::AfxMessageBox(loadString(33168), MB_OK | MB_ICONSTOP);
        return false;
    }
    const CString from = folder + "/" + kTemplateSettingsFile;
    const CString to = folder + "/" + safeName + ".tvx";
    if (from != to && !MoveFileA(from, to)) {
        tell(33470, platform::shownPath(from), platform::shownPath(to), platform::lastErrorText());
        return false;
    }
    return true;
}
