#include "CWorkProductPPage1View.h"

#include "CGridCtrl.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ItemWorkProduct.h"
#include "PageLists.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "StringTable.h"
#include "UserInterface.h"
#include "WorkProductPages.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

namespace {

wxChoice* choiceOf(wxWindow* page, int id) {
    return static_cast<wxChoice*>(page->FindWindow(id));
}

} // namespace

CWorkProductPPage1View::CWorkProductPPage1View(wxWindow* parent, CWorkProductPPage1& page)
    : PropertyPageView(parent, page), m_product(page) {
    auto* form = controls::newForm();
    addFormRow(form, wxID_ANY, "Naming rule /\ninstance name", newEdit(IDC_WP_NAME, 0, 30));
    addFormRow(form, wxID_ANY, "Location", newEdit(IDC_LOCATION, 0, 30));
    addFormRow(form, wxID_ANY, "Image", newEdit(IDC_IMAGE, 0, 30));
    addFormRow(form, wxID_ANY, "Configuration management policy", newEdit(IDC_CM_POLICY, 0, 30));
    addFormRow(form, wxID_ANY, "Timing", newEdit(IDC_TIMING, 0, 30));
    addFormRow(form, wxID_ANY, "Work product type",
               new wxComboBox(this, IDC_WP_TYPE, "", wxDefaultPosition, wxDefaultSize, 0, nullptr,
                              wxCB_DROPDOWN | wxCB_SORT));
    auto* left = new wxBoxSizer(wxVERTICAL);
    left->Add(form, 0, wxEXPAND);
    left->Add(new wxCheckBox(this, IDC_TO_ARCHIVE, "Work product to archive at the end of a project"), 0,
              wxTOP, 6);
    left->Add(new wxCheckBox(this, IDC_VIEW_PARENT, "View parent work product in activity schema (if any)"),
              0, wxTOP, 4);
    auto* inheritance = new wxBoxSizer(wxVERTICAL);
    inheritance->Add(new wxCheckBox(this, IDC_DERIVABLE, "Derivable"));
    inheritance->Add(new wxCheckBox(this, IDC_DERIVED, "Derived from another work product"), 0, wxTOP, 4);
    auto* bases = controls::newForm();
    for (const auto& [labelId, id, label] :
         {std::tuple{IDC_DERIVED_FROM_1_LABEL, IDC_DERIVED_FROM_1, "Work product 1 to derived from"},
          std::tuple{IDC_DERIVED_FROM_2_LABEL, IDC_DERIVED_FROM_2, "Work product 2 to derived from"}}) {
        auto* list = new wxChoice(this, id);
        list->SetMinSize(wxSize(list->GetTextExtent(wxString('x', 30)).GetWidth(), -1));
        addFormRow(bases, labelId, label, list);
    }
    inheritance->Add(bases, 0, wxEXPAND | wxTOP, 4);
    left->Add(newGroup(wxID_ANY, "Inheritance (only Quality criteria inherited)", inheritance), 0,
              wxEXPAND | wxTOP, 8);

    auto newList = [this](int id) {
        auto* list =
            new wxListBox(this, id, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SORT | wxLB_SINGLE);
        list->SetMinSize(
            wxSize(list->GetTextExtent(wxString('x', 20)).GetWidth(), list->GetCharHeight() * 6));
        return list;
    };
    auto* candidates = new wxBoxSizer(wxHORIZONTAL);
    candidates->Add(newList(IDC_ROLES), 1, wxEXPAND | wxRIGHT, 6);
    candidates->Add(newList(IDC_RESPONSIBILITIES), 1, wxEXPAND);
    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (const auto& [id, text] :
         {std::pair{IDC_ADD_AUTHOR, ">>  Add"}, std::pair{IDC_REMOVE_AUTHOR, "<< Remove"},
          std::pair{IDC_AUTHOR_UP, "Up"}, std::pair{IDC_AUTHOR_DOWN, "Down"}})
        buttons->Add(new wxButton(this, id, text), 0, wxRIGHT, 4);
    m_authors = std::make_unique<ReferenceGrid>(
        this, IDC_AUTHORS, ReferenceGrid::Columns{{"Role", 250}, {"Responsibility", 118}}, page.m_authors);
    auto* roles = new wxBoxSizer(wxVERTICAL);
    roles->Add(candidates, 1, wxEXPAND);
    roles->Add(buttons, 0, wxTOP | wxBOTTOM, 6);
    roles->Add(&m_authors->grid(), 1, wxEXPAND);

    auto* top = new wxBoxSizer(wxHORIZONTAL);
    top->Add(left, 0, wxEXPAND | wxRIGHT, 10);
    top->Add(newGroup(wxID_ANY, "Roles", roles), 1, wxEXPAND);
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(top, 1, wxEXPAND);
    content->Add(newTextGroup(IDC_DESCRIPTION, "Description", false, 5), 0, wxEXPAND | wxTOP, 8);
    finishLayout(content);

    exchangeText(IDC_DESCRIPTION, &page.m_description);
    exchangeText(IDC_LOCATION, &page.m_location);
    exchangeText(IDC_WP_NAME, &page.m_wpName);
    exchangeText(IDC_IMAGE, &page.m_image);
    exchangeText(IDC_CM_POLICY, &page.m_cmPolicy);
    exchangeText(IDC_WP_TYPE, &page.m_wpType);
    exchangeCheck(IDC_TO_ARCHIVE, &page.m_toArchive);
    exchangeCheck(IDC_VIEW_PARENT, &page.m_viewParentInActivity);
    exchangeText(IDC_TIMING, &page.m_timing);
    exchangeCheck(IDC_DERIVABLE, &page.m_derivable);
    exchangeCheck(IDC_DERIVED, &page.m_derived);

    bindCommand(wxEVT_CHECKBOX, IDC_DERIVED, &CWorkProductPPage1View::OnDerivedCheck);
    bindCommand(wxEVT_CHOICE, IDC_DERIVED_FROM_1, &CWorkProductPPage1View::OnSelchangeDerivedFrom1);
    bindCommand(wxEVT_CHOICE, IDC_DERIVED_FROM_2, &CWorkProductPPage1View::OnSelchangeDerivedFrom2);
    bindCommand(wxEVT_BUTTON, IDC_ADD_AUTHOR, &CWorkProductPPage1View::OnAddAuthor);
    bindCommand(wxEVT_BUTTON, IDC_REMOVE_AUTHOR, &CWorkProductPPage1View::OnRemoveAuthor);
    bindCommand(wxEVT_BUTTON, IDC_AUTHOR_UP, &CWorkProductPPage1View::OnAuthorUp);
    bindCommand(wxEVT_BUTTON, IDC_AUTHOR_DOWN, &CWorkProductPPage1View::OnAuthorDown);
}

void CWorkProductPPage1View::OnInitDialog() {
    PropertyPageView::OnInitDialog();
    ui::WaitCursor wait;
    auto* type = static_cast<wxComboBox*>(FindWindow(IDC_WP_TYPE));
    for (int i = 1; ItemWorkProduct::workProductTypes && i <= ItemWorkProduct::workProductTypes->count(); ++i)
        type->Append(toWx(*ItemWorkProduct::workProductTypes->at(i)));
    pageLists::selectByPrefix(type, m_product.m_wpType);

    for (int id : {IDC_DERIVED_FROM_1, IDC_DERIVED_FROM_2})
        choiceOf(this, id)->Append("", static_cast<void*>(nullptr));
    ItemListePlus* items = m_product.m_project ? m_product.m_project->getItemList() : nullptr;
    for (int i = 1; items && i <= items->count(); ++i) {
        auto* item = dynamic_cast<ProcessItem*>(items->at(i));
        const ItemWorkProduct* product =
            item && item->getClassKind() == kWorkProductClass ? item->getItemWorkProduct() : nullptr;
        if (!product || item == m_product.m_item || !product->m_derivable)
            continue;
        for (int id : {IDC_DERIVED_FROM_1, IDC_DERIVED_FROM_2})
            choiceOf(this, id)->Append(toWx(references::itemLabel(item)), item);
    }
    pageLists::selectByData(choiceOf(this, IDC_DERIVED_FROM_1), m_product.m_derivedFrom1);
    pageLists::selectByData(choiceOf(this, IDC_DERIVED_FROM_2), m_product.m_derivedFrom2);
    enable(IDC_DERIVED_FROM_1, m_product.m_derived != 0);
    enable(IDC_DERIVED_FROM_2, m_product.m_derived != 0);

    if (auto* manager = dynamic_cast<ProcessManager*>(m_product.m_project)) {
        ProcessItemListe roles;
        manager->getRoles(&roles);
        auto* roleList = static_cast<wxListBox*>(FindWindow(IDC_ROLES));
        for (int i = 1; i <= roles.count(); ++i)
            roleList->Append(toWx(roles.at(i)->getName()), roles.at(i));
        roles.removeAll();
        CStringListePlus* responsibilities = manager->getWorkProductRoleResponsibilities();
        auto* responsibilityList = static_cast<wxListBox*>(FindWindow(IDC_RESPONSIBILITIES));
        for (int i = 1; i <= responsibilities->count(); ++i)
            responsibilityList->Append(toWx(*responsibilities->at(i)));
    }
    m_authors->fill();
}

void CWorkProductPPage1View::OnDerivedCheck() {
    const bool derived = isChecked(IDC_DERIVED);
    enable(IDC_DERIVED_FROM_1, derived);
    enable(IDC_DERIVED_FROM_2, derived);
    if (derived)
        return;
    choiceOf(this, IDC_DERIVED_FROM_1)->SetSelection(0);
    choiceOf(this, IDC_DERIVED_FROM_2)->SetSelection(0);
    m_product.m_derivedFrom1 = nullptr;
    m_product.m_derivedFrom2 = nullptr;
}

void CWorkProductPPage1View::derivedFromChanged(int id) {
    wxChoice* list = choiceOf(this, id);
    const int selected = list->GetSelection();
    if (selected == wxNOT_FOUND)
        return;
    ProcessItem*& member = id == IDC_DERIVED_FROM_1 ? m_product.m_derivedFrom1 : m_product.m_derivedFrom2;
    auto* base = static_cast<ProcessItem*>(list->GetClientData(static_cast<unsigned>(selected)));
    if (base && m_product.wouldMakeCycle(base)) {
        CString message;
        message.Format(loadString(33482), base->getName().GetString());
        ui::AfxMessageBox(message);
        pageLists::selectByData(list, member);
        return;
    }
    member = base;
}

void CWorkProductPPage1View::OnAddAuthor() {
    const CString role = pageLists::selectedText(this, IDC_ROLES);
    if (role.IsEmpty()) {
        ui::AfxMessageBox(loadString(33003));
        return;
    }
    const CString responsibility = pageLists::selectedText(this, IDC_RESPONSIBILITIES);
    m_authors->append(
        references::chosenRow(pageLists::selectedItem(this, IDC_ROLES),
                              {role, responsibility.IsEmpty() ? CString("author") : responsibility}));
}

void CWorkProductPPage1View::OnRemoveAuthor() {
    if (!m_authors->removeSelected())
        ui::AfxMessageBox(loadString(33004));
}
