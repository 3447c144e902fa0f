#include "StdDialog.h"

#include "WinTypes.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

// The space around a dialog's content and between the content and its buttons.
constexpr int kPadding = 10;

} // namespace

StdDialog::StdDialog(wxWindow* parent, const CString& title, long style)
    : wxDialog(parent, wxID_ANY, toWx(title), wxDefaultPosition, wxDefaultSize, style) {
    SetAffirmativeId(IDOK);
    SetEscapeId(IDCANCEL);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, IDOK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, IDCANCEL);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { OnCancel(); });
}

void StdDialog::layoutDialog(wxSizer* content, bool withOk, bool withCancel) {
    auto* buttons = new wxStdDialogButtonSizer;
    if (withOk) {
        m_okButton = new wxButton(this, IDOK, "OK");
        m_okButton->SetDefault();
        buttons->SetAffirmativeButton(m_okButton);
    }
    if (withCancel) {
        m_cancelButton = new wxButton(this, IDCANCEL, "Cancel");
        buttons->SetCancelButton(m_cancelButton);
    }
    buttons->Realize();
    auto* outer = new wxBoxSizer(wxVERTICAL);
    outer->Add(content, 1, wxEXPAND | wxALL, kPadding);
    outer->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kPadding);
    SetSizerAndFit(outer);
    SetMinSize(GetSize());
}

int StdDialog::DoModal() {
    return OnInitDialog() ? ShowModal() : 0;
}

void StdDialog::endDialog(int result) {
    if (IsModal()) {
        EndModal(result);
    } else {
        SetReturnCode(result);
        Hide();
    }
}

void StdDialog::OnOK() {
    if (Validate() && TransferDataFromWindow())
        endDialog(IDOK);
}

void StdDialog::OnCancel() {
    endDialog(IDCANCEL);
}

void StdDialog::addTextField(wxSizer* grid, int id, const char* label, int width) {
    grid->Add(new wxStaticText(this, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
    grid->Add(new wxTextCtrl(this, id, "", wxDefaultPosition, wxSize(width, -1)), 1, wxEXPAND);
}

void StdDialog::setFieldText(int id, const CString& text) {
    if (auto* field = dynamic_cast<wxTextCtrl*>(FindWindow(id)))
        field->ChangeValue(toWx(text));
}

CString StdDialog::getFieldText(int id) const {
    const auto* field = dynamic_cast<const wxTextCtrl*>(FindWindow(id));
    return field ? fromWx(field->GetValue()) : CString();
}
