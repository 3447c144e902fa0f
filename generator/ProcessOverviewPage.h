#pragma once

// The page of a process overview item in one language, always written
// whole: its target workflow as an indented outline of phases,
// macro-activities and activities with their bullets and links, each
// activity followed by its steps, numbered as a work breakdown structure
// (1., 1.1., 1.1.1. ...) when the settings ask for it.

#include "CString.h"
#include "DiskLinks.h"

#include <vector>

class Item;
class PageRunTables;
class ProcessItem;
class ProcessManager;
class TextOutStream;

class ProcessOverviewPage {
public:
    ProcessOverviewPage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& overview,
                        int language);

    // The workflow the overview names, or null, told (33060 for none named,
    // 33061 for a name no item has), when there is none to show.
    Item* targetWorkflow();
    // Writes the page of the workflow; false when it could not be written
    // (the old page then stays as it was).
    bool write(Item& workflow);

private:
    // counter[depth] set to 1 when the outline went deeper, else one on;
    // then the numbers from depth 1 to depth, each followed by ".".
    CString number(int depth, bool deeper);
    void writeSteps(TextOutStream& out, ProcessItem& activity, int depth);

    ProcessManager& m_manager;
    const PageRunTables& m_tables;
    ProcessItem& m_item;
    int m_language;
    CString m_rootPrefix;
    CString m_sitePrefix;
    DiskLinks m_links;
    bool m_numbered;
    // The numbering counters by relative depth, as deep as the outline goes.
    std::vector<int> m_counters;
    int m_tooltipCounter = 0;
};
