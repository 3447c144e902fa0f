#include "CSelectOrCreateProcessItemDlgMgt.h"

#include "CSelectProcessItemDlgMgt.h"
#include "Item.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "Project.h"
#include "StringTable.h"
#include "UserInterface.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/treectrl.h>

CSelectOrCreateProcessItemDlgMgt::CSelectOrCreateProcessItemDlgMgt(Project* project, int classFilter,
                                                                   wxWindow* parent)
    : TolvaneDialog(parent, "Create or select Process Item"), m_project(project), m_classFilter(classFilter) {
    m_select = new wxRadioButton(this, IDC_SELECT, "Select", wxDefaultPosition, wxDefaultSize, wxRB_GROUP);
    m_createRadio = new wxRadioButton(this, IDC_CREATE, "Create");
    m_tree = new wxTreeCtrl(this, IDC_TREE, wxDefaultPosition, wxSize(420, 320),
                            wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE |
                                wxBORDER_SUNKEN);
    m_select->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnSelect(); });
    m_createRadio->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnCreate(); });
    m_tree->Bind(wxEVT_TREE_ITEM_ACTIVATED, [this](wxTreeEvent&) { OnOK(); });

    auto* radios = new wxBoxSizer(wxHORIZONTAL);
    radios->Add(m_select, 0, wxRIGHT, 24);
    radios->Add(m_createRadio);
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(radios, 0, wxBOTTOM, 8);
    content->Add(m_tree, 1, wxEXPAND);
    finishLayout(content);
}

CSelectOrCreateProcessItemDlgMgt::~CSelectOrCreateProcessItemDlgMgt() {
    // The tree outlives the icon set: it lets go of its pictures first.
    m_tree->DeleteAllItems();
    m_tree->SetImageList(nullptr);
}

bool CSelectOrCreateProcessItemDlgMgt::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    if (m_project) {
        m_icons.load(m_project->getProjectDirectory());
        m_icons.fillTree(*m_tree, m_project->getItemList(), false);
    }
    m_tree->UnselectAll();
    m_select->SetValue(true);
    OnSelect();
    return true;
}

void CSelectOrCreateProcessItemDlgMgt::OnSelect() {
    m_tree->Enable(true);
}

void CSelectOrCreateProcessItemDlgMgt::OnCreate() {
    m_tree->Enable(false);
}

void CSelectOrCreateProcessItemDlgMgt::OnOK() {
    if (m_createRadio->GetValue()) {
        m_create = 1;
        endDialog(wxID_OK);
        return;
    }
    const wxTreeItemId node = m_tree->GetSelection();
    if (!node.IsOk() || node == m_tree->GetRootItem())
        return;
    auto* data = static_cast<ItemNodeData*>(m_tree->GetItemData(node));
    Item* item = data ? data->getItem() : nullptr;
    if (item && item->getKind() == kShortcut)
        item = m_project->findShortcutTarget(item);
    if (!item)
        return;
    if (!CSelectProcessItemDlgMgt::accepts(m_classFilter, classKindOf(item))) {
        if (m_classFilter == CSelectProcessItemDlgMgt::kWorkElements)
            ui::AfxMessageBox(loadString(33057));
        return;
    }
    m_selectedItem = item;
    endDialog(wxID_OK);
}
