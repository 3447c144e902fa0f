#pragma once

// "Tailoring guideline" (or "Tailoring guideline 2nd lang"): the text of
// "Tailoring.txt" or "TailoringL2.txt"; long lines scroll sideways.

#include "PropertyPageView.h"

class TGDialogMgt;

class TGDialogView : public PropertyPageView {
public:
    enum ControlId { IDC_TAILORING_GUIDELINE = 1178 };
    TGDialogView(wxWindow* parent, TGDialogMgt& page);
};
