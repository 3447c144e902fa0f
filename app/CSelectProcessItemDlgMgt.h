#pragma once

// "Select Process Item": the project's whole item tree with its icons, from
// which the workflow editor binds a diagram node to an item. A filter may
// restrict the choice to one family of item classes; a shortcut stands for
// the item it points to. The picker loads the project's icon folder into an
// icon set of its own, filled as the main window fills its tree.

#include "ItemIcons.h"
#include "TolvaneDialog.h"

class Item;
class Project;
class wxTreeCtrl;

class CSelectProcessItemDlgMgt : public TolvaneDialog {
public:
    enum ControlId { IDC_TREE = 1000 };
    // The filters: every item, roles, work elements (activity, macro-activity,
    // phase, workflow), work products. Any other value accepts nothing.
    enum Filter { kAnyItem = 0, kRoles = 2, kWorkElements = 4, kWorkProducts = 7 };

    CSelectProcessItemDlgMgt(Project* project, int filter, wxWindow* parent);
    // Whether the filter accepts an item of the class kind.
    static bool accepts(int filter, int classKind);
    ~CSelectProcessItemDlgMgt() override;

    // Loads the icon folder and fills the tree; nothing selected.
    bool OnInitDialog() override;
    // Accepts the selected node's item (a shortcut's target) when the filter
    // does; otherwise the dialog stays open.
    void OnOK() override;

    wxTreeCtrl* getTree() const { return m_tree; }
    const ItemIconSet& getIcons() const { return m_icons; }

    // The item chosen; null until OK accepted one.
    Item* m_selectedItem = nullptr;

private:
    Project* m_project;
    int m_filter;
    wxTreeCtrl* m_tree;
    ItemIconSet m_icons;
};
