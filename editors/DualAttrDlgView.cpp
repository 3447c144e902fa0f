#include "DualAttrDlgView.h"

#include "DescriptionPages.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>

DualAttrDlgView::DualAttrDlgView(wxWindow* parent, DualAttrDlgMgt& page) : PropertyPageView(parent, page) {
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(new wxCheckBox(this, IDC_INCLUDE_IN_PROCESS_DOC, "Include in process document"));
    finishLayout(content);
    exchangeCheck(IDC_INCLUDE_IN_PROCESS_DOC, &page.m_includeInProcessDoc);
}
