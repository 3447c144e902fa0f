#pragma once

// The page "activities.htm" of a workflow or of a plain item below one: the
// roles acting in the activities below the item and, per role, a matrix of
// those activities against the project's role responsibilities with the
// work products each activity produces. Always written whole.

#include "CString.h"
#include "DiskLinks.h"

#include <memory>
#include <vector>

class PageRunTables;
class ProcessItem;
class ProcessManager;
class Role;
class TextOutStream;

class ActivitiesByRolePage {
public:
    ActivitiesByRolePage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& item,
                         int language);
    ~ActivitiesByRolePage();

    // Writes the page; false when it could not be written (the old page
    // then stays as it was).
    bool write();
    // Where the page goes; "" for an item whose folder lies outside the project.
    CString path() const;

    // The page's file name in the language.
    static CString getPageName(int language) { return language == 0 ? "activities.htm" : "activitiesL2.htm"; }

private:
    void collectRoles();
    void writeRoleIndex(TextOutStream& out);
    void writeLegend(TextOutStream& out);
    void writeRoleTable(TextOutStream& out, const Role& role);
    CString label(const CString& key);
    CString caption(ProcessItem& item);

    ProcessManager& m_manager;
    const PageRunTables& m_tables;
    ProcessItem& m_item;
    int m_language;
    CString m_rootPrefix;
    DiskLinks m_links;
    // The responsibilities shown: the configured ones, without the empty
    // first entry of the list.
    std::vector<CString> m_responsibilities;
    // The roles in the order first met.
    std::vector<std::unique_ptr<Role>> m_roles;
    int m_tooltipCounter = 0;
};
