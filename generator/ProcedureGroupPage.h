#pragma once

// The page of a general procedure group in one language, always written
// whole: the author's introduction, then a table of procedures per
// discipline (of every procedure of the process, or of those that follow
// the group), filtered by the group's domain and discipline, with the
// columns its flags choose.

#include "CString.h"
#include "DiskLinks.h"

#include <vector>

class PageRunTables;
class ProcessItem;
class ProcessManager;
class TextOutStream;

class ProcedureGroupPage {
public:
    // procedures: the GENERAL PROCEDURE items the group lists, in tree order.
    ProcedureGroupPage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& item,
                       std::vector<ProcessItem*> procedures, int language);

    // Writes the page; false when it could not be written (the old page
    // then stays as it was).
    bool write();

    // The procedures a group lists: with its all-procedures flag every
    // GENERAL PROCEDURE item of the process, else those that directly follow
    // it in tree order, up to the first item of another class.
    static std::vector<ProcessItem*> listedProcedures(const PageRunTables& tables, ProcessItem& group);

private:
    void writeHeaderRow(TextOutStream& out);
    void writeRow(TextOutStream& out, ProcessItem& procedure);
    CString shownName(const CString& name, int classKind);
    CString label(const char* key);

    ProcessManager& m_manager;
    const PageRunTables& m_tables;
    ProcessItem& m_item;
    std::vector<ProcessItem*> m_procedures;
    int m_language;
    CString m_rootPrefix;
    DiskLinks m_links;
    int m_tooltipCounter = 0;
    // Column widths in percent.
    int m_nameWidth, m_typeWidth, m_stateWidth, m_versionWidth, m_descriptionWidth;
};
