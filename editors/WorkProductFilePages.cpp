#include "WorkProductFilePages.h"

#include "ProcessItem.h"
#include "Project.h"
#include "TolvaneDialog.h"
#include "UserInterface.h"
#include "WorkProductPages.h"
#include "WxText.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

void WorkProductFilesView::OnInitDialog() {
    PropertyPageView::OnInitDialog();
    ui::WaitCursor wait;
    Project* open = project();
    const CString language1 = open ? open->translateLabel("EN", "VersionL1") : CString();
    const CString language2 = open ? open->translateLabel("EN", "VersionL2") : CString();
    if (!language1.IsEmpty())
        for (int id : {1157, 1158})
            setText(id, language1);
    if (!language2.IsEmpty())
        for (int id : {1159, 1160})
            setText(id, language2);
}

wxSizer* WorkProductFilesView::newDocument(const Document& document, wxSizer* extra) {
    auto languageBox = [&](int boxId, const char* caption, int first) {
        auto* form = controls::newForm();
        for (int k = first; k < first + 2; ++k) {
            auto* row = new wxBoxSizer(wxHORIZONTAL);
            row->Add(newEdit(document.edits[k], 0, 36), 1, wxALIGN_CENTER_VERTICAL);
            row->Add(new wxButton(this, document.buttons[k], "Get"), 0, wxLEFT, 6);
            controls::addFormRow(this, form, wxID_ANY,
                                 k == first ? "Standard location" : "Alternative location", row);
            exchangeText(document.edits[k], document.members[k]);
            m_getButtons.push_back(document.buttons[k]);
            const int editId = document.edits[k];
            Bind(
                wxEVT_BUTTON, [this, editId](wxCommandEvent&) { chooseFile(editId); }, document.buttons[k]);
        }
        return newGroup(boxId, caption, form);
    };
    auto* box = new wxBoxSizer(wxVERTICAL);
    if (extra)
        box->Add(extra, 0, wxEXPAND | wxBOTTOM, 4);
    box->Add(languageBox(document.language1Box, "Language 1", 0), 0, wxEXPAND);
    box->Add(languageBox(document.language2Box, "Language 2", 2), 0, wxEXPAND | wxTOP, 4);
    return newGroup(wxID_ANY, document.caption, box);
}

void WorkProductFilesView::chooseFile(int editId) {
    wxFileDialog open(this, wxFileSelectorPromptStr, "", "", "template file (*.*)|*.*",
                      wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (TolvaneDialog::runModal(open) == wxID_OK)
        takeFile(editId, TolvaneDialog::chosenPath(open));
}

void WorkProductFilesView::takeFile(int editId, const CString& chosenPath) {
    const CString shown = copyIntoItemFolder(project(), item(), chosenPath, subfolder());
    if (!shown.IsEmpty())
        setText(editId, shown);
}

CWorkProductPPage2View::CWorkProductPPage2View(wxWindow* parent, CWorkProductPPage2& page)
    : WorkProductFilesView(parent, page), m_templates(page) {
    auto semantic = [this](int id, CString* member) {
        auto* form = controls::newForm();
        addFormRow(form, wxID_ANY, "Semantic", newEdit(id, 0, 36));
        exchangeText(id, member);
        return form;
    };
    auto* comment = controls::newForm();
    addFormRow(comment, wxID_ANY, "Comment", newEdit(IDC_COMMENT, 0, 60));
    exchangeText(IDC_COMMENT, &page.m_comment);
    auto* first = newDocument({"First template",
                               1157,
                               1159,
                               {1111, 1131, 1113, 1133},
                               {1013, 1132, 1015, 1134},
                               {&page.m_templateNameL1F1, &page.m_altTemplateNameL1F1,
                                &page.m_templateNameL2F1, &page.m_altTemplateNameL2F1}},
                              semantic(IDC_SEMANTIC_1, &page.m_templateNameF1Extension));
    auto* second = newDocument({"Second template",
                                1158,
                                1160,
                                {1112, 1135, 1114, 1137},
                                {1014, 1136, 1016, 1138},
                                {&page.m_templateNameL1F2, &page.m_altTemplateNameL1F2,
                                 &page.m_templateNameL2F2, &page.m_altTemplateNameL2F2}},
                               semantic(IDC_SEMANTIC_2, &page.m_templateNameF2Extension));
    auto* documents = new wxBoxSizer(wxHORIZONTAL);
    documents->Add(first, 1, wxEXPAND | wxRIGHT, 8);
    documents->Add(second, 1, wxEXPAND);
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(documents, 0, wxEXPAND);
    content->Add(comment, 0, wxEXPAND | wxTOP, 8);
    finishLayout(content);
}

Project* CWorkProductPPage2View::project() const {
    return m_templates.m_project;
}
ProcessItem* CWorkProductPPage2View::item() const {
    return m_templates.m_item;
}

CWorkProductPPage4View::CWorkProductPPage4View(wxWindow* parent, CWorkProductPPage4& page)
    : WorkProductFilesView(parent, page), m_examples(page) {
    auto* first = newDocument({"First example",
                               1157,
                               1159,
                               {1139, 1141, 1143, 1145},
                               {1140, 1142, 1144, 1146},
                               {&page.m_exampleNameL1F1, &page.m_altExampleNameL1F1, &page.m_exampleNameL2F1,
                                &page.m_altExampleNameL2F1}},
                              nullptr);
    auto* second = newDocument({"Second example",
                                1158,
                                1160,
                                {1147, 1148, 1149, 1150},
                                {1151, 1152, 1153, 1154},
                                {&page.m_exampleNameL1F2, &page.m_altExampleNameL1F2, &page.m_exampleNameL2F2,
                                 &page.m_altExampleNameL2F2}},
                               nullptr);
    auto* documents = new wxBoxSizer(wxHORIZONTAL);
    documents->Add(first, 1, wxEXPAND | wxRIGHT, 8);
    documents->Add(second, 1, wxEXPAND);

    auto* library = new wxBoxSizer(wxVERTICAL);
    library->Add(new wxCheckBox(this, IDC_DEFAULT_LIBRARY, "Example library located in <item path>/ar"));
    auto* path = controls::newForm();
    addFormRow(path, wxID_ANY, "Example library path (*)", newEdit(IDC_LIBRARY_PATH, 0, 50));
    library->Add(path, 0, wxEXPAND | wxTOP, 4);
    library->Add(
        new wxStaticText(this, wxID_ANY, "(*) You have to copy the examples manually in this\ndirectory"), 0,
        wxTOP, 4);
    library->Add(
        new wxStaticText(this, wxID_ANY,
                         "Addtional element to include in example library (can be a link to a PDM) :"),
        0, wxTOP, 8);
    auto* additional = controls::newForm();
    addFormRow(additional, wxID_ANY, "Path", newEdit(IDC_ADDITIONAL_PATH, 0, 50));
    addFormRow(additional, wxID_ANY, "Name", newEdit(IDC_ADDITIONAL_NAME, 0, 50));
    library->Add(additional, 0, wxEXPAND | wxTOP, 4);

    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(documents, 0, wxEXPAND);
    content->Add(newGroup(wxID_ANY, "Example library", library), 0, wxEXPAND | wxTOP, 8);
    finishLayout(content);

    exchangeCheck(IDC_DEFAULT_LIBRARY, &page.m_defaultExampleLibrary);
    exchangeText(IDC_LIBRARY_PATH, &page.m_exampleLibraryPath);
    exchangeText(IDC_ADDITIONAL_NAME, &page.m_additionalElementName);
    exchangeText(IDC_ADDITIONAL_PATH, &page.m_additionalElementPath);
    Bind(
        wxEVT_CHECKBOX, [this](wxCommandEvent&) { OnExampleLibraryCheck(); }, IDC_DEFAULT_LIBRARY);
}

void CWorkProductPPage4View::OnInitDialog() {
    WorkProductFilesView::OnInitDialog();
    if (m_examples.m_defaultExampleLibrary)
        enable(IDC_LIBRARY_PATH, false);
    for (int id : m_getButtons)
        enable(id, isChecked(IDC_DEFAULT_LIBRARY));
}

void CWorkProductPPage4View::OnExampleLibraryCheck() {
    const bool inItemFolder = isChecked(IDC_DEFAULT_LIBRARY);
    enable(IDC_LIBRARY_PATH, !inItemFolder);
    if (inItemFolder)
        setText(IDC_LIBRARY_PATH, "");
    for (int id : m_getButtons)
        enable(id, inItemFolder);
}

Project* CWorkProductPPage4View::project() const {
    return m_examples.m_project;
}
ProcessItem* CWorkProductPPage4View::item() const {
    return m_examples.m_item;
}
