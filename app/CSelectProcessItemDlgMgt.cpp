#include "CSelectProcessItemDlgMgt.h"

#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "Project.h"
#include "StringTable.h"
#include "UserInterface.h"

#include <initializer_list>
#include <wx/sizer.h>
#include <wx/treectrl.h>

namespace {

bool isOneOf(int kind, std::initializer_list<int> kinds) {
    for (int k : kinds)
        if (k == kind)
            return true;
    return false;
}

} // namespace

bool CSelectProcessItemDlgMgt::accepts(int filter, int kind) {
    switch (filter) {
    case CSelectProcessItemDlgMgt::kAnyItem:
        return true;
    case CSelectProcessItemDlgMgt::kRoles:
        return kind == kRoleClass;
    case CSelectProcessItemDlgMgt::kWorkElements:
        return isOneOf(kind, {kActivityClass, kMacroActivityClass, kPhaseClass, kWorkflowClass});
    case CSelectProcessItemDlgMgt::kWorkProducts:
        return kind == kWorkProductClass;
    default:
        return false;
    }
}

CSelectProcessItemDlgMgt::CSelectProcessItemDlgMgt(Project* project, int filter, wxWindow* parent)
    : TolvaneDialog(parent, "Select Process Item"), m_project(project), m_filter(filter) {
    m_tree = new wxTreeCtrl(this, IDC_TREE, wxDefaultPosition, wxSize(320, 360),
                            wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE |
                                wxBORDER_SUNKEN);
    m_tree->Bind(wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent&) { OnOK(); });
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(m_tree, 1, wxEXPAND);
    finishLayout(content);
}

CSelectProcessItemDlgMgt::~CSelectProcessItemDlgMgt() {
    // The tree outlives the icon set: it lets go of its pictures first.
    m_tree->DeleteAllItems();
    m_tree->SetImageList(nullptr);
}

bool CSelectProcessItemDlgMgt::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    if (!m_project)
        return true;
    m_icons.load(m_project->getProjectDirectory());
    m_icons.fillTree(*m_tree, m_project->getItemList(), false);
    m_tree->UnselectAll();
    return true;
}

void CSelectProcessItemDlgMgt::OnOK() {
    const wxTreeItemId node = m_tree->GetSelection();
    if (!node.IsOk())
        return;
    auto* data = static_cast<ItemNodeData*>(m_tree->GetItemData(node));
    Item* item = data ? data->getItem() : nullptr;
    if (item && item->getKind() == kShortcut)
        item = item->getShortcutTarget(m_project->getItemList());
    if (!item)
        return;
    if (!accepts(m_filter, classKindOf(item))) {
        // Only the work elements' filter says why.
        if (m_filter == kWorkElements)
            ui::AfxMessageBox(loadString(33057));
        return;
    }
    m_selectedItem = item;
    endDialog(wxID_OK);
}
