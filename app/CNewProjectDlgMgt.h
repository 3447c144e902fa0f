#pragma once

// "New project creation": the user picks one of the site templates of the
// program data, types a project name and a location; OK makes the project
// folder there, fills it with the files common to every project and the
// template's own, and names the template's settings file after the project.
// The dialog opens nothing: the caller opens the settings file it hands
// back and takes the name as the site name.
//
// The project is named after its folder: the name as a file name (blanks
// and signs become '_'), and the check that no such folder exists is made
// on that name. A creation that fails after the folder was made removes the
// folder with all that was copied into it, so nothing is left behind.

#include "TolvaneDialog.h"

class wxListBox;

class CNewProjectDlgMgt : public TolvaneDialog {
public:
    enum ControlId {
        IDC_PROJECT_NAME = 1005,
        IDC_LOCATION = 1006,
        IDC_TEMPLATES = 1050,
        IDC_BROWSE = 1051,
        IDC_DESCRIPTION = 1095,
    };

    explicit CNewProjectDlgMgt(wxWindow* parent);

    // Lists the site templates (folders of "Data/SiteTemplates" in the
    // program folder whose names do not begin with '_'); none is selected.
    bool OnInitDialog() override;
    // A template chosen: its "templateDescription.txt" in the description.
    void OnSelchangeTemplates();
    // The folder picker for the location.
    void OnBrowse();
    // The folder the picker opens on: the location when it is a folder,
    // otherwise the user's home folder.
    CString getPickerFolder() const;
    // Refuses with every reason at once, the dialog staying open; otherwise
    // the dialog closes and the project is created.
    void OnOK() override;

    // The new project's settings file and its name; both empty unless the
    // whole creation succeeded.
    const CString& getProjectFile() const { return m_projectFile; }
    const CString& getProjectName() const { return m_projectName; }

    wxListBox* getTemplateList() const { return m_templates; }
    // The folder of the program data's site templates.
    static CString getTemplatesFolder();

private:
    // The reasons the entries cannot make a project, one per line; empty
    // when they can.
    CString checkEntries(const CString& location, const CString& name);
    // Makes the folder and fills it; false, with the folder gone and the
    // failure told, when any step failed.
    bool createProject(const CString& location, const CString& safeName, const CString& templateName);
    bool fillProjectFolder(const CString& folder, const CString& safeName, const CString& templateName);

    wxListBox* m_templates;
    CString m_projectFile;
    CString m_projectName;
};
