#include "CGlossaryEntryDlgView.h"

#include "ClassPages.h"

#include <wx/sizer.h>

CGlossaryEntryDlgView::CGlossaryEntryDlgView(wxWindow* parent, CGlossaryEntryL1DlgMgt& page)
    : PropertyPageView(parent, page) {
    auto* form = controls::newForm();
    addFormRow(form, wxID_ANY, "Source", newEdit(IDC_SOURCE, 0, 40));
    addFormRow(form, wxID_ANY, "Equivalent", newEdit(IDC_EQUIVALENT, 0, 40));
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(newTextGroup(IDC_DESCRIPTION, "Description", false, 10), 1, wxEXPAND);
    content->Add(form, 0, wxEXPAND | wxTOP, 10);
    finishLayout(content);
    exchangeText(IDC_DESCRIPTION, &page.m_description);
    exchangeText(IDC_EQUIVALENT, &page.m_equivalent);
    exchangeText(IDC_SOURCE, &page.m_source);
}
