#pragma once

// "Modify Item": the name, second-language name, icons, flags, address and
// page header image of one item, which the caller applies through the
// project after OK. Its "Change" button changes the item's kind at once
// (dual, shortcut, external), at most once per opening; the dialog must
// then be confirmed.

#include "ItemPropertiesDialog.h"

class Item;
class ItemIconSet;
class Project;

class CChangeMenuItem : public ItemPropertiesDialog {
public:
    enum ControlId {
        IDC_REMOVE_PAGE_HEADER = 1014,
        IDC_NEW_NAME = 1023,
        IDC_NAME_L2 = 1024,
        IDC_CHANGE_KIND = 1031,
        IDC_OLD_NAME = 1053,
        IDC_RENAME_DIRECTORY = 1054,
        IDC_VISIBLE = 1055,
        IDC_KIND_GROUP = 1062,
        IDC_ACTUAL_KIND = 1074,
        IDC_NEW_KIND = 1075,
        IDC_OPEN_IN_NEW_WINDOW = 1116,
    };

    CChangeMenuItem(wxWindow* parent, Item* item, Project* project, const ItemIconSet* icons);

    bool OnInitDialog() override;
    // "Change": the kind chosen in "New Item Kind", each change with its checks.
    void OnChangeKind();
    // A referenced item chosen: the shortcut's new name, and its new target.
    void OnSelchangeReferenced();
    // "Remove": no page header image.
    void OnRemovePageHeader();
    // The name checks, and an external item's address.
    void OnOK() override;
    // Refused once the kind changed: 33020.
    void OnCancel() override;

    CString m_oldName;
    CString m_newName;
    int m_renameDirectory = 0;
    CString m_nameL2;
    CString m_icon;
    CString m_openIcon;
    int m_openInNewWindow = 0;
    int m_visible = 1;
    CString m_url;
    CString m_actualKind;
    CString m_pageHeaderImage;
    int m_kindChanged = 0;
    // The item a shortcut now stands for, as the user chose it in
    // "Referenced elt"; null when the user chose none.
    Item* m_shortcutTarget = nullptr;

private:
    // The controls that the item's kind switches, and the kinds it may take.
    void refreshKindControls();
    bool changeDualToNonDual(const CString& newKind);
    bool changeToDual();

    Item* m_item;
    bool m_referenceChosen = false;
};
