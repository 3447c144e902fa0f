#pragma once

// "Roles - Work products": the roles taking part in the activity with their
// responsibilities, and the work products it reads and produces with their
// state and number or part, each list in a grid beside the candidates it
// is picked from. The buttons change the grids only; OK writes them back
// into the activity, in the grids' order.

#include "ExtendedPropertyPage.h"
#include "ReferenceGrid.h"

#include <memory>

class ActivityRolesWPsDialogMgt;

class ActivityRolesWPsDialogView : public ExtendedPropertyPage {
public:
    enum ControlId {
        IDC_ADD_ROLE = 1013,
        IDC_REMOVE_ROLE = 1014,
        IDC_IN_WORK_PRODUCTS = 1037,
        IDC_OUT_WORK_PRODUCTS = 1041,
        IDC_ADD_OUT = 1043,
        IDC_REMOVE_OUT = 1044,
        IDC_ADD_IN = 1045,
        IDC_REMOVE_IN = 1046,
        IDC_EDIT_IN = 1047,
        IDC_IN_UP = 1048,
        IDC_IN_DOWN = 1049,
        IDC_EDIT_OUT = 1050,
        IDC_OUT_UP = 1051,
        IDC_OUT_DOWN = 1052,
        IDC_ROLE_UP = 1053,
        IDC_ROLE_DOWN = 1054,
        IDC_ROLES = 1100,
        IDC_ROLES_GRID = 1101,
        IDC_RESPONSIBILITIES = 1102,
        IDC_IN_GRID = 1184,
        IDC_OUT_GRID = 1185,
    };
    ActivityRolesWPsDialogView(wxWindow* parent, ActivityRolesWPsDialogMgt& page);

    void OnInitDialog() override;

    void OnAddRole();
    void OnRemoveRole();
    void OnRoleUp() { m_rolesGrid->moveSelected(-1); }
    void OnRoleDown() { m_rolesGrid->moveSelected(1); }
    void OnAddInWorkProduct() { addWorkProduct(IDC_IN_WORK_PRODUCTS, *m_inGrid); }
    void OnAddOutWorkProduct() { addWorkProduct(IDC_OUT_WORK_PRODUCTS, *m_outGrid); }
    void OnRemoveInWorkProduct() { removeWorkProduct(*m_inGrid); }
    void OnRemoveOutWorkProduct() { removeWorkProduct(*m_outGrid); }
    void OnEditInWorkProduct() { editWorkProduct(*m_inGrid); }
    void OnEditOutWorkProduct() { editWorkProduct(*m_outGrid); }
    void OnInWorkProductUp() { m_inGrid->moveSelected(-1); }
    void OnInWorkProductDown() { m_inGrid->moveSelected(1); }
    void OnOutWorkProductUp() { m_outGrid->moveSelected(-1); }
    void OnOutWorkProductDown() { m_outGrid->moveSelected(1); }

    ReferenceGrid& rolesGrid() const { return *m_rolesGrid; }
    ReferenceGrid& inGrid() const { return *m_inGrid; }
    ReferenceGrid& outGrid() const { return *m_outGrid; }

private:
    void addWorkProduct(int listId, ReferenceGrid& grid);
    void removeWorkProduct(ReferenceGrid& grid);
    void editWorkProduct(ReferenceGrid& grid);

    ActivityRolesWPsDialogMgt& m_links;
    std::unique_ptr<ReferenceGrid> m_rolesGrid;
    std::unique_ptr<ReferenceGrid> m_inGrid;
    std::unique_ptr<ReferenceGrid> m_outGrid;
};
