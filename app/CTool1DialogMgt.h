#pragma once

// Page "Standard tools" of the "Tools" sheet: the site-maintenance commands
// every project has. Commands that need an item work on the one selected in
// the tree when the sheet opened, and say so when there was none.

#include "PropertyPageView.h"

#include <functional>

class Item;
class ProcessManager;
class ToolsPage;

class CTool1DialogMgt : public PropertyPageView {
public:
    enum ControlId {
        IDC_IMPORT_STRUCTURE = 1004,
        IDC_CHANGE_URL = 1062,
        IDC_VIEW_LOG = 1006,
        IDC_CLEAN_UP = 1015,
        IDC_DUAL_CHILD_LINKS = 1016,
        IDC_EXPORT_ITEMS = 1010,
        IDC_IMPORT_ITEMS = 1011,
        IDC_SINGLE_EXPORT = 1017,
        IDC_SINGLE_IMPORT = 1018,
        IDC_SET_UID = 1012,
    };

    CTool1DialogMgt(wxWindow* parent, ToolsPage& page);

    void OnImportStructure();
    void OnChangeUrl();
    void OnViewLogFile();
    void OnCleanUp();
    void OnDualChildLinks();
    void OnExportItems();
    void OnImportItems();
    void OnSingleExport();
    void OnSingleImport();
    void OnSetUid();

private:
    // The selected item, or null after telling the user to select one.
    Item* selectedItem() const;
    // Runs the import on the file the user chooses, if any.
    void importChosenFile(const CString& proposedName, const std::function<void(const CString&)>& import);

    ProcessManager* m_project;
    Item* m_selected;
};
