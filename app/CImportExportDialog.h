#pragma once

// "Import / export": one button per CSV export, CSV import and XML export
// of the process. Exports run at once under the wait cursor; imports first
// ask for the file. "XML for EPF 1.5" first asks which plug-ins to create.

#include "TolvaneDialog.h"

class Item;
class ProcessManager;

class CImportExportDialog : public TolvaneDialog {
public:
    enum ControlId {
        IDC_EXIT = 1,
        IDC_TEMPLATES = 1013,
        IDC_PROCEDURES = 1014,
        IDC_HTML_FILES = 1015,
        IDC_WORK_PRODUCTS = 1016,
        IDC_ROLES = 1018,
        IDC_GLOSSARY = 1030,
        IDC_EPF = 1031,
        IDC_ACTIVITIES_ROLES = 1019,
        IDC_ACTIVITIES_WORK_PRODUCTS = 1021,
        IDC_WBS = 1020,
        IDC_EXPORT_ACTIVITY_ATTRIBUTES = 1023,
        IDC_EXPORT_WP_ATTRIBUTES = 1025,
        IDC_EXPORT_DESCRIPTIONS = 1026,
        IDC_IMPORT_ROLE_ACTIVITY = 1017,
        IDC_IMPORT_ACTIVITY_ATTRIBUTES = 1024,
        IDC_IMPORT_WP_ATTRIBUTES = 1027,
        IDC_IMPORT_DESCRIPTIONS = 1022,
    };

    CImportExportDialog(ProcessManager* project, Item* selected, wxWindow* parent);

    // Runs the command of a button, as its click does.
    void OnButton(int controlId);
    void OnExportEPF();
    Item* getSelected() const { return m_selected; }

private:
    ProcessManager* m_project;
    Item* m_selected;
};
