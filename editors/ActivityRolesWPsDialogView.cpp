#include "ActivityRolesWPsDialogView.h"

#include "ActivityPages.h"
#include "ActivityWorkProductLinkDlgMgt.h"
#include "CGridCtrl.h"
#include "PageLists.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "StringTable.h"
#include "UserInterface.h"
#include "WinTypes.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>

namespace {

// A sorted list of candidates, at least as wide as a longer name.
wxListBox* newCandidates(wxWindow* parent, int id) {
    auto* list =
        new wxListBox(parent, id, wxDefaultPosition, wxDefaultSize, 0, nullptr, wxLB_SORT | wxLB_SINGLE);
    list->SetMinSize(wxSize(list->GetTextExtent(wxString('x', 22)).GetWidth(), list->GetCharHeight() * 6));
    return list;
}

} // namespace

ActivityRolesWPsDialogView::ActivityRolesWPsDialogView(wxWindow* parent, ActivityRolesWPsDialogMgt& page)
    : ExtendedPropertyPage(parent, page), m_links(page) {
    // Two buttons a row (an id 0 leaves its cell empty): the three groups
    // stay low enough for the sheet to fit a small screen.
    auto buttons = [this](std::initializer_list<std::pair<int, const char*>> list) {
        auto* cells = new wxFlexGridSizer(2, 4, 4);
        for (const auto& [id, text] : list) {
            if (id == 0)
                cells->AddSpacer(0);
            else
                cells->Add(new wxButton(this, id, text), 0, wxEXPAND);
        }
        return cells;
    };
    // Candidates, then buttons, then the grid, in one row per group.
    auto group = [this](const char* caption, std::initializer_list<wxWindow*> lists, wxSizer* column,
                        CGridCtrl& grid) {
        auto* row = new wxBoxSizer(wxHORIZONTAL);
        for (wxWindow* list : lists)
            row->Add(list, 0, wxEXPAND | wxRIGHT, 6);
        row->Add(column, 0, wxRIGHT, 6);
        row->Add(&grid, 1, wxEXPAND);
        return newGroup(wxID_ANY, caption, row);
    };
    auto* roles = newCandidates(this, IDC_ROLES);
    auto* responsibilities = newCandidates(this, IDC_RESPONSIBILITIES);
    auto* roleButtons = buttons({{IDC_ADD_ROLE, ">>  Add"},
                                 {IDC_REMOVE_ROLE, "<< Remove"},
                                 {IDC_ROLE_UP, "Up"},
                                 {IDC_ROLE_DOWN, "Down"}});
    m_rolesGrid = std::make_unique<ReferenceGrid>(
        this, IDC_ROLES_GRID, ReferenceGrid::Columns{{"Role", 250}, {"Responsibility", 90}}, page.m_roles);
    auto* inList = newCandidates(this, IDC_IN_WORK_PRODUCTS);
    auto* inButtons = buttons({{IDC_ADD_IN, ">>  Add"},
                               {IDC_REMOVE_IN, "<< Remove"},
                               {IDC_EDIT_IN, "Edit"},
                               {0, ""},
                               {IDC_IN_UP, "Up"},
                               {IDC_IN_DOWN, "Down"}});
    const ReferenceGrid::Columns productColumns{{"Name", 200}, {"State", 100}, {"Nb", 40}};
    m_inGrid = std::make_unique<ReferenceGrid>(this, IDC_IN_GRID, productColumns, page.m_inWorkProducts);
    auto* outList = newCandidates(this, IDC_OUT_WORK_PRODUCTS);
    auto* outButtons = buttons({{IDC_ADD_OUT, ">>  Add"},
                                {IDC_REMOVE_OUT, "<< Remove"},
                                {IDC_EDIT_OUT, "Edit"},
                                {0, ""},
                                {IDC_OUT_UP, "Up"},
                                {IDC_OUT_DOWN, "Down"}});
    m_outGrid = std::make_unique<ReferenceGrid>(this, IDC_OUT_GRID, productColumns, page.m_outWorkProducts);

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(group("Roles", {roles, responsibilities}, roleButtons, m_rolesGrid->grid()), 1, wxEXPAND);
    content->Add(group("In work products", {inList}, inButtons, m_inGrid->grid()), 1, wxEXPAND | wxTOP, 8);
    content->Add(group("Out work products", {outList}, outButtons, m_outGrid->grid()), 1, wxEXPAND | wxTOP,
                 8);
    finishLayout(content);

    bindCommand(wxEVT_BUTTON, IDC_ADD_ROLE, &ActivityRolesWPsDialogView::OnAddRole);
    bindCommand(wxEVT_BUTTON, IDC_REMOVE_ROLE, &ActivityRolesWPsDialogView::OnRemoveRole);
    bindCommand(wxEVT_BUTTON, IDC_ROLE_UP, &ActivityRolesWPsDialogView::OnRoleUp);
    bindCommand(wxEVT_BUTTON, IDC_ROLE_DOWN, &ActivityRolesWPsDialogView::OnRoleDown);
    bindCommand(wxEVT_BUTTON, IDC_ADD_IN, &ActivityRolesWPsDialogView::OnAddInWorkProduct);
    bindCommand(wxEVT_BUTTON, IDC_REMOVE_IN, &ActivityRolesWPsDialogView::OnRemoveInWorkProduct);
    bindCommand(wxEVT_BUTTON, IDC_EDIT_IN, &ActivityRolesWPsDialogView::OnEditInWorkProduct);
    bindCommand(wxEVT_BUTTON, IDC_IN_UP, &ActivityRolesWPsDialogView::OnInWorkProductUp);
    bindCommand(wxEVT_BUTTON, IDC_IN_DOWN, &ActivityRolesWPsDialogView::OnInWorkProductDown);
    bindCommand(wxEVT_BUTTON, IDC_ADD_OUT, &ActivityRolesWPsDialogView::OnAddOutWorkProduct);
    bindCommand(wxEVT_BUTTON, IDC_REMOVE_OUT, &ActivityRolesWPsDialogView::OnRemoveOutWorkProduct);
    bindCommand(wxEVT_BUTTON, IDC_EDIT_OUT, &ActivityRolesWPsDialogView::OnEditOutWorkProduct);
    bindCommand(wxEVT_BUTTON, IDC_OUT_UP, &ActivityRolesWPsDialogView::OnOutWorkProductUp);
    bindCommand(wxEVT_BUTTON, IDC_OUT_DOWN, &ActivityRolesWPsDialogView::OnOutWorkProductDown);
}

void ActivityRolesWPsDialogView::OnInitDialog() {
    ui::WaitCursor wait;
    ExtendedPropertyPage::OnInitDialog();
    auto* manager = dynamic_cast<ProcessManager*>(m_links.m_project);
    if (manager) {
        ProcessItemListe roles;
        manager->getRoles(&roles);
        auto* roleList = static_cast<wxListBox*>(FindWindow(IDC_ROLES));
        for (int i = 1; i <= roles.count(); ++i)
            if (roles.at(i)->getKind() == 0)
                roleList->Append(toWx(roles.at(i)->getName()), roles.at(i));
        roles.removeAll();
        CStringListePlus* responsibilities = manager->getRoleResponsibilities();
        auto* responsibilityList = static_cast<wxListBox*>(FindWindow(IDC_RESPONSIBILITIES));
        for (int i = 1; i <= responsibilities->count(); ++i)
            responsibilityList->Append(toWx(*responsibilities->at(i)));
        ProcessItemListe products;
        manager->getWorkProducts(&products);
        for (int id : {IDC_IN_WORK_PRODUCTS, IDC_OUT_WORK_PRODUCTS}) {
            auto* list = static_cast<wxListBox*>(FindWindow(id));
            for (int i = 1; i <= products.count(); ++i)
                list->Append(toWx(products.at(i)->getName()), products.at(i));
        }
        products.removeAll();
    }
    m_inGrid->fill();
    m_outGrid->fill();
    m_rolesGrid->fill();
}

void ActivityRolesWPsDialogView::OnAddRole() {
    const CString role = pageLists::selectedText(this, IDC_ROLES);
    if (role.IsEmpty()) {
        ui::AfxMessageBox(loadString(33003));
        return;
    }
    m_rolesGrid->append(references::chosenRow(pageLists::selectedItem(this, IDC_ROLES),
                                              {role, pageLists::selectedText(this, IDC_RESPONSIBILITIES)}));
}

void ActivityRolesWPsDialogView::OnRemoveRole() {
    if (!m_rolesGrid->removeSelected())
        ui::AfxMessageBox(loadString(33004));
}

void ActivityRolesWPsDialogView::removeWorkProduct(ReferenceGrid& grid) {
    if (!grid.removeSelected())
        ui::AfxMessageBox(loadString(33008));
}

void ActivityRolesWPsDialogView::addWorkProduct(int listId, ReferenceGrid& grid) {
    const CString name = pageLists::selectedText(this, listId);
    if (name.IsEmpty()) {
        ui::AfxMessageBox(loadString(33006));
        return;
    }
    // The entry chosen, never another work product of the same name.
    ProcessItem* product = pageLists::selectedItem(this, listId);
    if (!product) {
        ui::AfxMessageBox(loadString(33005));
        return;
    }
    ActivityWorkProductLinkDlgMgt link(m_links.m_project, m_links.m_item, product, "1", "", nullptr);
    if (link.DoModal() != IDOK)
        return;
    ReferenceRow row = references::chosenRow(product, {name, link.m_stateName, link.m_number});
    row.stateUid = link.chosenStateUid(CString());
    grid.append(row);
}

void ActivityRolesWPsDialogView::editWorkProduct(ReferenceGrid& grid) {
    const int row = grid.selected();
    if (row < 0) {
        ui::AfxMessageBox(loadString(33007));
        return;
    }
    ReferenceRow& link = grid.rows()[static_cast<size_t>(row)];
    std::vector<CString>& cells = link.cells;
    // The work product the row keeps; one read by a plain name, the first of that name.
    auto* manager = dynamic_cast<ProcessManager*>(m_links.m_project);
    ProcessItem* product = nullptr;
    if (!link.uid.IsEmpty())
        product = dynamic_cast<ProcessItem*>(m_links.m_project->findItemByUid(link.uid));
    else if (manager)
        product = manager->findWorkProduct(cells[0]);
    if (!product) {
        ui::AfxMessageBox(loadString(33005));
        return;
    }
    ActivityWorkProductLinkDlgMgt dialog(m_links.m_project, m_links.m_item, product, cells[2], cells[1],
                                         nullptr);
    if (dialog.DoModal() != IDOK)
        return;
    cells[1] = dialog.m_stateName;
    cells[2] = dialog.m_number;
    link.uid = product->getUid();
    link.stateUid = dialog.chosenStateUid(link.stateUid);
    grid.fill();
    grid.select(row);
}
