#include "TolvaneDialog.h"

#include "ControlValues.h"
#include "FileSystem.h"
#include "WinTypes.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>

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

CString TolvaneDialog::chooseFileToOpen(wxWindow* parent, const CString& proposedName) {
    wxFileDialog open(parent, wxFileSelectorPromptStr, "", toWx(proposedName),
                      wxFileSelectorDefaultWildcardStr, wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (runModal(open) != wxID_OK)
        return CString();
    return chosenPath(open);
}

void TolvaneDialog::answerChooser(wxDialog& chooser, const CString& path) {
    chooser.SetClientObject(new ChooserAnswer(path));
}

void TolvaneDialog::endDialog(int result) {
    m_ended = true;
    endModal(*this, result);
}

void TolvaneDialog::endModal(wxDialog& dialog, int result) {
    dialog.SetReturnCode(result);
    if (dialog.IsModal())
        dialog.EndModal(result);
    else if (dialog.IsShown())
        dialog.Hide();
}

CString TolvaneDialog::getText(int id) const {
    return controls::getText(this, id);
}

void TolvaneDialog::setText(int id, const CString& text) {
    controls::setText(this, id, text);
}

bool TolvaneDialog::isChecked(int id) const {
    return controls::isChecked(this, id);
}

void TolvaneDialog::setChecked(int id, bool checked) {
    controls::setChecked(this, id, checked);
}

void TolvaneDialog::enable(int id, bool enabled) {
    controls::enable(this, id, enabled);
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
    m_exchange.addText(id, member);
}

void TolvaneDialog::exchangeCheck(int id, int* member) {
    m_exchange.addCheck(id, member);
}

void TolvaneDialog::updateData(bool save) {
    m_exchange.update(this, save);
}

void TolvaneDialog::exchangeSelection(int id, int* member) {
    m_exchange.addSelection(id, member);
}

void TolvaneDialog::exchangeDropColorButton(int id, DWORD* member) {
    m_exchange.addDropColorButton(id, member);
}

wxStaticBoxSizer* TolvaneDialog::newGroup(int id, const CString& caption, wxSizer* content) {
    return controls::newGroup(this, id, caption, content);
}

wxFlexGridSizer* TolvaneDialog::newForm() {
    return controls::newForm();
}

void TolvaneDialog::addFormRow(wxFlexGridSizer* form, int labelId, const CString& label, wxWindow* control) {
    controls::addFormRow(this, form, labelId, label, control);
}

void TolvaneDialog::addFormRow(wxFlexGridSizer* form, int labelId, const CString& label, wxSizer* row) {
    controls::addFormRow(this, form, labelId, label, row);
}

wxTextCtrl* TolvaneDialog::newEdit(int id, long style, int columns) {
    return controls::newEdit(this, id, style, columns);
}
