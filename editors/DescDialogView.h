#pragma once

// "Description" and "Description 2nd Lang" (and the activity's
// "Description"): the description text of one language.

#include "PropertyPageView.h"

class DescL1DialogMgt;

class DescDialogView : public PropertyPageView {
public:
    enum ControlId { IDC_DESCRIPTION = 1042 };
    DescDialogView(wxWindow* parent, DescL1DialogMgt& page);
};
