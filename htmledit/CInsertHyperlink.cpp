#include "CInsertHyperlink.h"

#include "Item.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "WxText.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>
#include <wx/treectrl.h>

CInsertHyperlink::CInsertHyperlink(ProcessManager* manager, int linkMode, ProcessItem* pageItem, int language,
                                   wxWindow* parent)
    : StdDialog(parent, "Insert/Clear hyperlink", wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      m_manager(manager), m_linkMode(linkMode), m_pageItem(pageItem), m_language(language) {
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
    layoutDialog(content);
    for (const int id : {IDC_EXTERNAL, IDC_INTERNAL, IDC_CLEAR})
        Bind(
            wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnRadio(); }, id);
}

bool CInsertHyperlink::OnInitDialog() {
    m_icons.load(m_manager->getProjectDirectory());
    m_icons.fillTree(*m_tree, m_manager->getItemList(), false);
    static_cast<wxRadioButton*>(FindWindow(IDC_INTERNAL))->SetValue(true);
    OnRadio();
    return true;
}

void CInsertHyperlink::OnRadio() {
    const bool external = static_cast<wxRadioButton*>(FindWindow(IDC_EXTERNAL))->GetValue();
    const bool internal = static_cast<wxRadioButton*>(FindWindow(IDC_INTERNAL))->GetValue();
    FindWindow(IDC_ADDRESS)->Enable(external);
    m_tree->Enable(internal);
}

void CInsertHyperlink::OnOK() {
    if (static_cast<wxRadioButton*>(FindWindow(IDC_EXTERNAL))->GetValue()) {
        m_link = fromWx(static_cast<wxTextCtrl*>(FindWindow(IDC_ADDRESS))->GetValue());
    } else if (static_cast<wxRadioButton*>(FindWindow(IDC_CLEAR))->GetValue()) {
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
    endDialog(IDOK);
}
