#include "CEditContentView.h"

#include "DescriptionPages.h"
#include "ItemPageEditing.h"
#include "StdOption.h"

#include <wx/button.h>
#include <wx/sizer.h>

CEditContentView::CEditContentView(wxWindow* parent, CEditContent& page)
    : PropertyPageView(parent, page), m_content(page) {
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(new wxButton(this, IDC_EDIT_CONTENT_L1, "Edit html content (first language)"), 0, wxEXPAND);
    content->Add(new wxButton(this, IDC_EDIT_CONTENT_L2, "Edit html content (second language)"), 0,
                 wxEXPAND | wxTOP, 8);
    finishLayout(content);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnEditContentL1(); }, IDC_EDIT_CONTENT_L1);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnEditContentL2(); }, IDC_EDIT_CONTENT_L2);
}

void CEditContentView::OnInitDialog() {
    PropertyPageView::OnInitDialog();
    if (!StdOption::instance().getTwoLanguages())
        FindWindow(IDC_EDIT_CONTENT_L2)->Hide();
}

void CEditContentView::OnEditContentL1() {
    editContent(0);
}

void CEditContentView::OnEditContentL2() {
    editContent(1);
}

void CEditContentView::editContent(int language) {
    runItemPageEditor(m_content.m_project, m_content.m_item, false, language, this);
}
