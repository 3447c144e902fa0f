#include "ItemPropertiesDialog.h"

#include "CSelectIcon.h"
#include "Item.h"
#include "ItemIcons.h"
#include "ItemListePlus.h"
#include "Project.h"
#include "WinTypes.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include <tuple>

ItemPropertiesDialog::ItemPropertiesDialog(wxWindow* parent, const CString& caption, Project* project,
                                           const ItemIconSet* icons)
    : TolvaneDialog(parent, caption), m_project(project), m_icons(icons) {
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnChooseIcon(); }, IDC_CHOOSE_ICON);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnChooseOpenIcon(); }, IDC_CHOOSE_OPEN_ICON);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnSelectPageHeader(); }, IDC_SELECT_PAGE_HEADER);
}

void ItemPropertiesDialog::addIconRows(wxFlexGridSizer* form) {
    for (const auto& [edit, button, caption] :
         {std::tuple{IDC_ICON, IDC_CHOOSE_ICON, "Choose Item Icon"},
          std::tuple{IDC_OPEN_ICON, IDC_CHOOSE_OPEN_ICON, "Choose Item Open Icon"}}) {
        form->Add(new wxButton(this, button, caption), 0, wxEXPAND);
        form->Add(newEdit(edit, wxTE_READONLY, 22), 1, wxEXPAND | wxALIGN_CENTER_VERTICAL);
    }
}

wxSizer* ItemPropertiesDialog::newPageHeaderControls() {
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    auto* image = newEdit(IDC_PAGE_HEADER, 0, 22);
    image->Disable();
    row->Add(image, 1, wxALIGN_CENTER_VERTICAL);
    row->Add(new wxButton(this, IDC_SELECT_PAGE_HEADER, "Select"), 0, wxLEFT, 6);
    return row;
}

wxSizer* ItemPropertiesDialog::newContent(wxSizer* left, const CString& dualCaption, wxSizer* dual,
                                          const CString& shortcutCaption, const CString& externalCaption) {
    auto* shortcut = newForm();
    addFormRow(shortcut, IDC_REFERENCED_LABEL, "Referenced elt", new wxComboBox(this, IDC_REFERENCED));
    auto* external = newForm();
    addFormRow(external, IDC_URL_LABEL, "URL", newEdit(IDC_URL, 0, 28));
    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(newGroup(IDC_DUAL_GROUP, dualCaption, dual), 0, wxEXPAND | wxBOTTOM, 8);
    right->Add(newGroup(IDC_SHORTCUT_GROUP, shortcutCaption, shortcut), 0, wxEXPAND | wxBOTTOM, 8);
    right->Add(newGroup(IDC_EXTERNAL_GROUP, externalCaption, external), 0, wxEXPAND);
    auto* content = new wxBoxSizer(wxHORIZONTAL);
    content->Add(left, 1, wxEXPAND | wxRIGHT, 10);
    content->Add(right, 1, wxEXPAND);
    return content;
}

void ItemPropertiesDialog::fillReferencedItems() {
    auto* referenced = static_cast<wxComboBox*>(FindWindow(IDC_REFERENCED));
    referenced->Append("", static_cast<void*>(nullptr));
    if (!m_project)
        return;
    ItemIterateur* it = m_project->getItemIterator();
    for (; !it->isAtEnd(); it->next())
        if (it->current()->getKind() == kDual)
            referenced->Append(toWx(it->current()->getNameByLanguage(0)), static_cast<void*>(it->current()));
    delete it;
}

bool ItemPropertiesDialog::selectReferencedItem(const Item* item) {
    auto* referenced = static_cast<wxComboBox*>(FindWindow(IDC_REFERENCED));
    for (unsigned int i = 1; item && i < referenced->GetCount(); ++i)
        if (referenced->GetClientData(i) == item) {
            referenced->SetSelection(static_cast<int>(i));
            return true;
        }
    return false;
}

Item* ItemPropertiesDialog::chosenReferencedItem(const CString& name) const {
    auto* referenced = static_cast<wxComboBox*>(FindWindow(IDC_REFERENCED));
    const int selection = referenced->GetSelection();
    auto* item =
        selection == wxNOT_FOUND ? nullptr : static_cast<Item*>(referenced->GetClientData(selection));
    return item && name == shortcutPrefix() + item->getName() ? item : nullptr;
}

void ItemPropertiesDialog::OnChooseIcon() {
    chooseIcon(true);
}

void ItemPropertiesDialog::OnChooseOpenIcon() {
    chooseIcon(false);
}

void ItemPropertiesDialog::chooseIcon(bool bothIcons) {
    CSelectIcon select(m_icons ? m_icons->getImageList() : nullptr,
                       m_icons ? m_icons->getIconList() : nullptr, this);
    if (select.DoModal() != IDOK)
        return;
    if (bothIcons)
        setText(IDC_ICON, select.getIconName());
    setText(IDC_OPEN_ICON, select.getIconName());
}

void ItemPropertiesDialog::OnSelectPageHeader() {
    const CString folder = m_project ? m_project->getProjectDirectory() + "images/PageHeader" : CString();
    wxFileDialog open(this, wxFileSelectorPromptStr, toWx(folder), "",
                      "GIF pictures (*.gif)|*.gif;*.GIF|All files|*", wxFD_OPEN);
    if (runModal(open) == wxID_OK)
        setText(IDC_PAGE_HEADER, fromWx(open.GetFilename()));
}
