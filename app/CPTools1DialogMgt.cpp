#include "CPTools1DialogMgt.h"

#include "CChangeItemClassDlgMgt.h"
#include "CDynDialogEx.h"
#include "CImportExportDialog.h"
#include "CStringListe.h"
#include "CStringListePlus.h"
#include "FileFinder.h"
#include "FileSystem.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ItemMeasure.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "ProjectLog.h"
#include "StringTable.h"
#include "ToolDialogs.h"
#include "ToolsPage.h"
#include "UserInterface.h"
#include "WxText.h"

#include <memory>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/textentry.h>

#include <algorithm>

using namespace DynStyle;

namespace {

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kStaticStyle = WS_CHILD | WS_VISIBLE;
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;

// Asked before the table replaces the page the author wrote for the item.
const char* const kReplacePageQuestion =
    "The page of the item \"%s\" will be replaced by the generated table. Do you want to go on?";

// Told when a measure's data point cannot be written.
const char* const kMeasureNotWritten = "The data of the measure \"%s\" could not be written.";

struct Group {
    const char* caption;
    std::vector<std::pair<int, const char*>> buttons;
};

// The name after the last '/' or '\'.
CString fileNameOf(const CString& path) {
    const int slash = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
    return path.Mid(slash + 1);
}

void reportFailure(const char* method) {
    CString message;
    message.Format(loadString(33042), method);
    ui::AfxMessageBox(message);
}

} // namespace

CPTools1DialogMgt::CPTools1DialogMgt(wxWindow* parent, ToolsPage& page)
    : PropertyPageView(parent, page), m_project(page.getProject()), m_selected(page.getSelected()) {
    const Group groups[] = {
        {"Import/export/report",
         {{IDC_INTEGRITY_REPORT, "Process data integrity report"},
          {IDC_PROGRESS_REPORT, "Progress status report"},
          {IDC_IMPORT_EXPORT, "Import/Export"},
          {IDC_EXPORT_VERSIONS, "Export version and approval status"},
          {IDC_IMPORT_VERSIONS, "Import version and approval status"}}},
        {"Miscellaneous",
         {{IDC_ACTIVITY_TABLE, "Create activity/work product table"},
          {IDC_RELOAD, "Reload process data"},
          {IDC_CHANGE_CLASS, "Change Item class"}}},
        {"Projects capitalisation",
         {{IDC_ARCHIVE_WP, "Archive project work products"},
          {IDC_ARCHIVE_MEASURE, "Archive project measures"}}},
    };
    auto* content = new wxBoxSizer(wxVERTICAL);
    for (const Group& group : groups) {
        auto* grid = new wxGridSizer(2, 6, 8);
        for (const auto& [id, caption] : group.buttons)
            grid->Add(new wxButton(this, id, caption), 0, wxEXPAND);
        content->Add(newGroup(wxID_ANY, group.caption, grid), 0, wxEXPAND | wxBOTTOM, 6);
    }
    finishLayout(content);

    const std::pair<int, void (CPTools1DialogMgt::*)()> handlers[] = {
        {IDC_INTEGRITY_REPORT, &CPTools1DialogMgt::OnIntegrityReport},
        {IDC_PROGRESS_REPORT, &CPTools1DialogMgt::OnProgressReport},
        {IDC_IMPORT_EXPORT, &CPTools1DialogMgt::OnImportExport},
        {IDC_EXPORT_VERSIONS, &CPTools1DialogMgt::OnExportVersions},
        {IDC_IMPORT_VERSIONS, &CPTools1DialogMgt::OnImportVersions},
        {IDC_ACTIVITY_TABLE, &CPTools1DialogMgt::OnActivityTable},
        {IDC_RELOAD, &CPTools1DialogMgt::OnReload},
        {IDC_CHANGE_CLASS, &CPTools1DialogMgt::OnChangeClass},
        {IDC_ARCHIVE_WP, &CPTools1DialogMgt::OnArchivewp},
        {IDC_ARCHIVE_MEASURE, &CPTools1DialogMgt::OnArchivemeasure},
    };
    // The archive dialogs' own commands come here first.
    Bind(wxEVT_BUTTON, [this, handlers](wxCommandEvent& event) {
        if (m_archiveDialog && event.GetEventObject() != this && OnCommand(event.GetId()))
            return;
        for (const auto& [id, handler] : handlers)
            if (event.GetId() == id && FindWindow(id) == event.GetEventObject()) {
                (this->*handler)();
                return;
            }
        event.Skip();
    });
}

CPTools1DialogMgt::~CPTools1DialogMgt() = default;

Item* CPTools1DialogMgt::selectedItem() const {
    if (!m_selected)
        ui::AfxMessageBox(loadString(33023));
    return m_selected;
}

void CPTools1DialogMgt::OnIntegrityReport() {
    ui::WaitCursor wait;
    m_project->generateIntegrityReport();
}

void CPTools1DialogMgt::OnProgressReport() {
    ui::WaitCursor wait;
    m_project->generateProgressStatusReport();
}

void CPTools1DialogMgt::OnImportExport() {
    CImportExportDialog dialog(m_project, m_selected, this);
    dialog.DoModal();
}

void CPTools1DialogMgt::OnExportVersions() {
    ui::WaitCursor wait;
    m_project->generateVersionAndApprovalStatus();
}

void CPTools1DialogMgt::OnImportVersions() {
    const CString path = TolvaneDialog::chooseFileToOpen(this);
    if (path.IsEmpty())
        return;
    ui::WaitCursor wait;
    m_project->ImportVersionAndApprovalStatus(path);
}

void CPTools1DialogMgt::OnActivityTable() {
    Item* item = selectedItem();
    if (!item)
        return;
    // Every discipline's name, in tree order, from links made afresh.
    std::vector<CString> all;
    {
        ui::WaitCursor wait;
        std::unique_ptr<CStringListe> names(m_project->getDisciplineNames());
        for (int i = 1; i <= names->count(); ++i)
            all.push_back(*names->at(i));
        names->deleteAll();
    }
    std::vector<CString> chosen;
    CAATable dialog(all, chosen, item->getName(), this);
    if (dialog.DoModal() != IDOK)
        return;
    // The table takes the place of the item's page: a page the author wrote
    // is not lost without the author agreeing.
    const CString path = m_project->getItemPagePath(item, 0);
    if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) {
        CString question;
        question.Format(kReplacePageQuestion, item->getName().GetString());
        if (ui::AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }
    CStringListePlus disciplines;
    for (const CString& name : chosen)
        disciplines.append(new CString(name));
    bool written = false;
    {
        ui::WaitCursor wait;
        written = m_project->generateActivityWorkProductTable(path, item->getLevel(), item->getName(),
                                                              disciplines, dialog.m_italic, 0);
    }
    disciplines.deleteAll();
    // A page that could not be written has been told; it is no table generated.
    if (written)
        ui::AfxMessageBox(loadString(33040));
}

void CPTools1DialogMgt::OnReload() {
    ui::WaitCursor wait;
    m_project->setLinksNeedRefresh();
    m_project->updateLinks(1, 0);
}

void CPTools1DialogMgt::OnChangeClass() {
    Item* item = selectedItem();
    if (!item)
        return;
    if (item->getKind() == kShortcut || item->getKind() == kExternal) {
        ui::AfxMessageBox(loadString(33044));
        return;
    }
    {
        ui::WaitCursor wait;
        m_project->updateLinks(0, 0);
    }
    CChangeItemClassDlgMgt dialog(m_project, static_cast<ProcessItem*>(item), this);
    if (dialog.DoModal() == IDOK)
        m_project->changeItemClass(item, dialog.m_classText);
}

int CPTools1DialogMgt::rowId(int first, int step, size_t row, int offset, int limit) {
    const size_t id =
        static_cast<size_t>(first) + static_cast<size_t>(step) * row + static_cast<size_t>(offset);
    if (id < static_cast<size_t>(limit))
        return static_cast<int>(id);
    return freeId();
}

int CPTools1DialogMgt::freeId() {
    // The program's counter of automatic ids runs on from dialog to dialog:
    // it skips the rows' ranges, so that no control takes a row's id.
    int automatic = 0;
    do
        automatic = static_cast<int>(CDynDialogEx::nextAutomaticId());
    while (automatic >= kFirstWorkProductId && automatic < kMeasureIdLimit);
    return automatic;
}

bool CPTools1DialogMgt::OnCommand(int id) {
    for (Row& row : m_rows)
        if (row.buttonId == id) {
            if (m_archivingMeasures)
                OnInfo(row);
            else
                OnGet(row);
            return true;
        }
    return false;
}

void CPTools1DialogMgt::OnGet(Row& row) {
    const CString path = TolvaneDialog::chooseFileToOpen(m_archiveDialog);
    if (path.IsEmpty())
        return;
    for (const auto& control : m_archiveDialog->getControls())
        if (control->getId() == static_cast<UINT>(row.editId))
            if (auto* edit = dynamic_cast<wxTextEntry*>(control->getWindow()))
                edit->ChangeValue(toWx(path));
}

void CPTools1DialogMgt::OnInfo(const Row& row) {
    ItemMeasure* measure = row.item->getItemMeasure();
    CString message;
    message.Format(loadString(33043), measure ? measure->getUnit().GetString() : "",
                   row.item->getDescription(0).GetString());
    ui::AfxMessageBox(message);
}

void CPTools1DialogMgt::buildWorkProductRows(CDynDialogEx& dialog) {
    dialog.setTitle("Archive project work products");
    DynRect label{5, 5, 120, 17}, edit{130, 5, 350, 17};
    dialog.addControl("STATIC", "Project name", kStaticStyle, 0, &label, DynData(), freeId());
    dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &edit, &m_projectName, freeId());
    for (size_t k = 0; k < m_rows.size(); ++k) {
        Row& row = m_rows[k];
        const int y = 25 + 15 * static_cast<int>(k);
        DynRect name{5, y, 120, y + 12}, path{130, y, 350, y + 12}, get{360, y, 400, y + 12};
        row.editId = rowId(kFirstWorkProductId, 2, k, 0, kFirstMeasureId);
        row.buttonId = rowId(kFirstWorkProductId, 2, k, 1, kFirstMeasureId);
        dialog.addControl("STATIC", row.item->getName(), kStaticStyle, 0, &name, DynData(), freeId());
        dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &path, &row.path, row.editId);
        dialog.addControl("BUTTON", "Get", kButtonStyle, 0, &get, DynData(), row.buttonId);
    }
}

void CPTools1DialogMgt::buildMeasureRows(CDynDialogEx& dialog) {
    dialog.setTitle("Archive project measure");
    const std::pair<const char*, CString*> heading[] = {
        {"Project name", &m_projectName}, {"Project type", &m_projectType}, {"Department", &m_department}};
    for (int i = 0; i < 3; ++i) {
        DynRect label{5, 5 + 15 * i, 120, 17 + 15 * i}, edit{130, 5 + 15 * i, 350, 17 + 15 * i};
        dialog.addControl("STATIC", heading[i].first, kStaticStyle, 0, &label, DynData(), freeId());
        dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &edit, heading[i].second, freeId());
    }
    DynRect value{160, 55, 200, 67}, comment{260, 55, 600, 67}, planned{210, 52, 250, 70};
    dialog.addControl("STATIC", "Value", kStaticStyle, 0, &value, DynData(), freeId());
    dialog.addControl("STATIC", "Comment", kStaticStyle, 0, &comment, DynData(), freeId());
    dialog.addControl("STATIC", "Planned Value", kStaticStyle, 0, &planned, DynData(), freeId());
    constexpr int kLimit = kMeasureIdLimit;
    for (size_t k = 0; k < m_rows.size(); ++k) {
        Row& row = m_rows[k];
        const int y = 70 + 15 * static_cast<int>(k);
        DynRect name{5, y, 120, y + 12}, info{130, y, 150, y + 12}, valueEdit{160, y, 200, y + 12},
            plannedEdit{210, y, 250, y + 12}, commentEdit{260, y, 600, y + 12};
        row.buttonId = rowId(kFirstMeasureId, 3, k, 0, kLimit);
        dialog.addControl("STATIC", row.item->getName(), kStaticStyle, 0, &name, DynData(), freeId());
        dialog.addControl("BUTTON", "Info", kButtonStyle, 0, &info, DynData(), row.buttonId);
        dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &valueEdit, &row.value,
                          rowId(kFirstMeasureId, 3, k, 1, kLimit));
        ItemMeasure* measure = row.item->getItemMeasure();
        if (measure && measure->m_includePlannedValue)
            dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &plannedEdit, &row.plannedValue,
                              freeId());
        dialog.addControl("EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, &commentEdit, &row.comment,
                          rowId(kFirstMeasureId, 3, k, 2, kLimit));
    }
}

void CPTools1DialogMgt::OnArchivewp() {
    runArchive(false, "CPTools1DialogMgt::OnArchivewp");
}

void CPTools1DialogMgt::runArchive(bool measures, const char* method) {
    try {
        m_rows.clear();
        {
            ui::WaitCursor wait;
            std::unique_ptr<ProcessItemListe> items(measures ? m_project->getMeasureItems()
                                                             : m_project->getWorkProductsToArchive());
            for (int i = 1; items && i <= items->count(); ++i)
                m_rows.push_back(Row{items->at(i)});
        }
        m_projectName.Empty();
        m_projectType.Empty();
        m_department.Empty();
        CDynDialogEx dialog(this);
        m_archiveDialog = &dialog;
        m_archivingMeasures = measures;
        if (measures)
            buildMeasureRows(dialog);
        else
            buildWorkProductRows(dialog);
        const int answer = dialog.DoModal();
        m_archiveDialog = nullptr;
        if (answer == IDOK) {
            if (measures)
                archiveMeasures();
            else
                archiveWorkProducts();
        }
        m_rows.clear();
    } catch (...) {
        m_archiveDialog = nullptr;
        m_rows.clear();
        reportFailure(method);
    }
}

void CPTools1DialogMgt::archiveWorkProducts() {
    ProjectLog log(*m_project);
    log << CString("Archive work product from project ") + m_projectName + "\n";
    for (const Row& row : m_rows) {
        if (row.path.IsEmpty())
            continue;
        log << CString("- ") + row.item->getName() + " from " + row.path;
        const CString folder = row.item->getItemFolderFile("ar");
        const CString name = fileNameOf(row.path);
        const CString target = folder + "/" + name;
        CString failure;
        failure.Format(loadString(32976), name.GetString());
        if (folder.IsEmpty() || (!CreateDirectoryA(folder, nullptr) && !isRealFolder(folder))) {
            ui::AfxMessageBox(failure);
            log << CString(" (copy failed)\n");
            continue;
        }
        if (GetFileAttributesA(target) == INVALID_FILE_ATTRIBUTES) {
            if (CopyFileA(row.path, target, TRUE)) {
                log << CString(" (copy performed)\n");
            } else {
                ui::AfxMessageBox(failure);
                log << CString(" (copy failed)\n");
            }
            continue;
        }
        CString question;
        question.Format(loadString(33041), name.GetString());
        if (ui::AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            log << CString(" (already exit -> copy aborted)\n");
        } else if (CopyFileA(row.path, target, FALSE)) {
            log << CString(" (already exit -> file overwritten)\n");
        } else {
            ui::AfxMessageBox(failure);
            log << CString(" (copy failed)\n");
        }
    }
}

void CPTools1DialogMgt::OnArchivemeasure() {
    runArchive(true, "CPTools1DialogMgt::OnArchivemeasure");
}

void CPTools1DialogMgt::archiveMeasures() {
    ProjectLog log(*m_project);
    log << CString("Archive measures for project ") + m_projectName + " (Project type: " + m_projectType +
               " , departement: " + m_department + " )\n";
    for (const Row& row : m_rows) {
        log << CString("- ") + row.item->getName() + ": value " + row.value + " , comment:" + row.comment +
                   "\n";
        const CString folder = row.item->getItemFolderFile("am");
        if (!folder.IsEmpty())
            CreateDirectoryA(folder, nullptr);
        ItemMeasure* measure = row.item->getItemMeasure();
        if (!measure || !measure->writeMeasureData(m_projectName, m_projectType, m_department, row.value,
                                                   row.comment, row.plannedValue)) {
            // A data point that is not on disk is never passed over in silence.
            CString message;
            message.Format(kMeasureNotWritten, row.item->getName().GetString());
            ui::AfxMessageBox(message);
        }
    }
}
