#include "CImportExportDialog.h"

#include "CEPFCPlugin.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "UserInterface.h"

#include <wx/button.h>
#include <wx/sizer.h>

namespace {

// The buttons of the dialog: what each runs, with the path of the file
// chosen for the imports.
struct Command {
    int controlId;
    const char* caption;
    void (*exportRun)(ProcessManager&);
    void (*importRun)(ProcessManager&, const CString&);
};

const Command kExports[] = {
    {CImportExportDialog::IDC_TEMPLATES, "Templates list",
     [](ProcessManager& p) { p.exportTemplatesList(); }},
    {CImportExportDialog::IDC_PROCEDURES, "Procedures list",
     [](ProcessManager& p) { p.exportProceduresList(); }},
    {CImportExportDialog::IDC_HTML_FILES, "Html file list", [](ProcessManager& p) { p.writeHtmlFileList(); }},
    {CImportExportDialog::IDC_WORK_PRODUCTS, "Work products list",
     [](ProcessManager& p) { p.exportWorkProductsList(); }},
    {CImportExportDialog::IDC_ROLES, "Roles list", [](ProcessManager& p) { p.exportRolesList(); }},
    {CImportExportDialog::IDC_GLOSSARY, "Glossary", [](ProcessManager& p) { p.exportGlossary(); }},
    {CImportExportDialog::IDC_EPF, "XML for EPF 1.5", nullptr},
    {CImportExportDialog::IDC_ACTIVITIES_ROLES, "Activities-Roles",
     [](ProcessManager& p) { p.exportActivitiesList(); }},
    {CImportExportDialog::IDC_ACTIVITIES_WORK_PRODUCTS, "Activities-Work products",
     [](ProcessManager& p) { p.exportActivityArtefactMatrix(); }},
    {CImportExportDialog::IDC_WBS, "WBS", [](ProcessManager& p) { p.exportWBS(); }},
    {CImportExportDialog::IDC_EXPORT_ACTIVITY_ATTRIBUTES, "Activities attributes",
     [](ProcessManager& p) { p.exportActivitiesAttributes(); }},
    {CImportExportDialog::IDC_EXPORT_WP_ATTRIBUTES, "Work products attributes",
     [](ProcessManager& p) { p.exportWPAttributes(); }},
    {CImportExportDialog::IDC_EXPORT_DESCRIPTIONS, "Items description",
     [](ProcessManager& p) { p.exportItemDescription(); }},
};

const Command kImports[] = {
    {CImportExportDialog::IDC_IMPORT_ROLE_ACTIVITY, "Roles - activity matrix", nullptr,
     [](ProcessManager& p, const CString& path) { p.ImportRoleActivityLinks(path); }},
    {CImportExportDialog::IDC_IMPORT_ACTIVITY_ATTRIBUTES, "Activities attributes", nullptr,
     [](ProcessManager& p, const CString& path) { p.importActivitiesAttribute(path); }},
    {CImportExportDialog::IDC_IMPORT_WP_ATTRIBUTES, "Work products attributes", nullptr,
     [](ProcessManager& p, const CString& path) { p.importWPAttribute(path); }},
    {CImportExportDialog::IDC_IMPORT_DESCRIPTIONS, "Items description", nullptr,
     [](ProcessManager& p, const CString& path) { p.ImportArtifactDescription(path); }},
};

wxStaticBoxSizer* buttonGroup(wxWindow* parent, const char* caption, const Command* begin,
                              const Command* end) {
    auto* grid = new wxGridSizer(2, 4, 4);
    for (const Command* command = begin; command != end; ++command)
        grid->Add(new wxButton(parent, command->controlId, command->caption), 0, wxEXPAND);
    return controls::newGroup(parent, wxID_ANY, caption, grid);
}

} // namespace

CImportExportDialog::CImportExportDialog(ProcessManager* project, Item* selected, wxWindow* parent)
    : TolvaneDialog(parent, "Import / export"), m_project(project), m_selected(selected) {
    auto* content = new wxBoxSizer(wxVERTICAL);
    content->Add(buttonGroup(this, "Export", std::begin(kExports), std::end(kExports)), 0, wxEXPAND);
    content->Add(buttonGroup(this, "Import", std::begin(kImports), std::end(kImports)), 0, wxEXPAND | wxTOP,
                 8);
    auto* exit = new wxBoxSizer(wxHORIZONTAL);
    exit->AddStretchSpacer();
    exit->Add(new wxButton(this, wxID_OK, "Exit"));
    content->Add(exit, 0, wxEXPAND | wxTOP, 8);
    finishLayout(content, 0);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
        if (event.GetId() == wxID_OK)
            OnOK();
        else
            OnButton(event.GetId());
    });
}

void CImportExportDialog::OnButton(int controlId) {
    if (controlId == IDC_EPF) {
        OnExportEPF();
        return;
    }
    for (const Command& command : kExports)
        if (command.controlId == controlId) {
            ui::WaitCursor wait;
            command.exportRun(*m_project);
            return;
        }
    for (const Command& command : kImports)
        if (command.controlId == controlId) {
            const CString path = chooseFileToOpen(this);
            if (path.IsEmpty())
                return;
            ui::WaitCursor wait;
            command.importRun(*m_project, path);
            return;
        }
}

void CImportExportDialog::OnExportEPF() {
    CEPFCPlugin plugins(m_project, this);
    if (plugins.DoModal() != IDOK)
        return;
    ui::WaitCursor wait;
    m_project->exportXMLforEPF(&plugins.getChosenItems(), plugins.m_guidFile);
}
