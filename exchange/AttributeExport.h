#pragma once

// The attribute files that a process engineer edits in a spreadsheet and
// imports back (see AttributeImport): the activities' attributes
// ("activitiesAttr.csv"), the work products' ("WPAttr.csv"), the items'
// descriptions ("itemDescription.csv") and their versions and approvals
// ("VersionAndApproval.csv", with "Version.csv" beside it).

class ProcessManager;

class AttributeExport {
public:
    explicit AttributeExport(ProcessManager& manager) : m_manager(manager) {}

    void exportActivitiesAttributes();
    void exportWPAttributes();
    void exportItemDescription();
    void generateVersionAndApprovalStatus();

    // The text the export writes in place of an approval date that it does
    // not show; the import keeps the stored date for it.
    static constexpr const char* kHiddenDate = " ";

private:
    ProcessManager& m_manager;
};
