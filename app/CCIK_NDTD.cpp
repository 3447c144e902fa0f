#include "CCIK_NDTD.h"

#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

CCIK_NDTD::CCIK_NDTD(const CString& name, wxWindow* parent)
    : TolvaneDialog(parent, "Change item kind: non dual to dual"), m_name(name) {
    auto* form = newForm();
    addFormRow(form, wxID_ANY, "Item name", newEdit(IDC_NAME, 0, 32));
    auto* purpose = newEdit(IDC_PURPOSE, wxTE_MULTILINE, 32);
    purpose->SetMinSize(wxSize(purpose->GetMinSize().GetWidth(), purpose->GetCharHeight() * 5));
    addFormRow(form, IDC_PURPOSE_LABEL, "Purpose", purpose);
    auto* pageKind = new wxChoice(this, IDC_PAGE_KIND);
    pageKind->Append("Standard");
    addFormRow(form, IDC_PAGE_KIND_LABEL, "Kind of page to create", pageKind);
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(new wxCheckBox(this, IDC_CREATE_PAGE, "Create associate directory and html page"), 0,
                 wxBOTTOM, 8);
    content->Add(form, 1, wxEXPAND);
    exchangeCheck(IDC_CREATE_PAGE, &m_createPage);
    exchangeText(IDC_PURPOSE, &m_purpose);
    exchangeText(IDC_NAME, &m_name);
    exchangeText(IDC_PAGE_KIND, &m_pageKind);
    finishLayout(content);
}

void CCIK_NDTD::OnOK() {
    updateData(true);
    if (m_nameCheck && !m_nameCheck(m_name))
        return;
    endDialog(wxID_OK);
}
