#include "CEPFCPlugin.h"

#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

void appendEntry(wxListBox* list, const CString& text, ProcessItem* item) {
    list->SetClientData(static_cast<unsigned>(list->Append(toWx(text))), item);
}

} // namespace

CEPFCPlugin::CEPFCPlugin(ProcessManager* project, wxWindow* parent)
    : TolvaneDialog(parent, "Select EPFC plug-in to create"), m_project(project) {
    const wxSize listSize(FromDIP(220), FromDIP(170));
    auto* lists = new wxFlexGridSizer(3, 4, 8);
    lists->AddGrowableCol(0);
    lists->AddGrowableCol(2);
    lists->AddGrowableRow(1);
    lists->Add(new wxStaticText(this, wxID_ANY, "Domains and disciplines"));
    lists->AddSpacer(0);
    lists->Add(new wxStaticText(this, wxID_ANY, "Plug-in to be created"));
    lists->Add(
        new wxListBox(this, IDC_AVAILABLE, wxDefaultPosition, listSize, 0, nullptr, wxLB_SORT | wxLB_SINGLE),
        1, wxEXPAND);
    auto* moves = new wxBoxSizer(wxVERTICAL);
    moves->Add(new wxButton(this, IDC_ADD, ">>  Add"), 0, wxEXPAND | wxBOTTOM, 6);
    moves->Add(new wxButton(this, IDC_REMOVE, "<< Remove"), 0, wxEXPAND);
    lists->Add(moves, 0, wxALIGN_CENTER_VERTICAL);
    lists->Add(
        new wxListBox(this, IDC_CHOSEN, wxDefaultPosition, listSize, 0, nullptr, wxLB_SORT | wxLB_SINGLE), 1,
        wxEXPAND);
    auto* plugins = new wxBoxSizer(wxVERTICAL);
    plugins->Add(lists, 1, wxEXPAND);
    for (const char* note :
         {"Note 1: domain plug-in includes all the disciplines included in the domain except the "
          "one liste in plug-ins to be created",
          "Note2: disciplines not included in a domain, not listed in plug ins to be created will "
          "be included in a Generic plus-in",
          "Note3: for each selection, a <selection - main> plug in and <selection - work products "
          "and roles> plug in will be created"}) {
        auto* line = new wxStaticText(this, wxID_ANY, note);
        line->Disable();
        line->Wrap(FromDIP(520));
        plugins->Add(line, 0, wxTOP, 4);
    }

    auto* file = new wxBoxSizer(wxVERTICAL);
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    wxTextCtrl* path = newEdit(IDC_GUID_FILE, 0, 40);
    path->Disable();
    row->Add(path, 1, wxALIGN_CENTER_VERTICAL);
    row->Add(new wxButton(this, IDC_GET, "Get"), 0, wxLEFT, 6);
    file->Add(row, 0, wxEXPAND);
    for (const char* note :
         {"Optionaly used to convert imagemaps hyperlinks", "Use XSLT from EPF generated site to get it",
          "Content: S -> { item '\\n' }    item ->GUID ';' PATH"}) {
        auto* line = new wxStaticText(this, wxID_ANY, note);
        line->Disable();
        file->Add(line, 0, wxTOP, 4);
    }

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(newGroup(wxID_ANY, "Plug-in", plugins), 1, wxEXPAND);
    content->Add(newGroup(wxID_ANY, "File item EPF GUID - item path", file), 0, wxEXPAND | wxTOP, 8);
    finishLayout(content);
    exchangeText(IDC_GUID_FILE, &m_guidFile);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnAdd(); }, IDC_ADD);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnRemove(); }, IDC_REMOVE);
    Bind(
        wxEVT_BUTTON, [this](wxCommandEvent&) { OnGet(); }, IDC_GET);
}

bool CEPFCPlugin::OnInitDialog() {
    auto* available = static_cast<wxListBox*>(FindWindow(IDC_AVAILABLE));
    auto* chosen = static_cast<wxListBox*>(FindWindow(IDC_CHOSEN));
    for (int i = 1; i <= m_project->getItemCount(); ++i) {
        auto* item = static_cast<ProcessItem*>(m_project->getItemList()->at(i));
        if (item->getClassKind() == kDomainClass) {
            appendEntry(available, item->getName(), item);
            appendEntry(chosen, item->getName(), item);
        } else if (item->getClassKind() == kDisciplineClass) {
            appendEntry(available, item->getDomain() + "/" + item->getName(), item);
        }
    }
    controls::fitListsToEntries(this, {IDC_AVAILABLE, IDC_CHOSEN});
    return TolvaneDialog::OnInitDialog();
}

void CEPFCPlugin::OnAdd() {
    controls::copySelectedEntry(this, IDC_AVAILABLE, IDC_CHOSEN);
}

void CEPFCPlugin::OnRemove() {
    controls::deleteSelectedEntry(this, IDC_CHOSEN);
}

void CEPFCPlugin::OnGet() {
    const CString path = chooseFileToOpen(this);
    if (!path.IsEmpty())
        setText(IDC_GUID_FILE, path);
}

void CEPFCPlugin::OnOK() {
    auto* chosen = static_cast<wxListBox*>(FindWindow(IDC_CHOSEN));
    m_chosen.removeAll();
    for (unsigned i = 0; i < chosen->GetCount(); ++i)
        m_chosen.append(static_cast<ProcessItem*>(chosen->GetClientData(i)));
    TolvaneDialog::OnOK();
}
