#include "CRemoveMenuItem.h"

#include <wx/checkbox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

CRemoveMenuItem::CRemoveMenuItem(wxWindow* parent, const CString& name, int isDual)
    : TolvaneDialog(parent, "Remove item"), m_name(name), m_isDual(isDual) {
    auto* form = newForm();
    addFormRow(form, wxID_ANY, "Item to delete", newEdit(IDC_NAME, wxTE_READONLY, 32));
    auto* removeFiles = new wxCheckBox(this, IDC_REMOVE_FILES, "Remove associated file and directory");
    removeFiles->Hide();
    removeFiles->Disable();
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(form, 0, wxEXPAND);
    content->Add(removeFiles, 0, wxTOP, 8);
    exchangeText(IDC_NAME, &m_name);
    exchangeCheck(IDC_REMOVE_FILES, &m_removeFiles);
    finishLayout(content);
}

bool CRemoveMenuItem::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    if (m_isDual)
        setChecked(IDC_REMOVE_FILES, true);
    else
        enable(IDC_REMOVE_FILES, false);
    return true;
}
