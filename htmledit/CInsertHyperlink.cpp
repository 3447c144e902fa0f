#include "CInsertHyperlink.h"

#include "Item.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessManager.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

CInsertHyperlink::CInsertHyperlink(ProcessManager* manager, int linkMode, ProcessItem* pageItem, int language,
                                   wxWindow* parent)
    : TolvaneDialog(parent, "Insert/Clear hyperlink"), m_manager(manager), m_linkMode(linkMode),
      m_pageItem(pageItem), m_language(language) {
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(new wxRadioButton(this, IDC_EXTERNAL, "External hyperlink", wxDefaultPosition, wxDefaultSize,
                                   wxRB_GROUP));
    auto* external = new wxStaticBoxSizer(wxVERTICAL, this, "External URL");
    external->Add(
        new wxTextCtrl(external->GetStaticBox(), IDC_ADDRESS, "", wxDefaultPosition, wxSize(360, -1)), 0,
        wxEXPAND | wxALL, 4);
    content->Add(external, 0, wxEXPAND | wxTOP | wxBOTTOM, 4);
    content->Add(new wxRadioButton(this, IDC_INTERNAL, "Internal hyperlink"));
    auto* internal = new wxStaticBoxSizer(wxVERTICAL, this, "Internal item");
    m_tree = new wxTreeCtrl(internal->GetStaticBox(), IDC_TREE, wxDefaultPosition, wxSize(360, 300),
                            wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE);
    internal->Add(m_tree, 1, wxEXPAND | wxALL, 4);
    content->Add(internal, 1, wxEXPAND | wxTOP | wxBOTTOM, 4);
    content->Add(new wxRadioButton(this, IDC_CLEAR, "Clear"));
    finishLayout(content);
    for (const int id : {IDC_EXTERNAL, IDC_INTERNAL, IDC_CLEAR})
        Bind(
            wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnRadio(); }, id);
}

CInsertHyperlink::~CInsertHyperlink() {
    // The tree outlives the icon set: it lets go of its pictures first.
    m_tree->DeleteAllItems();
    m_tree->SetImageList(nullptr);
}

bool CInsertHyperlink::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    m_icons.load(m_manager->getProjectDirectory());
    m_icons.fillTree(*m_tree, m_manager->getItemList(), false);
    setChecked(IDC_INTERNAL, true);
    OnRadio();
    return true;
}

void CInsertHyperlink::OnRadio() {
    enable(IDC_ADDRESS, isChecked(IDC_EXTERNAL));
    m_tree->Enable(isChecked(IDC_INTERNAL));
}

void CInsertHyperlink::OnOK() {
    if (isChecked(IDC_EXTERNAL)) {
        m_link = getText(IDC_ADDRESS);
    } else if (isChecked(IDC_CLEAR)) {
        m_link = "CLEAR";
    } else {
        const wxTreeItemId selected = m_tree->GetSelection();
        const auto* data =
            selected.IsOk() ? static_cast<ItemNodeData*>(m_tree->GetItemData(selected)) : nullptr;
        if (Item* item = data ? data->getItem() : nullptr) {
            // A shortcut links to the item it stands for.
            if (item->getKind() == kShortcut)
                if (Item* target = item->getShortcutTarget(m_manager->getItemList()))
                    item = target;
            if (item->getKind() == kExternal)
                m_link = item->getUrl();
            else if (m_linkMode == 1)
                m_link = item->getRelativeLink(m_pageItem, "") + "/" + Item::getOverviewPageName(m_language);
            else
                m_link = "[@" + item->getUid() + "]";
        }
    }
    endDialog(wxID_OK);
}
