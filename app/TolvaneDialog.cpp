#include "TolvaneDialog.h"

#include "FileSystem.h"
#include "WinTypes.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>

namespace {

// The space between the window's edge and its controls.
constexpr int kPadding = 10;

TolvaneDialog::ModalRunner& installedRunner() {
    static TolvaneDialog::ModalRunner runner;
    return runner;
}

} // namespace

TolvaneDialog::TolvaneDialog(wxWindow* parent, const CString& caption, long style)
    : wxDialog(parent, wxID_ANY, toWx(caption), wxDefaultPosition, wxDefaultSize, style) {
    Bind(wxEVT_INIT_DIALOG, [this](wxInitDialogEvent&) { ensureInitialised(); });
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnOK(); }, wxID_OK);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnCancel(); }, wxID_CANCEL);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        OnCancel();
        if (!m_ended && event.CanVeto())
            event.Veto();
    });
    // Escape is Cancel, also in a dialog without a Cancel button.
    Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
        if (event.GetKeyCode() == WXK_ESCAPE)
            OnCancel();
        else
            event.Skip();
    });
}

bool TolvaneDialog::OnInitDialog() {
    m_initialised = true;
    updateData(false);
    return true;
}

bool TolvaneDialog::ensureInitialised() {
    if (!m_initialised) {
        m_initialised = true;
        m_opened = OnInitDialog();
    }
    return m_opened;
}

void TolvaneDialog::OnOK() {
    updateData(true);
    endDialog(wxID_OK);
}

void TolvaneDialog::OnCancel() {
    endDialog(wxID_CANCEL);
}

int TolvaneDialog::DoModal() {
    if (!ensureInitialised())
        return 0;
    m_ended = false;
    return runModal(*this) == wxID_OK ? IDOK : IDCANCEL;
}

int TolvaneDialog::runModal(wxDialog& dialog) {
    if (installedRunner())
        return installedRunner()(dialog);
    return dialog.ShowModal();
}

void TolvaneDialog::setModalRunner(ModalRunner runner) {
    installedRunner() = std::move(runner);
}

namespace {

// The answer a runner gave in a chooser's place, kept by the chooser.
class ChooserAnswer : public wxClientData {
public:
    explicit ChooserAnswer(const CString& path) : m_path(path) {}
    const CString& getPath() const { return m_path; }

private:
    CString m_path;
};

} // namespace

CString TolvaneDialog::chosenPath(wxDialog& chooser) {
    if (auto* answer = dynamic_cast<ChooserAnswer*>(chooser.GetClientObject()))
        return answer->getPath();
    wxString path;
    if (auto* files = dynamic_cast<wxFileDialog*>(&chooser))
        path = files->GetPath();
    else if (auto* folders = dynamic_cast<wxDirDialog*>(&chooser))
        path = folders->GetPath();
    return platform::fromDiskName(path.utf8_string());
}

void TolvaneDialog::answerChooser(wxDialog& chooser, const CString& path) {
    chooser.SetClientObject(new ChooserAnswer(path));
}

void TolvaneDialog::endDialog(int result) {
    m_ended = true;
    SetReturnCode(result);
    if (IsModal())
        EndModal(result);
    else if (IsShown())
        Hide();
}

CString TolvaneDialog::getText(int id) const {
    wxWindow* control = FindWindow(id);
    if (!control)
        return CString();
    if (auto* entry = dynamic_cast<wxTextEntry*>(control))
        return fromWx(entry->GetValue());
    if (auto* list = dynamic_cast<wxChoice*>(control))
        return fromWx(list->GetStringSelection());
    return fromWx(control->GetLabel());
}

void TolvaneDialog::setText(int id, const CString& text) {
    wxWindow* control = FindWindow(id);
    if (!control)
        return;
    if (auto* entry = dynamic_cast<wxTextEntry*>(control))
        entry->ChangeValue(toWx(text));
    else if (auto* list = dynamic_cast<wxChoice*>(control))
        list->SetSelection(list->FindString(toWx(text), true));
    else
        control->SetLabel(toWx(text));
}

bool TolvaneDialog::isChecked(int id) const {
    wxWindow* control = FindWindow(id);
    if (auto* box = dynamic_cast<wxCheckBox*>(control))
        return box->GetValue();
    if (auto* radio = dynamic_cast<wxRadioButton*>(control))
        return radio->GetValue();
    return false;
}

void TolvaneDialog::setChecked(int id, bool checked) {
    wxWindow* control = FindWindow(id);
    if (auto* box = dynamic_cast<wxCheckBox*>(control))
        box->SetValue(checked);
    else if (auto* radio = dynamic_cast<wxRadioButton*>(control))
        radio->SetValue(checked);
}

void TolvaneDialog::enable(int id, bool enabled) {
    if (wxWindow* control = FindWindow(id))
        control->Enable(enabled);
}

void TolvaneDialog::finishLayout(wxSizer* content, long buttons) {
    auto* window = new wxBoxSizer(wxVERTICAL);
    window->Add(content, 1, wxEXPAND | wxALL, kPadding);
    auto* row = new wxStdDialogButtonSizer;
    if (buttons & wxOK)
        row->AddButton(new wxButton(this, wxID_OK));
    if (buttons & wxCANCEL)
        row->AddButton(new wxButton(this, wxID_CANCEL));
    if (buttons & wxHELP)
        row->AddButton(new wxButton(this, wxID_HELP));
    row->Realize();
    window->Add(row, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, kPadding);
    // The window is never smaller than its controls need.
    SetSizerAndFit(window);
    SetMinSize(GetSize());
    if (wxWindow* ok = FindWindow(wxID_OK))
        static_cast<wxButton*>(ok)->SetDefault();
}

void TolvaneDialog::exchangeText(int id, CString* member) {
    m_exchanges.push_back({id, member, nullptr, nullptr});
}

void TolvaneDialog::exchangeCheck(int id, int* member) {
    m_exchanges.push_back({id, nullptr, member, nullptr});
}

void TolvaneDialog::exchangeSelection(int id, int* member) {
    m_exchanges.push_back({id, nullptr, nullptr, member});
}

void TolvaneDialog::updateData(bool save) {
    for (const Exchange& exchange : m_exchanges) {
        if (exchange.text) {
            if (save)
                *exchange.text = getText(exchange.id);
            else
                setText(exchange.id, *exchange.text);
        } else if (exchange.selection) {
            auto* list = dynamic_cast<wxChoice*>(FindWindow(exchange.id));
            if (!list)
                continue;
            if (save)
                *exchange.selection = std::max(list->GetSelection(), 0);
            else
                list->SetSelection(*exchange.selection);
        } else if (save) {
            *exchange.flag = isChecked(exchange.id) ? 1 : 0;
        } else {
            setChecked(exchange.id, *exchange.flag != 0);
        }
    }
}

wxStaticBoxSizer* TolvaneDialog::newGroup(int id, const CString& caption, wxSizer* content) {
    auto* group = new wxStaticBoxSizer(new wxStaticBox(this, id, toWx(caption)), wxVERTICAL);
    group->Add(content, 1, wxEXPAND | wxALL, 6);
    return group;
}

wxFlexGridSizer* TolvaneDialog::newForm() {
    auto* form = new wxFlexGridSizer(2, 6, 8);
    form->AddGrowableCol(1);
    return form;
}

void TolvaneDialog::addFormRow(wxFlexGridSizer* form, int labelId, const CString& label, wxWindow* control) {
    form->Add(new wxStaticText(this, labelId, toWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    form->Add(control, 1, wxEXPAND);
}

void TolvaneDialog::addFormRow(wxFlexGridSizer* form, int labelId, const CString& label, wxSizer* controls) {
    form->Add(new wxStaticText(this, labelId, toWx(label)), 0, wxALIGN_CENTER_VERTICAL);
    form->Add(controls, 1, wxEXPAND);
}

wxTextCtrl* TolvaneDialog::newEdit(int id, long style, int columns) {
    auto* edit = new wxTextCtrl(this, id, "", wxDefaultPosition, wxDefaultSize, style);
    edit->SetMinSize(wxSize(edit->GetTextExtent(wxString('x', columns)).GetWidth() + 12, -1));
    return edit;
}
