#pragma once

// "Procedure attribute": the procedure's documents in each language (a
// path and an alternative path), its status, type, version and description.

#include "PropertyPageView.h"

class CProcedureDialogMgt;

class CProcedureDialogView : public PropertyPageView {
public:
    enum ControlId {
        IDC_PROCEDURE = 1001,
        IDC_PROCEDURE_L2 = 1002,
        IDC_DESCRIPTION = 1042,
        IDC_VERSION = 1106,
        IDC_ALT_PROCEDURE = 1122,
        IDC_ALT_PROCEDURE_L2 = 1123,
        IDC_TYPE = 1124,
        IDC_STATUS = 1125,
    };
    CProcedureDialogView(wxWindow* parent, CProcedureDialogMgt& page);
};
