#pragma once

// "Insert/Clear hyperlink": a link to an item of the process tree (shown
// with the tree's icons), an external address, or the removal of a link.
// The link of an item is a relative page link in pages (link mode 1) or the
// token "[@" + uid + "]" in texts whose links the generator resolves.

#include "CString.h"
#include "ItemIcons.h"
#include "TolvaneDialog.h"

class ProcessItem;
class ProcessManager;
class wxTreeCtrl;

class CInsertHyperlink : public TolvaneDialog {
public:
    enum ControlId {
        IDC_TREE = 1000,
        IDC_INTERNAL = 1001,
        IDC_EXTERNAL = 1055,
        IDC_ADDRESS = 1056,
        IDC_CLEAR = 1057,
    };

    CInsertHyperlink(ProcessManager* manager, int linkMode, ProcessItem* pageItem, int language,
                     wxWindow* parent);
    ~CInsertHyperlink() override;

    // The link chosen: an address, a token, "CLEAR", or empty.
    const CString& GetLink() const { return m_link; }

    bool OnInitDialog() override;
    void OnOK() override;
    // The radio buttons: which of the address and the tree can be used.
    void OnRadio();
    wxTreeCtrl* getTree() const { return m_tree; }

private:
    ProcessManager* m_manager;
    int m_linkMode;
    ProcessItem* m_pageItem;
    int m_language;
    CString m_link;
    ItemIconSet m_icons;
    wxTreeCtrl* m_tree;
};
