#include "CQCDescDialogView.h"

#include "ClassPages.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>

CQCDescDialogView::CQCDescDialogView(wxWindow* parent, CQCDescDialogMgt& page, bool withMain)
    : PropertyPageView(parent, page) {
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(newTextGroup(IDC_DESCRIPTION, "Description", false, 8), 1, wxEXPAND);
    content->Add(newTextGroup(IDC_APPLICABILITY, "Applicability", false, 6), 1, wxEXPAND | wxTOP, 10);
    if (withMain) {
        content->Add(new wxCheckBox(this, IDC_MAIN, "Main (will be propagated to upper level)"), 0, wxTOP,
                     10);
        exchangeCheck(IDC_MAIN, &page.m_main);
    }
    finishLayout(content);
    exchangeText(IDC_DESCRIPTION, &page.m_description);
    exchangeText(IDC_APPLICABILITY, &page.m_applicability);
}
