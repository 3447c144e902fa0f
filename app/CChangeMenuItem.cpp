#include "CChangeMenuItem.h"

#include "CCIK_DTND.h"
#include "CCIK_NDTD.h"
#include "FileSystem.h"
#include "Item.h"
#include "ItemListePlus.h"
#include "Project.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TreeChecks.h"
#include "UserInterface.h"
#include "WinTypes.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <initializer_list>

CChangeMenuItem::CChangeMenuItem(wxWindow* parent, Item* item, Project* project, const ItemIconSet* icons)
    : ItemPropertiesDialog(parent, "Modify Item", project, icons), m_oldName(item->getName()),
      m_newName(item->getName()), m_nameL2(item->getNameL2()), m_icon(item->getIcon()),
      m_openIcon(item->getOpenIcon()), m_openInNewWindow(item->isBlankTarget()), m_visible(item->isVisible()),
      m_url(item->getKind() == kExternal ? item->getUrl() : CString()), m_actualKind(item->getKindName()),
      m_pageHeaderImage(item->getPageHeaderImage()), m_item(item) {
    auto* names = newForm();
    addFormRow(names, wxID_ANY, "Old item name", newEdit(IDC_OLD_NAME, wxTE_READONLY, 28));
    addFormRow(names, wxID_ANY, "New item name", newEdit(IDC_NEW_NAME, 0, 28));
    addFormRow(names, wxID_ANY, "Item name L2", newEdit(IDC_NAME_L2, 0, 28));
    addIconRows(names);
    auto* flags = new wxBoxSizer(wxHORIZONTAL);
    flags->Add(new wxCheckBox(this, IDC_OPEN_IN_NEW_WINDOW, "Open in a new window"));
    auto* renameDirectory = new wxCheckBox(this, IDC_RENAME_DIRECTORY, "Rename associated directory");
    renameDirectory->Hide();
    flags->Add(renameDirectory);

    auto* kindForm = newForm();
    auto* actualKind = newEdit(IDC_ACTUAL_KIND, 0, 12);
    actualKind->Disable();
    addFormRow(kindForm, wxID_ANY, "Actual item kind", actualKind);
    auto* newKind = new wxBoxSizer(wxHORIZONTAL);
    newKind->Add(new wxChoice(this, IDC_NEW_KIND), 1, wxALIGN_CENTER_VERTICAL);
    newKind->Add(new wxButton(this, IDC_CHANGE_KIND, "Change"), 0, wxLEFT, 6);
    addFormRow(kindForm, wxID_ANY, "New Item Kind", newKind);

    auto* dualForm = newForm();
    wxSizer* header = newPageHeaderControls();
    header->Add(new wxButton(this, IDC_REMOVE_PAGE_HEADER, "Remove"), 0, wxLEFT, 6);
    addFormRow(dualForm, IDC_PAGE_HEADER_LABEL, "Page header image", header);
    auto* dual = new wxBoxSizer(wxVERTICAL);
    dual->Add(dualForm, 0, wxEXPAND | wxBOTTOM, 6);
    dual->Add(new wxCheckBox(this, IDC_VISIBLE, "Visible"));

    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(names, 0, wxEXPAND | wxBOTTOM, 8);
    left->Add(flags, 0, wxBOTTOM, 8);
    left->Add(newGroup(IDC_KIND_GROUP, "Change item kind", kindForm), 0, wxEXPAND);
    wxSizer* content =
        newContent(left, "Standard or specific class item", dual, "Shortcut item", "External item");

    exchangeText(IDC_OLD_NAME, &m_oldName);
    exchangeText(IDC_NEW_NAME, &m_newName);
    exchangeCheck(IDC_RENAME_DIRECTORY, &m_renameDirectory);
    exchangeText(IDC_NAME_L2, &m_nameL2);
    exchangeText(IDC_ICON, &m_icon);
    exchangeText(IDC_OPEN_ICON, &m_openIcon);
    exchangeCheck(IDC_OPEN_IN_NEW_WINDOW, &m_openInNewWindow);
    exchangeCheck(IDC_VISIBLE, &m_visible);
    exchangeText(IDC_URL, &m_url);
    exchangeText(IDC_ACTUAL_KIND, &m_actualKind);
    exchangeText(IDC_PAGE_HEADER, &m_pageHeaderImage);
    finishLayout(content);

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnChangeKind(); }, IDC_CHANGE_KIND);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnRemovePageHeader(); }, IDC_REMOVE_PAGE_HEADER);
    Bind(
        wxEVT_COMBOBOX, [this](wxCommandEvent&) { OnSelchangeReferenced(); }, IDC_REFERENCED);
}

bool CChangeMenuItem::OnInitDialog() {
    m_oldName = m_newName = m_item->getName();
    m_icon = m_item->getIcon();
    m_openIcon = m_item->getOpenIcon();
    if (m_item->getKind() == kExternal)
        m_url = m_item->getUrl();
    m_actualKind = m_item->getKindName();
    ItemPropertiesDialog::OnInitDialog();

    fillReferencedItems();
    // A shortcut shows the item it stands for; one whose referenced uid
    // names none, the first entry that begins like its name without "-> ".
    if (m_item->getKind() == kShortcut && !selectReferencedItem(m_project->findReferencedItem(m_item))) {
        auto* referenced = static_cast<wxComboBox*>(FindWindow(IDC_REFERENCED));
        CString text = m_item->getName().Mid(shortcutPrefix().GetLength());
        text.MakeLower();
        for (unsigned int i = 1; i < referenced->GetCount(); ++i) {
            CString entry = fromWx(referenced->GetString(i));
            entry.MakeLower();
            if (entry.Find(text) == 0) {
                referenced->SetSelection(static_cast<int>(i));
                break;
            }
        }
    }
    if (!StdOption::instance().getTwoLanguages())
        enable(IDC_NAME_L2, false);
    refreshKindControls();
    return true;
}

void CChangeMenuItem::refreshKindControls() {
    const int kind = m_item->getKind();
    for (int id : std::initializer_list<int>{IDC_EXTERNAL_GROUP, IDC_URL_LABEL, IDC_URL})
        enable(id, kind == kExternal);
    enable(IDC_NEW_NAME, kind != kShortcut);
    for (int id : std::initializer_list<int>{IDC_SHORTCUT_GROUP, IDC_REFERENCED, IDC_REFERENCED_LABEL})
        enable(id, kind == kShortcut);
    setChecked(IDC_RENAME_DIRECTORY, kind == kDual);
    for (int id : std::initializer_list<int>{IDC_RENAME_DIRECTORY, IDC_DUAL_GROUP, IDC_VISIBLE})
        enable(id, kind == kDual);

    auto* kinds = static_cast<wxChoice*>(FindWindow(IDC_NEW_KIND));
    kinds->Clear();
    kinds->Append("");
    for (int other : {kDual, kShortcut, kExternal})
        if (other != kind)
            kinds->Append(toWx(kindName(other)));
    if (m_kindChanged) {
        if (kind == kDual)
            enable(IDC_NEW_NAME, false);
        enable(IDC_NEW_KIND, false);
        enable(IDC_CHANGE_KIND, false);
    }
}

void CChangeMenuItem::OnChangeKind() {
    const CString newKind = getText(IDC_NEW_KIND);
    if (newKind.IsEmpty()) {
        ui::AfxMessageBox(loadString(33017));
        return;
    }
    const int kind = m_item->getKind();
    bool changed = false;
    if (kind == kDual) {
        changed = m_project->checkHasNoChildren(m_item) && changeDualToNonDual(newKind);
    } else if (kind == kShortcut && newKind == "External") {
        setText(IDC_NEW_NAME, "");
        m_project->changeItemKind(m_item, newKind);
        changed = true;
    } else if (kind == kExternal && newKind == "Shortcut") {
        m_project->changeItemKind(m_item, newKind);
        setText(IDC_NEW_NAME, "");
        setText(IDC_URL, "");
        changed = true;
    } else if (newKind == "Dual") {
        changed = m_project->checkParentIsDual(m_item) && changeToDual();
    }
    if (!changed)
        return;
    m_kindChanged = 1;
    setText(IDC_ACTUAL_KIND, newKind);
    refreshKindControls();
}

bool CChangeMenuItem::changeDualToNonDual(const CString& newKind) {
    CCIK_DTND ask(this);
    if (ask.DoModal() != IDOK)
        return false;
    if (ask.m_removeFiles) {
        m_project->discardItemFolder(m_item);
    } else {
        CString message;
        message.Format(loadString(33019), platform::shownPath(m_item->getFolder(1, 0)).GetString());
        ui::AfxMessageBox(message);
    }
    if (newKind == "Shortcut")
        setText(IDC_NEW_NAME, "");
    m_project->changeItemKind(m_item, newKind);
    if (newKind == "Shortcut") {
        // The item no longer is an item a shortcut may reference (another
        // item of the same name still is).
        auto* referenced = static_cast<wxComboBox*>(FindWindow(IDC_REFERENCED));
        for (unsigned int i = 1; i < referenced->GetCount(); ++i)
            if (referenced->GetClientData(i) == m_item) {
                referenced->Delete(i);
                break;
            }
    }
    return true;
}

bool CChangeMenuItem::changeToDual() {
    CCIK_NDTD ask(m_item->getKind() == kExternal ? m_item->getName() : CString(), this);
    // The item's folder is made from the name: it must be one that the item
    // may take under its parent, and the folder must be free.
    ask.m_nameCheck = [this](const CString& name) {
        return checkItemNameInParent(name, "", nullptr, 1, m_item, m_project->getItemList()) &&
               checkItemFolderFree(m_project, name, "", nullptr, 1, m_item);
    };
    if (ask.DoModal() != IDOK)
        return false;
    m_item->initForKind(kDual, ask.m_name);
    m_item->setDescriptionL1(ask.m_purpose);
    setText(IDC_NEW_NAME, ask.m_name);
    if (ask.m_createPage)
        m_project->createItemPage(m_item, 1, nullptr, 1, 0, 0);
    return true;
}

void CChangeMenuItem::OnSelchangeReferenced() {
    setText(IDC_NEW_NAME, shortcutPrefix() + getText(IDC_REFERENCED));
    m_referenceChosen = true;
}

void CChangeMenuItem::OnRemovePageHeader() {
    setText(IDC_PAGE_HEADER, "");
}

void CChangeMenuItem::OnOK() {
    updateData(true);
    if (!checkItemNameInParent(m_newName, m_url, nullptr, 1, m_item, m_project->getItemList()))
        return;
    if (m_item->getKind() == kExternal && m_url.IsEmpty()) {
        ui::AfxMessageBox(loadString(33015));
        return;
    }
    // A renamed page moves to the folder of its new name, which must be free.
    if (m_item->getKind() == kDual && !checkItemFolderFree(m_project, m_newName, m_url, nullptr, 1, m_item))
        return;
    // The entry the user chose, never another item of the same name.
    m_shortcutTarget =
        m_item->getKind() == kShortcut && m_referenceChosen ? chosenReferencedItem(m_newName) : nullptr;
    endDialog(wxID_OK);
}

void CChangeMenuItem::OnCancel() {
    if (m_kindChanged) {
        ui::AfxMessageBox(loadString(33020));
        return;
    }
    endDialog(wxID_CANCEL);
}
