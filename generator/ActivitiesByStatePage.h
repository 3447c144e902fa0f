#pragma once

// The page "activitiesByState.htm" of an item inside a workflow: the
// activities below it (shortcut targets included) that are approved, and
// those that await approval. One file serves both languages: the names and
// links are those of the first language, the footer's label that of the
// pass that wrote it last.

#include "CString.h"
#include "DiskLinks.h"

class PageRunTables;
class ProcessItem;
class ProcessManager;

class ActivitiesByStatePage {
public:
    static constexpr const char* kPageName = "activitiesByState.htm";

    ActivitiesByStatePage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& item,
                          int language);

    // The file of the page; empty for an item whose folder lies outside the project.
    CString path() const;
    // Writes the page; false when it could not be written (the old page
    // then stays as it was).
    bool write();

private:
    ProcessManager& m_manager;
    const PageRunTables& m_tables;
    ProcessItem& m_item;
    int m_language;
    DiskLinks m_links;
};
