#pragma once

// The page of a role or role group in one language, always written whole.
// A role's page shows its responsibility, a link to its detailed
// description and the roles it regroups; a role group's shows its role map
// (the picture drawn in the diagram editor with its clickable areas) and a
// grid of its member roles. Both then list the work products the role
// authors and the activities it takes part in with its responsibilities in
// each, per project kind and per phase (for a group only when the settings
// ask for it).

#include "CString.h"
#include "DiskLinks.h"

#include <vector>

class ItemExtensionListe;
class ItemLink;
class PageRunTables;
class ProcessItem;
class ProcessManager;
class TextOutStream;

class RolePage {
public:
    // phases: the phases of the process, "" first, as every role page of a
    // run lists them.
    RolePage(ProcessManager& manager, const PageRunTables& tables, const std::vector<CString>& phases,
             ProcessItem& item, int language);

    // Writes the page; false when it could not be written (the old page
    // then stays as it was).
    bool write();

    // The phases of the process as role pages list them: the empty name,
    // then the first phase of each PHASE item in tree order, each once
    // (names compared ignoring case).
    static std::vector<CString> phasesOfProcess(ProcessManager& manager);

private:
    void writeHead(TextOutStream& out);
    void writeRoleMap(TextOutStream& out);
    void writeMembers(TextOutStream& out);
    void writeResponsibility(TextOutStream& out);
    void writeDetailedDescription(TextOutStream& out);
    void writeRegroupedRoles(TextOutStream& out);
    void writeAuthoredWorkProducts(TextOutStream& out);
    void writeActivities(TextOutStream& out, ItemExtensionListe* links);
    void writeLegend(TextOutStream& out);
    // The tables of one project kind: one per phase that has activities.
    void writeKindTables(TextOutStream& out, const std::vector<ItemLink*>& links, const CString& kind);

    // The item's name, with a tooltip of its popup text when it has one.
    CString caption(ProcessItem& item);
    CString linkToPage(ProcessItem& item);
    CString image(const char* path);
    CString label(const CString& key);

    ProcessManager& m_manager;
    const PageRunTables& m_tables;
    const std::vector<CString>& m_phases;
    ProcessItem& m_item;
    int m_language;
    bool m_group;
    CString m_rootPrefix;
    CString m_linkBase;
    DiskLinks m_links;
    int m_tooltipCounter = 0;
};
