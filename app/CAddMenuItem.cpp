#include "CAddMenuItem.h"

#include "CStringListe.h"
#include "FileSystem.h"
#include "ItemClasses.h"
#include "ItemIcons.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StdOption.h"
#include "StringTable.h"
#include "TextOutStream.h"
#include "TreeChecks.h"
#include "UserInterface.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <initializer_list>

namespace {

// What each kind does to the visible controls.
struct KindRule {
    int radio;
    bool referenced;     // 1039 and its label 1038
    bool resetReference; // 1039 back to its empty entry
    bool shortcutGroup;  // 1036
    bool dualGroup;      // 1035
    bool names;          // 1022 and, with two languages, 1023; else both off and emptied
    bool url;            // 1060, 1056, 1061; else off and the url emptied
    bool classList;      // 1094, 1093
    bool pageHeader;     // 1043, 1041
    bool visibleForced;  // 1031 checked and off; else on
};

const KindRule kKindRules[] = {
    // radio                       ref    reset  1036   1035   names  url    class  header forced
    {CAddMenuItem::IDC_DUAL, false, true, false, true, true, false, false, true, false},
    {CAddMenuItem::IDC_SHORTCUT, true, false, true, false, false, false, false, false, true},
    {CAddMenuItem::IDC_EXTERNAL, false, true, false, false, true, true, false, false, true},
    {CAddMenuItem::IDC_SPECIFIC_CLASS, false, false, false, false, true, false, true, true, false},
};

// The page header image proposed for a new item of a class; the others keep theirs.
struct ClassHeader {
    int kind;
    const char* image;
};
const ClassHeader kClassHeaders[] = {
    {2, "role.gif"},
    {4, "activity.gif"},
    {5, "Macro_activity.gif"},
    {6, "phase.gif"},
    {7, "workProduct.gif"},
    {9, "workflow.gif"},
    {10, "discipline.gif"},
    {11, "templateaccess.gif"},
    {12, "Procedure.gif"},
    {13, "ProceduresGroup.gif"},
    {14, "processoverview.gif"},
    {15, "WorkProductGroup.gif"},
    {16, "rolegroup.gif"},
    {17, "workproductoverview.gif"},
    {19, "measure.gif"},
    {21, "Glossary.gif"},
    {22, "domain.gif"},
};

// The classes whose items are hidden from the site's tree when they are made.
bool startsHidden(int kind) {
    return kind == kWorkProductStateClass || kind == kGlossaryEntryClass || kind == kQualityCriteriaClass;
}

bool twoLanguages() {
    return StdOption::instance().getTwoLanguages();
}

} // namespace

CAddMenuItem::CAddMenuItem(wxWindow* parent, ProcessManager* project, Item* reference,
                           const ItemIconSet* icons, int position, int classKind, const CString& name)
    : ItemPropertiesDialog(parent, "Add item", project, icons), m_name(name), m_processManager(project),
      m_reference(reference), m_position(position), m_classKind(classKind) {
    auto radio = [this](int id, const char* caption, long style = 0) {
        return new wxRadioButton(this, id, caption, wxDefaultPosition, wxDefaultSize, style);
    };
    // The kinds: a hidden first radio holds the group's state while no kind is chosen.
    auto* kindRadios = new wxBoxSizer(wxVERTICAL);
    kindRadios->Add(radio(wxID_ANY, "", wxRB_GROUP))->Show(false);
    kindRadios->Add(radio(IDC_DUAL, "Dual"), 0, wxBOTTOM, 4);
    kindRadios->Add(radio(IDC_SHORTCUT, "Shortcut"), 0, wxBOTTOM, 4);
    kindRadios->Add(radio(IDC_EXTERNAL, "External"), 0, wxBOTTOM, 4);
    kindRadios->Add(radio(IDC_SPECIFIC_CLASS, "Specific class"));
    auto* place = new wxBoxSizer(wxVERTICAL);
    place->Add(radio(IDC_UP, "Up", wxRB_GROUP), 0, wxBOTTOM, 4);
    place->Add(radio(IDC_BELOW, "Below"), 0, wxBOTTOM, 4);
    place->Add(radio(IDC_CHILD, "Child"), 0, wxBOTTOM, 8);
    place->Add(new wxStaticText(this, wxID_ANY, "Relative to"), 0, wxBOTTOM, 2);
    place->Add(newEdit(IDC_RELATIVE_TO, wxTE_READONLY, 20), 0, wxEXPAND);
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(newGroup(wxID_ANY, "Kind", kindRadios), 0, wxEXPAND | wxRIGHT, 8);
    top->Add(newGroup(wxID_ANY, "Position", place), 1, wxEXPAND);

    auto* names = newForm();
    addFormRow(names, wxID_ANY, "Item name", newEdit(IDC_NAME, 0, 28));
    addFormRow(names, wxID_ANY, "Item name L2", newEdit(IDC_NAME_L2, 0, 28));
    addIconRows(names);
    auto* major = new wxBoxSizer(wxVERTICAL);
    major->Add(names, 0, wxEXPAND | wxBOTTOM, 6);
    major->Add(new wxCheckBox(this, IDC_VISIBLE, "Visible"), 0, wxBOTTOM, 4);
    major->Add(new wxCheckBox(this, IDC_OPEN_IN_NEW_WINDOW, "Open in a new window"));

    auto* dual = newForm();
    addFormRow(dual, IDC_CLASS_LABEL, "Class", new wxChoice(this, IDC_CLASS));
    addFormRow(dual, IDC_PAGE_HEADER_LABEL, "Page header image", newPageHeaderControls());
    // Kept hidden: a page is always made, of the one kind there is, with a
    // frame when the project's option says so, without description.
    auto* pageKind = new wxChoice(this, IDC_PAGE_KIND);
    pageKind->Append("Standard");
    for (wxWindow* hidden : std::initializer_list<wxWindow*>{
             new wxCheckBox(this, IDC_CREATE_PAGE, "Create associate directory and html page"),
             new wxStaticText(this, IDC_PAGE_KIND_LABEL, "Kind of page to create"), pageKind,
             new wxTextCtrl(this, IDC_DESCRIPTION, "", wxDefaultPosition, wxDefaultSize, wxTE_MULTILINE),
             new wxCheckBox(this, IDC_USE_FRAME, "Use frame to present item path in the item hierarchy")}) {
        hidden->Hide();
        hidden->Disable();
        dual->Add(hidden);
    }

    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(top, 0, wxEXPAND | wxBOTTOM, 8);
    left->Add(newGroup(wxID_ANY, "Major attributes", major), 1, wxEXPAND);
    wxSizer* content = newContent(left, "Dual && specific class", dual, "Shortcut", "External");

    exchangeCheck(IDC_CREATE_PAGE, &m_createPage);
    exchangeText(IDC_NAME, &m_name);
    exchangeText(IDC_PAGE_KIND, &m_pageKind);
    exchangeText(IDC_ICON, &m_icon);
    exchangeText(IDC_OPEN_ICON, &m_openIcon);
    exchangeText(IDC_REFERENCED, &m_referencedText);
    exchangeText(IDC_DESCRIPTION, &m_description);
    exchangeText(IDC_RELATIVE_TO, &m_relativeTo);
    exchangeText(IDC_URL, &m_url);
    exchangeText(IDC_CLASS, &m_classText);
    exchangeCheck(IDC_OPEN_IN_NEW_WINDOW, &m_openInNewWindow);
    exchangeCheck(IDC_USE_FRAME, &m_useFrame);
    exchangeText(IDC_NAME_L2, &m_nameL2);
    exchangeCheck(IDC_VISIBLE, &m_visible);
    exchangeText(IDC_PAGE_HEADER, &m_pageHeaderImage);
    finishLayout(content);
    // The class is chosen with the "Specific class" kind only.
    enable(IDC_CLASS, false);
    enable(IDC_CLASS_LABEL, false);

    for (const auto& [id, handler] :
         {std::pair{IDC_DUAL, &CAddMenuItem::OnDual}, std::pair{IDC_SHORTCUT, &CAddMenuItem::OnShortcut},
          std::pair{IDC_EXTERNAL, &CAddMenuItem::OnExternal},
          std::pair{IDC_SPECIFIC_CLASS, &CAddMenuItem::OnSpecificClass}})
        Bind(
            wxEVT_RADIOBUTTON, [this, handler = handler](wxCommandEvent&) { (this->*handler)(); }, id);
    Bind(
        wxEVT_COMBOBOX, [this](wxCommandEvent&) { OnSelchangeReferenced(); }, IDC_REFERENCED);
    Bind(
        wxEVT_CHOICE, [this](wxCommandEvent&) { OnSelchangeClass(); }, IDC_CLASS);
}

bool CAddMenuItem::OnInitDialog() {
    m_pageKind = "Standard";
    m_relativeTo = m_reference ? m_reference->getName() : CString();
    ItemPropertiesDialog::OnInitDialog();
    setChecked(m_position == 1 ? IDC_UP : (m_position == 2 ? IDC_CHILD : IDC_BELOW), true);
    for (int id : std::initializer_list<int>{IDC_REFERENCED, IDC_SHORTCUT_GROUP, IDC_EXTERNAL_GROUP, IDC_URL,
                                             IDC_URL_LABEL, IDC_REFERENCED_LABEL})
        enable(id, false);
    setChecked(IDC_CREATE_PAGE, true);
    setText(IDC_ICON, getDefaultClosedIcon());
    setText(IDC_OPEN_ICON, getDefaultOpenIcon());

    fillReferencedItems();

    if (StdOption::instance().getUseFrame())
        setChecked(IDC_USE_FRAME, true);
    if (!twoLanguages())
        enable(IDC_NAME_L2, false);
    if (!m_processManager->isProcessMode()) {
        enable(IDC_SPECIFIC_CLASS, false);
        return true;
    }

    auto* classes = static_cast<wxChoice*>(FindWindow(IDC_CLASS));
    const CString wanted = m_classKind != 0 ? getProcessClassKeyword(m_classKind, 1) : CString();
    bool found = false;
    CStringIterateur* keywords = m_processManager->getClassKeywords()->createIterator();
    for (; !keywords->isAtEnd(); keywords->next()) {
        classes->Append(toWx(*keywords->current()));
        found |= m_classKind != 0 && *keywords->current() == wanted;
    }
    delete keywords;
    if (found) {
        setChecked(IDC_SPECIFIC_CLASS, true);
        OnSpecificClass();
        setText(IDC_CLASS, wanted);
        OnSelchangeClass();
    } else {
        // Checked without its handler: the controls keep their opening
        // states until a kind is chosen.
        setChecked(IDC_DUAL, true);
    }
    return true;
}

void CAddMenuItem::OnDual() {
    applyKind(IDC_DUAL);
}

void CAddMenuItem::OnShortcut() {
    applyKind(IDC_SHORTCUT);
}

void CAddMenuItem::OnExternal() {
    applyKind(IDC_EXTERNAL);
}

void CAddMenuItem::OnSpecificClass() {
    applyKind(IDC_SPECIFIC_CLASS);
}

void CAddMenuItem::applyKind(int radio) {
    const KindRule* rule = &kKindRules[0];
    for (const KindRule& candidate : kKindRules)
        if (candidate.radio == radio)
            rule = &candidate;
    enable(IDC_REFERENCED, rule->referenced);
    enable(IDC_REFERENCED_LABEL, rule->referenced);
    if (rule->resetReference)
        static_cast<wxComboBox*>(FindWindow(IDC_REFERENCED))->SetSelection(0);
    enable(IDC_SHORTCUT_GROUP, rule->shortcutGroup);
    enable(IDC_DUAL_GROUP, rule->dualGroup);
    enable(IDC_NAME, rule->names);
    enable(IDC_NAME_L2, rule->names && twoLanguages());
    if (!rule->names) {
        setText(IDC_NAME, "");
        setText(IDC_NAME_L2, "");
    } else if (m_nameFromShortcut) {
        setText(IDC_NAME, "");
    }
    for (int id : std::initializer_list<int>{IDC_EXTERNAL_GROUP, IDC_URL, IDC_URL_LABEL})
        enable(id, rule->url);
    if (!rule->url)
        setText(IDC_URL, "");
    enable(IDC_CLASS_LABEL, rule->classList);
    enable(IDC_CLASS, rule->classList);
    enable(IDC_SELECT_PAGE_HEADER, rule->pageHeader);
    enable(IDC_PAGE_HEADER_LABEL, rule->pageHeader);
    if (rule->visibleForced)
        setChecked(IDC_VISIBLE, true);
    enable(IDC_VISIBLE, !rule->visibleForced);
    m_nameFromShortcut = radio == IDC_SHORTCUT;
}

void CAddMenuItem::OnSelchangeReferenced() {
    auto* referenced = static_cast<wxComboBox*>(FindWindow(IDC_REFERENCED));
    const int selection = referenced->GetSelection();
    if (selection == wxNOT_FOUND)
        return;
    const CString text = fromWx(referenced->GetString(selection));
    setText(IDC_NAME, text.IsEmpty() ? CString() : shortcutPrefix() + text);
    auto* item = static_cast<Item*>(referenced->GetClientData(selection));
    if (twoLanguages()) {
        if (!item) {
            setText(IDC_NAME_L2, "");
            return;
        }
        setText(IDC_NAME_L2, shortcutPrefix() + item->getNameL2());
    }
    if (item) {
        setText(IDC_ICON, item->getIcon());
        setText(IDC_OPEN_ICON, item->getOpenIcon());
    }
}

void CAddMenuItem::OnSelchangeClass() {
    const int kind = getProcessClassFromKeyword(getText(IDC_CLASS));
    setText(IDC_ICON, getClosedIconForClass(kind));
    setText(IDC_OPEN_ICON, getOpenIconForClass(kind));
    if (startsHidden(kind))
        setChecked(IDC_VISIBLE, false);
    for (const ClassHeader& header : kClassHeaders)
        if (header.kind == kind)
            setText(IDC_PAGE_HEADER, header.image);
}

void CAddMenuItem::OnOK() {
    updateData(true);
    int position = 2;
    Item* parent = m_reference;
    if (isChecked(IDC_BELOW) || isChecked(IDC_UP)) {
        position = isChecked(IDC_BELOW) ? 0 : 1;
        parent = m_reference ? m_reference->getParent() : nullptr;
    }
    const bool dual = isChecked(IDC_DUAL);
    const bool specificClass = isChecked(IDC_SPECIFIC_CLASS);
    if (!checkItemNameInParent(m_name, m_url, m_reference, position, nullptr,
                               m_processManager->getItemList()))
        return;
    // A new page never goes into a folder that exists already.
    if ((dual || specificClass) &&
        !checkItemFolderFree(m_processManager, m_name, m_url, m_reference, position, nullptr))
        return;
    if (!m_processManager->checkItemClassAllowed(m_classText, parent))
        return;
    if (specificClass && m_classText.IsEmpty()) {
        ui::AfxMessageBox(loadString(33013));
        return;
    }
    if (specificClass && m_classText.Find("---") >= 0) {
        ui::AfxMessageBox(loadString(33014));
        return;
    }
    if (isChecked(IDC_EXTERNAL) && m_url.IsEmpty()) {
        ui::AfxMessageBox(loadString(33015));
        return;
    }
    endDialog(wxID_OK);
    addItem(position);
}

void CAddMenuItem::addItem(int position) {
    const bool dual = isChecked(IDC_DUAL);
    const bool specificClass = isChecked(IDC_SPECIFIC_CLASS);
    if (m_reference && m_reference->getKind() != kDual && position == 2 && (dual || specificClass)) {
        ui::AfxMessageBox(loadString(32956));
        return;
    }
    if (TextOutStream* log = m_processManager->openLog()) {
        *log << "Add menu item \"" << m_name << "\" ";
        if (!m_classText.IsEmpty())
            *log << "(class " << m_classText << ") ";
        *log << (position == 0 ? "below " : (position == 1 ? "above " : "as child of ")) << "\""
             << (m_reference ? m_reference->getName() : CString("root")) << "\"\n";
        Project::closeLog(log);
    }
    CString description = m_description;
    description.Replace("\n", " <BR> ");
    m_result = m_processManager->addItem(m_reference, m_name, m_openInNewWindow, m_icon, m_openIcon, position,
                                         description, m_url, 1, 1, m_useFrame, m_visible, m_nameL2, 1, "",
                                         chosenReferencedItem(m_name));
    if (!m_result) {
        ui::AfxMessageBox(loadString(33016));
        return;
    }
    auto* item = dynamic_cast<ProcessItem*>(m_result);
    if (dual && m_createPage) {
        if (item)
            item->setPageHeaderImage(m_pageHeaderImage);
        m_processManager->createItemPage(m_result, 1, nullptr, 1, m_useFrame, 0);
        // Without its folder (it was told) the item would have no page: it
        // leaves the tree, as an item of a class does.
        if (!platform::folderExists(m_processManager->getPathInSite(m_result->getFolder(1, 0)))) {
            m_processManager->deleteItem(m_result, 1, 1, 0, 1, 1);
            m_result = nullptr;
            return;
        }
        if (twoLanguages())
            m_processManager->createItemPage(m_result, 1, nullptr, 1, m_useFrame, 1);
        m_result->savePageHeaderImage();
    }
    if (specificClass) {
        if (item)
            item->setPageHeaderImage(m_pageHeaderImage);
        if (!m_processManager->createItemFiles(m_result, m_classText, m_classText, m_useFrame)) {
            m_result = nullptr;
            return;
        }
        m_result->savePageHeaderImage();
    }
    if (item)
        item->load(1);
}
