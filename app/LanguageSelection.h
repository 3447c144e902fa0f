#pragma once

// "Select Language": whether the page of an item is opened in the first or
// the second content language. It has no Cancel button; Escape or the close
// box leave the first language.

#include "TolvaneDialog.h"

class LanguageSelection : public TolvaneDialog {
public:
    enum ControlId { IDC_LANGUAGE_1 = 1167, IDC_LANGUAGE_2 = 1168 };

    explicit LanguageSelection(wxWindow* parent);

    // "Language 1" checked.
    bool OnInitDialog() override;
    void OnOK() override;

    // 0 first language, 1 second; read whatever ended the dialog.
    int m_language = 0;
};
