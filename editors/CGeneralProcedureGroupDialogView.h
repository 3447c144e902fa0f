#pragma once

// "General Procedure Group attributes": the columns of the group's table
// and whether it lists every procedure.

#include "PropertyPageView.h"

class CGeneralProcedureGroupDialogMgt;

class CGeneralProcedureGroupDialogView : public PropertyPageView {
public:
    enum ControlId {
        IDC_PRINT_TYPE = 1006,
        IDC_PRINT_STATE = 1007,
        IDC_PRINT_VERSION = 1008,
        IDC_ALL_PROCEDURES = 1009
    };
    CGeneralProcedureGroupDialogView(wxWindow* parent, CGeneralProcedureGroupDialogMgt& page);
};
