#pragma once

// "Html Content": the item's page opened in the page editor, in the first
// language or (bilingual projects only) the second. The editor saves the
// page itself: a sheet cancelled afterwards keeps it.

#include "PropertyPageView.h"

class CEditContent;

class CEditContentView : public PropertyPageView {
public:
    enum ControlId { IDC_EDIT_CONTENT_L1 = 1002, IDC_EDIT_CONTENT_L2 = 1003 };
    CEditContentView(wxWindow* parent, CEditContent& page);

    // Hides the second-language button in a project of one language.
    void OnInitDialog() override;
    void OnEditContentL1();
    void OnEditContentL2();

private:
    void editContent(int language);
    CEditContent& m_content;
};
