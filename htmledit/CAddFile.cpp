#include "CAddFile.h"

#include "WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/filedlg.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

// The controls of the page entry, usable while an entry is to be added.
const int kEntryControls[] = {CAddFile::IDC_NEW_WINDOW, CAddFile::IDC_ENTRY_KIND, 1066, 1064, 1041,
                              CAddFile::IDC_DESCRIPTION};

} // namespace

CAddFile::CAddFile(wxWindow* parent, const CString& itemName)
    : StdDialog(parent, "Add File"), m_itemName(itemName) {
    auto* content = new wxBoxSizer(wxVERTICAL);
    auto* itemRow = new wxBoxSizer(wxHORIZONTAL);
    itemRow->Add(new wxStaticText(this, wxID_ANY, "Item selected"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    itemRow->Add(new wxTextCtrl(this, IDC_ITEM_NAME, "", wxDefaultPosition, wxSize(300, -1), wxTE_READONLY),
                 1);
    content->Add(itemRow, 0, wxEXPAND | wxBOTTOM, 6);

    auto* reference = new wxStaticBoxSizer(wxVERTICAL, this, "File");
    wxWindow* box = reference->GetStaticBox();
    reference->Add(
        new wxRadioButton(box, IDC_COPY, "File copy", wxDefaultPosition, wxDefaultSize, wxRB_GROUP));
    reference->Add(new wxRadioButton(box, IDC_LOCAL_REFERENCE, "File site local reference"));
    reference->Add(new wxRadioButton(box, IDC_HTTP_REFERENCE, "File http reference"));
    reference->Add(new wxRadioButton(box, IDC_EXTERNAL_REFERENCE, "File external reference"));
    auto* fileRow = new wxBoxSizer(wxHORIZONTAL);
    fileRow->Add(new wxTextCtrl(box, IDC_FILE, "", wxDefaultPosition, wxSize(300, -1)), 1,
                 wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    fileRow->Add(new wxButton(box, IDC_SELECT_FILE, "Select File"));
    reference->Add(fileRow, 0, wxEXPAND | wxTOP, 6);
    reference->Add(new wxCheckBox(box, IDC_NEW_REVISION, "Create new revision if file already exist"), 0,
                   wxTOP, 6);
    content->Add(reference, 0, wxEXPAND | wxBOTTOM, 6);

    content->Add(new wxCheckBox(this, IDC_ADD_ENTRY, "Add entry in the html file"), 0, wxBOTTOM, 6);
    auto* entry = new wxStaticBoxSizer(wxVERTICAL, this, "Entry");
    box = entry->GetStaticBox();
    entry->Add(new wxCheckBox(box, IDC_NEW_WINDOW, "Open file in new window"));
    auto* kindRow = new wxBoxSizer(wxHORIZONTAL);
    kindRow->Add(new wxStaticText(box, 1066, "Entry kind"), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    auto* kind = new wxChoice(box, IDC_ENTRY_KIND);
    kind->Append("Table");
    kind->Append("Text separate with line");
    kindRow->Add(kind);
    entry->Add(kindRow, 0, wxTOP, 6);
    entry->Add(new wxStaticText(box, 1041, "Description"), 0, wxTOP, 6);
    entry->Add(new wxTextCtrl(box, IDC_DESCRIPTION, "", wxDefaultPosition, wxSize(-1, 80), wxTE_MULTILINE), 1,
               wxEXPAND | wxTOP, 2);
    content->Add(entry, 1, wxEXPAND);
    layoutDialog(content);

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnSelectFile(); }, IDC_SELECT_FILE);
    Bind(
        wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnAddEntry(); }, IDC_ADD_ENTRY);
    for (const int id : {IDC_COPY, IDC_LOCAL_REFERENCE, IDC_HTTP_REFERENCE, IDC_EXTERNAL_REFERENCE})
        Bind(
            wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnReferenceKind(); }, id);
}

bool CAddFile::OnInitDialog() {
    static_cast<wxTextCtrl*>(FindWindow(IDC_ITEM_NAME))->ChangeValue(toWx(m_itemName));
    static_cast<wxTextCtrl*>(FindWindow(IDC_FILE))->ChangeValue(toWx(m_file));
    static_cast<wxTextCtrl*>(FindWindow(IDC_DESCRIPTION))->ChangeValue(toWx(m_description));
    static_cast<wxCheckBox*>(FindWindow(IDC_ADD_ENTRY))->SetValue(m_addEntry != 0);
    static_cast<wxCheckBox*>(FindWindow(IDC_NEW_REVISION))->SetValue(m_newRevision != 0);
    static_cast<wxCheckBox*>(FindWindow(IDC_NEW_WINDOW))->SetValue(m_openInNewWindow != 0);
    static_cast<wxChoice*>(FindWindow(IDC_ENTRY_KIND))->SetSelection(m_entryKind);
    const int radios[] = {IDC_COPY, IDC_LOCAL_REFERENCE, IDC_HTTP_REFERENCE, IDC_EXTERNAL_REFERENCE};
    static_cast<wxRadioButton*>(FindWindow(radios[m_referenceKind & 3]))->SetValue(true);
    FindWindow(IDC_FILE)->Enable(m_referenceKind == kHttpReference);
    FindWindow(IDC_NEW_REVISION)->Enable(m_referenceKind == kCopy);
    FindWindow(IDC_SELECT_FILE)->Enable(m_referenceKind != kHttpReference);
    OnAddEntry();
    return true;
}

void CAddFile::OnSelectFile() {
    wxFileDialog dialog(this, "Select File", "", "", wxFileSelectorDefaultWildcardStr, wxFD_OPEN);
    if (dialog.ShowModal() == wxID_OK)
        static_cast<wxTextCtrl*>(FindWindow(IDC_FILE))->ChangeValue(dialog.GetPath());
}

void CAddFile::OnReferenceKind() {
    auto* file = static_cast<wxTextCtrl*>(FindWindow(IDC_FILE));
    const bool copy = static_cast<wxRadioButton*>(FindWindow(IDC_COPY))->GetValue();
    const bool http = static_cast<wxRadioButton*>(FindWindow(IDC_HTTP_REFERENCE))->GetValue();
    FindWindow(IDC_NEW_REVISION)->Enable(copy);
    FindWindow(IDC_SELECT_FILE)->Enable(!http);
    file->Enable(http);
    file->ChangeValue(http ? "http://" : "");
}

void CAddFile::OnAddEntry() {
    const bool entry = static_cast<wxCheckBox*>(FindWindow(IDC_ADD_ENTRY))->GetValue();
    for (const int id : kEntryControls)
        if (wxWindow* control = FindWindow(id))
            control->Enable(entry);
}

void CAddFile::OnOK() {
    m_entryKind = static_cast<wxChoice*>(FindWindow(IDC_ENTRY_KIND))->GetSelection() > 0 ? 1 : 0;
    m_addEntry = static_cast<wxCheckBox*>(FindWindow(IDC_ADD_ENTRY))->GetValue();
    m_file = fromWx(static_cast<wxTextCtrl*>(FindWindow(IDC_FILE))->GetValue());
    m_newRevision = static_cast<wxCheckBox*>(FindWindow(IDC_NEW_REVISION))->GetValue();
    m_description = fromWx(static_cast<wxTextCtrl*>(FindWindow(IDC_DESCRIPTION))->GetValue());
    m_openInNewWindow = static_cast<wxCheckBox*>(FindWindow(IDC_NEW_WINDOW))->GetValue();
    if (static_cast<wxRadioButton*>(FindWindow(IDC_COPY))->GetValue())
        m_referenceKind = kCopy;
    else if (static_cast<wxRadioButton*>(FindWindow(IDC_LOCAL_REFERENCE))->GetValue())
        m_referenceKind = kLocalReference;
    else if (static_cast<wxRadioButton*>(FindWindow(IDC_EXTERNAL_REFERENCE))->GetValue())
        m_referenceKind = kExternalReference;
    else
        m_referenceKind = kHttpReference;
    endDialog(IDOK);
}
