#pragma once

// The page of a general procedure in one language, always written whole: a
// link to its document, its type, purpose and state, and the activities
// that refer to it.

#include "CString.h"
#include "DiskLinks.h"

class PageRunTables;
class ProcessItem;
class ProcessManager;

class ProcedurePage {
public:
    ProcedurePage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& item, int language);

    // Writes the page; false when it could not be written (the old page
    // then stays as it was).
    bool write();

private:
    ProcessManager& m_manager;
    const PageRunTables& m_tables;
    ProcessItem& m_item;
    int m_language;
    CString m_rootPrefix;
    CString m_folder;
    DiskLinks m_links;
};
