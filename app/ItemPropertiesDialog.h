#pragma once

// What the add and modify dialogs share: the item's two icons, each chosen
// in "Select icon" from the project's icons (the main window's pictures),
// its page header image, chosen among the files of the project's folder
// "images/PageHeader", and the groups of what each kind of item has: a
// page, a referenced item (a shortcut), an address (an external item).

#include "TolvaneDialog.h"

class Item;
class ItemIconSet;
class Project;
class wxFlexGridSizer;

class ItemPropertiesDialog : public TolvaneDialog {
public:
    enum ControlId {
        IDC_CHOOSE_ICON = 1027,
        IDC_ICON = 1028,
        IDC_CHOOSE_OPEN_ICON = 1029,
        IDC_OPEN_ICON = 1030,
        IDC_PAGE_HEADER = 1032,
        IDC_DUAL_GROUP = 1035,
        IDC_SHORTCUT_GROUP = 1036,
        IDC_REFERENCED_LABEL = 1038,
        IDC_REFERENCED = 1039,
        IDC_PAGE_HEADER_LABEL = 1041,
        IDC_SELECT_PAGE_HEADER = 1043,
        IDC_URL = 1056,
        IDC_EXTERNAL_GROUP = 1060,
        IDC_URL_LABEL = 1061,
    };

    ItemPropertiesDialog(wxWindow* parent, const CString& caption, Project* project,
                         const ItemIconSet* icons);

    // "Choose Item Icon" sets both icons, "Choose Item Open Icon" the open one.
    void OnChooseIcon();
    void OnChooseOpenIcon();
    // "Select": the chosen file's name, without its folder.
    void OnSelectPageHeader();

protected:
    // The rows of the two icon names (read only) with their buttons.
    void addIconRows(wxFlexGridSizer* form);
    // The page header image's row: its name (filled by the buttons only)
    // and "Select"; a dialog may add buttons of its own to the row.
    wxSizer* newPageHeaderControls();
    // The dialog's content: its own controls on the left, on the right the
    // groups of the kinds: the dual group with its content, the shortcut's
    // referenced item, the external item's address.
    wxSizer* newContent(wxSizer* left, const CString& dualCaption, wxSizer* dual,
                        const CString& shortcutCaption, const CString& externalCaption);
    // "Referenced elt": an empty entry, then the dual items of the tree in
    // its order, each entry standing for its item (names may repeat).
    void fillReferencedItems();
    // Selects the entry that stands for the item; false when none does.
    bool selectReferencedItem(const Item* item);
    // The item of the entry selected in "Referenced elt" when the name is
    // the shortcut name made from it; null otherwise.
    Item* chosenReferencedItem(const CString& name) const;

    Project* m_project;

private:
    void chooseIcon(bool bothIcons);
    const ItemIconSet* m_icons;
};
