#pragma once

// The page of a macro-activity, phase or workflow in one language while the
// generator writes it: the workflow picture, the description, a table of
// the work elements below the item and of the work products their
// activities produce, the quality criteria that apply and the bar of links
// to the item's parents.
//
// A page generated whole (the item's fully-generated flag) shows the
// diagram export "wf.png" with its image map. Any other page is the
// author's above its marker and the generated section below it; its
// picture is one the author put in the item's folder ("workflow_ai" with
// the extension gif, jpg or png), without map.

#include "CString.h"
#include "DiskLinks.h"

class PageRunTables;
class ProcessItem;
class ProcessManager;
class TextOutStream;

class MacroActivityPage {
public:
    MacroActivityPage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& item, int language);

    // Writes the page. A page that cannot be opened, or a page in marker
    // mode without marker or closing body tag, is told to the user and left
    // as it was.
    void write();

    // Whether the item's page is generated whole.
    static bool isFullyGenerated(const ProcessItem& item);

private:
    void writeWholePageHead(TextOutStream& out);
    void writeMarkedSectionHead(TextOutStream& out);
    void writePicture(TextOutStream& out);
    void writeDescription(TextOutStream& out);
    void writeWorkTable(TextOutStream& out);
    // A list line linking to an item's page, its name with the item's
    // popup text as tooltip when it has one.
    CString listLine(ProcessItem& target);

    ProcessManager& m_manager;
    const PageRunTables& m_tables;
    ProcessItem& m_item;
    int m_language;
    bool m_whole;
    CString m_topPrefix;
    CString m_rootPrefix;
    CString m_linkBase;
    DiskLinks m_links;
    int m_tooltipCounter = 0;
};
