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
// The radio of each reference kind.
const int kReferenceRadios[] = {CAddFile::IDC_COPY, CAddFile::IDC_LOCAL_REFERENCE,
                                CAddFile::IDC_HTTP_REFERENCE, CAddFile::IDC_EXTERNAL_REFERENCE};

} // namespace

CAddFile::CAddFile(wxWindow* parent, const CString& itemName)
    : TolvaneDialog(parent, "Add File"), m_itemName(itemName) {
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
    auto* entry = new wxStaticBoxSizer(new wxStaticBox(this, 1064, "Entry"), wxVERTICAL);
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

    exchangeText(IDC_ITEM_NAME, &m_itemName);
    exchangeText(IDC_FILE, &m_file);
    exchangeText(IDC_DESCRIPTION, &m_description);
    exchangeCheck(IDC_ADD_ENTRY, &m_addEntry);
    exchangeCheck(IDC_NEW_REVISION, &m_newRevision);
    exchangeCheck(IDC_NEW_WINDOW, &m_openInNewWindow);
    exchangeSelection(IDC_ENTRY_KIND, &m_entryKind);
    finishLayout(content);

    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnSelectFile(); }, IDC_SELECT_FILE);
    Bind(
        wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnAddEntry(); }, IDC_ADD_ENTRY);
    for (const int id : kReferenceRadios)
        Bind(
            wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { OnReferenceKind(); }, id);
}

bool CAddFile::OnInitDialog() {
    TolvaneDialog::OnInitDialog();
    setChecked(kReferenceRadios[m_referenceKind & 3], true);
    enable(IDC_FILE, m_referenceKind == kHttpReference);
    enable(IDC_NEW_REVISION, m_referenceKind == kCopy);
    enable(IDC_SELECT_FILE, m_referenceKind != kHttpReference);
    OnAddEntry();
    return true;
}

void CAddFile::OnSelectFile() {
    wxFileDialog dialog(this, "Select File", "", "", wxFileSelectorDefaultWildcardStr, wxFD_OPEN);
    if (runModal(dialog) == wxID_OK)
        setText(IDC_FILE, fromWx(dialog.GetPath()));
}

void CAddFile::OnReferenceKind() {
    const bool copy = isChecked(IDC_COPY);
    const bool http = isChecked(IDC_HTTP_REFERENCE);
    enable(IDC_NEW_REVISION, copy);
    enable(IDC_SELECT_FILE, !http);
    enable(IDC_FILE, http);
    setText(IDC_FILE, http ? "http://" : "");
}

void CAddFile::OnAddEntry() {
    const bool entry = isChecked(IDC_ADD_ENTRY);
    for (const int id : kEntryControls)
        enable(id, entry);
}

void CAddFile::OnOK() {
    updateData(true);
    // The kind of the radio checked; an http reference when none of the others is.
    m_referenceKind = kHttpReference;
    for (const int kind : {kCopy, kLocalReference, kExternalReference})
        if (isChecked(kReferenceRadios[kind]))
            m_referenceKind = kind;
    endDialog(wxID_OK);
}
