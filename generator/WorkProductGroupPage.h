#pragma once

// The page of a work product group in one language, always written whole:
// a table of the work products that follow the group in the tree up to the
// next item of the group's level, each with a link to its page, its
// work product name and its description.

#include "CString.h"
#include "DiskLinks.h"

class PageRunTables;
class ProcessItem;
class ProcessManager;

class WorkProductGroupPage {
public:
    WorkProductGroupPage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& group,
                         int language);

    // Writes the page; false when it could not be written (the old page
    // then stays as it was).
    bool write();

private:
    ProcessManager& m_manager;
    const PageRunTables& m_tables;
    ProcessItem& m_item;
    int m_language;
    CString m_folder;
    DiskLinks m_links;
};
