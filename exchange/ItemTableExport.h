#pragma once

// The seven tables of items that the import/export dialog writes into the
// project's folder "tmp": templates, procedures, glossary, work products,
// roles, the activity-responsibility matrix and the traceability links.
// Each writes its file with its fixed header, one line per item of its
// class in tree order, tells the user and opens the folder; a file that
// cannot be written is told instead.

#include "CString.h"

class ProcessManager;

class ItemTableExport {
public:
    explicit ItemTableExport(ProcessManager& manager) : m_manager(manager) {}

    // "templates.csv"; asks first whether the templates themselves are
    // copied into "tmp/templates".
    void exportTemplatesList();
    // "procedures.csv"; asks first whether the procedure documents are
    // copied into "tmp/procedures".
    void exportProceduresList();
    void exportGlossary();
    void exportWorkProductsList();
    void exportRolesList();
    void exportActivitiesList();
    void exportTraceabilityLinks();

private:
    // Asks the question; on Yes makes the folder of "tmp" that the copies go to.
    bool askForCopies(unsigned question, const CString& folder);
    // Copies a file of the item's folder into the folder of "tmp", never
    // over a file already there; a failure is no error.
    void copyIntoTmp(class ProcessItem& item, const CString& fileName, const CString& folder);

    ProcessManager& m_manager;
};
