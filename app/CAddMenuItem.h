#pragma once

// "Add item": every new item enters the tree here. The dialog collects the
// new item's kind (dual page, shortcut to another item, external address or
// an item of a process class), its place next to the item the command was
// chosen on, its names, icons, flags and page header image; it checks them,
// adds the item through the project, writes its page or its class's files
// and hands the new item back (null when nothing was added).

#include "ItemPropertiesDialog.h"

class Item;
class ItemIconSet;
class ProcessManager;

class CAddMenuItem : public ItemPropertiesDialog {
public:
    enum ControlId {
        IDC_UP = 1007,
        IDC_BELOW = 1020,
        IDC_CHILD = 1021,
        IDC_NAME = 1022,
        IDC_NAME_L2 = 1023,
        IDC_CREATE_PAGE = 1024,
        IDC_PAGE_KIND = 1025,
        IDC_USE_FRAME = 1026,
        IDC_VISIBLE = 1031,
        IDC_SHORTCUT = 1033,
        IDC_DUAL = 1034,
        IDC_PAGE_KIND_LABEL = 1037,
        IDC_SPECIFIC_CLASS = 1040,
        IDC_DESCRIPTION = 1042,
        IDC_RELATIVE_TO = 1051,
        IDC_EXTERNAL = 1055,
        IDC_CLASS = 1093,
        IDC_CLASS_LABEL = 1094,
        IDC_OPEN_IN_NEW_WINDOW = 1116,
    };

    // position: 1 above the reference item, 2 as its last child, anything
    // else below it. classKind: the class to preselect, 0 for none.
    CAddMenuItem(wxWindow* parent, ProcessManager* project, Item* reference, const ItemIconSet* icons,
                 int position, int classKind, const CString& name);

    bool OnInitDialog() override;
    // The kinds.
    void OnDual();
    void OnShortcut();
    void OnExternal();
    void OnSpecificClass();
    // A referenced item chosen: the shortcut's name and icons.
    void OnSelchangeReferenced();
    // A class chosen: its icons, visibility and page header image.
    void OnSelchangeClass();
    // The checks that keep the dialog open, then the add with its files.
    void OnOK() override;

    int m_createPage = 0;
    CString m_name;
    CString m_pageKind;
    CString m_icon;
    CString m_openIcon;
    CString m_referencedText;
    CString m_description;
    CString m_relativeTo;
    CString m_url;
    CString m_classText;
    int m_openInNewWindow = 0;
    int m_useFrame = 0;
    CString m_nameL2;
    int m_visible = 1;
    CString m_pageHeaderImage;
    // Set while the name is the one the "Shortcut" kind made.
    int m_nameFromShortcut = 0;
    // The new item; null unless the dialog added one.
    Item* m_result = nullptr;

private:
    void applyKind(int radio);
    // The add itself, once the dialog has closed.
    void addItem(int position);

    ProcessManager* m_processManager;
    Item* m_reference;
    int m_position;
    int m_classKind;
};
