#pragma once

// "Glossary entry (Language 1)" and "(Language 2)": the entry's
// description, source and equivalent in one language.

#include "PropertyPageView.h"

class CGlossaryEntryL1DlgMgt;

class CGlossaryEntryDlgView : public PropertyPageView {
public:
    enum ControlId { IDC_DESCRIPTION = 1042, IDC_SOURCE = 1189, IDC_EQUIVALENT = 1190 };
    CGlossaryEntryDlgView(wxWindow* parent, CGlossaryEntryL1DlgMgt& page);
};
