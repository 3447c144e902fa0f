#pragma once

// The small dialogs of the "Tools" sheet's commands: importing a folder
// structure, changing the prefix of external links, cleaning up, setting an
// item's uid, exporting one item, and choosing the disciplines of an
// activity / work product table. Each keeps its values in public members
// that the command reads after OK.

#include "CString.h"
#include "TolvaneDialog.h"

#include <vector>

class Item;
class Project;

// "Import structure from a directory structure": its OK ("Create") runs the
// import itself, from the selected item or over the whole site, once the
// user agreed to the replacement of the items below it (an import that
// replaces no item asks nothing).
class CCreateSite : public TolvaneDialog {
public:
    enum ControlId {
        IDC_WHOLE_SITE = 1068,
        IDC_FROM_SELECTED = 1069,
        IDC_SELECTED_NAME = 1070,
        IDC_OVERWRITE = 1032
    };
    CCreateSite(Project* project, Item* selected, wxWindow* parent);
    bool OnInitDialog() override;
    void OnOK() override;

    int m_overwrite = 0;
    CString m_itemName;

private:
    Project* m_project;
    Item* m_selected;
};

// "Change URL prefix".
class CChangeUrl : public TolvaneDialog {
public:
    enum ControlId { IDC_OLD_PREFIX = 1071, IDC_NEW_PREFIX = 1072 };
    explicit CChangeUrl(wxWindow* parent);

    CString m_oldPrefix;
    CString m_newPrefix;
};

// "Clean up": what to delete.
class CleanUpDialogMgt : public TolvaneDialog {
public:
    enum ControlId { IDC_TEMP = 1197, IDC_TREE_BACKUP = 1198, IDC_VTI_CNF = 1199 };
    explicit CleanUpDialogMgt(wxWindow* parent);

    int m_deleteTemp = 0;
    int m_deleteTreeBackup = 0;
    int m_deleteVtiCnf = 0;
};

// "Set UID": the uid is upper-cased and checked as every new uid is (not
// empty, well formed, unique); a refused uid keeps the dialog open.
class CSetUidDialogMgt : public TolvaneDialog {
public:
    enum ControlId { IDC_ITEM_NAME = 1164, IDC_UID = 1155 };
    CSetUidDialogMgt(Project* project, Item* item, wxWindow* parent);
    void OnOK() override;

    CString m_itemName;
    CString m_uid;

private:
    Project* m_project;
    Item* m_item;
};

// "Export item": the description that goes with the exported item.
class CExPItemDlgMgt : public TolvaneDialog {
public:
    enum ControlId { IDC_ITEM_NAME = 1022, IDC_DESCRIPTION = 1200 };
    explicit CExPItemDlgMgt(wxWindow* parent);

    CString m_itemName;
    CString m_description;
};

// "Activity-Artefact table generation": the disciplines chosen among all.
class CAATable : public TolvaneDialog {
public:
    enum ControlId {
        IDC_ITEM_NAME = 1022,
        IDC_ITALIC = 1092,
        IDC_ALL = 1090,
        IDC_CHOSEN = 1091,
        IDC_ADD = 1013,
        IDC_REMOVE = 1014,
    };
    CAATable(const std::vector<CString>& allDisciplines, std::vector<CString>& chosenDisciplines,
             const CString& itemName, wxWindow* parent);
    bool OnInitDialog() override;
    // The chosen list takes the entries of 1091 in list order.
    void OnOK() override;
    // Copies the selected discipline into the chosen ones, once.
    void OnAdd();
    // Deletes the selected chosen discipline.
    void OnRemove();

    CString m_itemName;
    int m_italic = 1;

private:
    const std::vector<CString>& m_all;
    std::vector<CString>& m_chosen;
};
