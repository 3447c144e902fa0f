#pragma once

// "Description and applicability" and "(L2)" of a quality criterion: its
// description (the criterion's description file, shown in the generated
// pages' criterion column) and its applicability (its tailoring
// guideline file); on the first-language page whether it is a main
// criterion, listed for every item above it.

#include "PropertyPageView.h"

class CQCDescDialogMgt;

class CQCDescDialogView : public PropertyPageView {
public:
    enum ControlId { IDC_DESCRIPTION = 1042, IDC_MAIN = 1080, IDC_APPLICABILITY = 1209 };
    // withMain: the first-language page, which shows the "Main" box.
    CQCDescDialogView(wxWindow* parent, CQCDescDialogMgt& page, bool withMain);
};
