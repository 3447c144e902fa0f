#pragma once

// "Create or select Process Item": binds an activity box to an item. The
// user either picks an existing item in a copy of the project's item tree
// (with the main tree's icons), or asks for a new item with "Create". The
// dialog creates nothing: the box acts on the answer.

#include "ItemIcons.h"
#include "TolvaneDialog.h"

class Item;
class Project;
class wxRadioButton;
class wxTreeCtrl;

class CSelectOrCreateProcessItemDlgMgt : public TolvaneDialog {
public:
    enum ControlId { IDC_SELECT = 4, IDC_CREATE = 5, IDC_TREE = 1000 };

    // classFilter 4: an activity, macro-activity, phase or workflow; 2 a
    // role; 7 a work product; any other accepts nothing.
    CSelectOrCreateProcessItemDlgMgt(Project* project, int classFilter, wxWindow* parent);
    ~CSelectOrCreateProcessItemDlgMgt() override;

    // Loads the project's icons, fills the tree with every item, turns "Select" on.
    bool OnInitDialog() override;
    // "Create" on: ends with the create flag. Otherwise the selected node's
    // item (a shortcut's target) when the filter accepts it; a work element
    // filter says why it refuses; the dialog then stays open.
    void OnOK() override;
    // The radios: "Select" enables the tree, "Create" disables it.
    void OnSelect();
    void OnCreate();

    wxTreeCtrl* getTree() const { return m_tree; }

    // Results, valid after OK: the create flag first, the item second.
    int m_create = 0;
    Item* m_selectedItem = nullptr;

private:
    Project* m_project;
    int m_classFilter;
    wxRadioButton* m_select;
    wxRadioButton* m_createRadio;
    wxTreeCtrl* m_tree;
    ItemIconSet m_icons;
};
