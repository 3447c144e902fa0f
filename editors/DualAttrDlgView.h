#pragma once

// "Attributes" of an item without process class.

#include "PropertyPageView.h"

class DualAttrDlgMgt;

class DualAttrDlgView : public PropertyPageView {
public:
    enum ControlId { IDC_INCLUDE_IN_PROCESS_DOC = 1006 };
    DualAttrDlgView(wxWindow* parent, DualAttrDlgMgt& page);
};
