#pragma once

// Two reports of the process in the project's folder "tmp": the search of
// a text in the items' names, descriptions, tailoring guidelines, steps
// and work product attributes ("SearchReport.csv"), and the progress table
// telling for every item which parts of its description are filled in
// ("progressStatusReport.csv"). The integrity report is IntegrityReport.

#include "CString.h"

class ProcessManager;

class ProcessReports {
public:
    explicit ProcessReports(ProcessManager& manager) : m_manager(manager) {}

    // Finds the text, ignoring case, in the attributes of the language.
    void searchText(const CString& text, int language);
    void generateProgressStatusReport();

private:
    ProcessManager& m_manager;
};
