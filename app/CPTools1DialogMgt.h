#pragma once

// Page "Process tools" of the "Tools" sheet, in process mode: the process
// reports, the import/export dialog, the version and approval exchange, the
// activity / work product table, the reload of the process data, the change
// of an item's class, and the archives of a finished project's work
// products and measures. The archive dialogs are built at run time with one
// row per work product or measure, as many as the project has; their "Get"
// and "Info" buttons reach this page, which finds the row by the button.

#include "CString.h"
#include "PropertyPageView.h"

#include <memory>
#include <vector>

class CDynDialogEx;
class Item;
class ProcessItem;
class ProcessManager;
class ToolsPage;
class wxCommandEvent;

class CPTools1DialogMgt : public PropertyPageView {
public:
    enum ControlId {
        IDC_INTEGRITY_REPORT = 1012,
        IDC_PROGRESS_REPORT = 1017,
        IDC_IMPORT_EXPORT = 1022,
        IDC_EXPORT_VERSIONS = 1018,
        IDC_IMPORT_VERSIONS = 1019,
        IDC_ACTIVITY_TABLE = 1016,
        IDC_RELOAD = 1023,
        IDC_CHANGE_CLASS = 1024,
        IDC_ARCHIVE_WP = 1014,
        IDC_ARCHIVE_MEASURE = 1015,
    };
    // The first ids of the archive rows' controls, as the program numbers
    // them while they stay below the next range.
    static constexpr int kFirstWorkProductId = 1500;
    static constexpr int kFirstMeasureId = 1600;
    static constexpr int kMeasureIdLimit = 1750;

    CPTools1DialogMgt(wxWindow* parent, ToolsPage& page);
    ~CPTools1DialogMgt() override;

    void OnIntegrityReport();
    void OnProgressReport();
    void OnImportExport();
    void OnExportVersions();
    void OnImportVersions();
    void OnActivityTable();
    void OnReload();
    void OnChangeClass();
    void OnArchivewp();
    void OnArchivemeasure();
    // A command from an open archive dialog: a row's "Get" or "Info".
    // Whether it was one.
    bool OnCommand(int id);

    // One row of an archive dialog.
    struct Row {
        ProcessItem* item = nullptr;
        int buttonId = 0;
        int editId = 0; // the path's edit ("Get" fills it)
        CString path;
        CString value, comment, plannedValue;
    };
    // The open archive dialog and its rows (tests drive them).
    CDynDialogEx* getArchiveDialog() const { return m_archiveDialog; }
    std::vector<Row>& getRows() { return m_rows; }
    // The project data typed into the open archive dialog.
    CString m_projectName, m_projectType, m_department;

private:
    Item* selectedItem() const;
    // Builds the open archive dialog's heading and rows; the work products'
    // dialog, or the measures'.
    void buildWorkProductRows(CDynDialogEx& dialog);
    void buildMeasureRows(CDynDialogEx& dialog);
    // Builds and runs the archive dialog of the work products or of the
    // measures, then archives what it holds after OK; an unexpected failure
    // is told with the command's method.
    void runArchive(bool measures, const char* method);
    void archiveWorkProducts();
    void archiveMeasures();
    void OnGet(Row& row);
    void OnInfo(const Row& row);
    // The row's id: the program's own while it stays in its range, else a
    // free automatic one, so that any number of rows works.
    static int rowId(int first, int step, size_t row, int offset, int limit);
    // An automatic id outside the rows' ranges, for the dialogs' other controls.
    static int freeId();

    ProcessManager* m_project;
    Item* m_selected;
    CDynDialogEx* m_archiveDialog = nullptr;
    bool m_archivingMeasures = false;
    std::vector<Row> m_rows;
};
