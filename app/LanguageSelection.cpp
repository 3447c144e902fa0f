#include "LanguageSelection.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>

LanguageSelection::LanguageSelection(wxWindow* parent) : TolvaneDialog(parent, "Select Language") {
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(
        new wxRadioButton(this, IDC_LANGUAGE_1, "Language 1", wxDefaultPosition, wxDefaultSize, wxRB_GROUP),
        0, wxBOTTOM, 6);
    content->Add(new wxRadioButton(this, IDC_LANGUAGE_2, "Language 2"));
    finishLayout(content, wxOK);
}

bool LanguageSelection::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    setChecked(IDC_LANGUAGE_1, true);
    return true;
}

void LanguageSelection::OnOK() {
    m_language = isChecked(IDC_LANGUAGE_1) ? 0 : 1;
    endDialog(wxID_OK);
}
