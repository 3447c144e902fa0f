#include "CDiagramSizeMgt.h"

#include "UserInterface.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <wx/sizer.h>
#include <wx/textctrl.h>
#include <wx/valtext.h>

namespace {

// A whole number, with blanks around it allowed; false for anything else.
bool parseWhole(const CString& text, int& value) {
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return false;
    const char* begin = trimmed;
    char* end = nullptr;
    errno = 0;
    const long parsed = std::strtol(begin, &end, 10);
    if (*end != '\0' || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

} // namespace

CDiagramSizeMgt::CDiagramSizeMgt(wxWindow* parent) : TolvaneDialog(parent, "Diagram size") {
    wxFlexGridSizer* form = newForm();
    const wxTextValidator digits(wxFILTER_DIGITS);
    wxTextCtrl* width = newEdit(IDC_EDIT_WIDTH, 0, 8);
    width->SetValidator(digits);
    wxTextCtrl* height = newEdit(IDC_EDIT_HEIGHT, 0, 8);
    height->SetValidator(digits);
    addFormRow(form, wxID_ANY, "Width", width);
    addFormRow(form, wxID_ANY, "Height", height);
    finishLayout(form);
}

bool CDiagramSizeMgt::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    CString text;
    text.Format("%d", m_width);
    setText(IDC_EDIT_WIDTH, text);
    text.Format("%d", m_height);
    setText(IDC_EDIT_HEIGHT, text);
    return true;
}

void CDiagramSizeMgt::OnOK() {
    struct Field {
        int id;
        int maximum;
        int* member;
    };
    const Field fields[] = {{IDC_EDIT_HEIGHT, kMaximumHeight, &m_height},
                            {IDC_EDIT_WIDTH, kMaximumWidth, &m_width}};
    int values[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        const Field& field = fields[i];
        if (parseWhole(getText(field.id), values[i]) && values[i] >= kMinimum && values[i] <= field.maximum)
            continue;
        CString message;
        message.Format("Please enter an integer between %d and %d.", kMinimum, field.maximum);
        ui::AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        if (auto* edit = dynamic_cast<wxTextCtrl*>(FindWindow(field.id))) {
            edit->SetFocus();
            edit->SelectAll();
        }
        return;
    }
    m_height = values[0];
    m_width = values[1];
    TolvaneDialog::OnOK();
}
