#include "CMoveMenuItem.h"

#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

CMoveMenuItem::CMoveMenuItem(int /*isDual*/, wxWindow* parent) : TolvaneDialog(parent, "Move item") {
    auto* form = newForm();
    addFormRow(form, wxID_ANY, "Item to move", newEdit(IDC_MOVED, wxTE_READONLY, 32));
    addFormRow(form, wxID_ANY, "Reference", newEdit(IDC_REFERENCE, wxTE_READONLY, 32));
    auto* radios = new wxBoxSizer(wxHORIZONTAL);
    radios->Add(new wxRadioButton(this, IDC_UP, "Up", wxDefaultPosition, wxDefaultSize, wxRB_GROUP));
    radios->Add(new wxRadioButton(this, IDC_BELOW, "Below"), 0, wxLEFT, 12);
    radios->Add(new wxRadioButton(this, IDC_CHILD, "Child"), 0, wxLEFT, 12);
    addFormRow(form, wxID_ANY, "Position % reference", radios);
    exchangeText(IDC_MOVED, &m_moveName);
    exchangeText(IDC_REFERENCE, &m_referenceName);
    finishLayout(form);
}

bool CMoveMenuItem::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    setChecked(IDC_BELOW, true);
    return true;
}

void CMoveMenuItem::OnOK() {
    m_position = isChecked(IDC_UP) ? 1 : (isChecked(IDC_BELOW) ? 0 : 2);
    endDialog(wxID_OK);
}
