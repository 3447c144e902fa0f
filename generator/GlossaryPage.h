#pragma once

// The page of a glossary item in one language, always written whole: a
// letter index, then under each letter from A to Z the glossary entries of
// the item's discipline and domain whose name begins with it, each with its
// name in the other language, its description and, for an entry of the
// glossary-entry class, its source and equivalent.

#include "CString.h"
#include "DiskLinks.h"

#include <vector>

class ProcessItem;
class ProcessManager;
class PageRunTables;

class GlossaryPage {
public:
    // One entry as every glossary page of a language shows it.
    struct Entry {
        ProcessItem* item;
        CString name;
        CString otherName;
        CString description;
        CString source;
        CString equivalent;
        // The letter A to Z its name begins with, upper-cased; 0 for none.
        char letter;
    };

    // The glossary entries of the project (the items of the glossary-entry
    // class and those flagged as entries) in the language, ordered by name
    // ignoring case, equal names in tree order, each description read and
    // converted once: what every glossary page of a run takes its entries
    // from.
    static std::vector<Entry> sortedEntries(ProcessManager& manager, const PageRunTables& tables,
                                            int language);

    GlossaryPage(ProcessManager& manager, const std::vector<Entry>& entries, ProcessItem& glossary,
                 int language);

    // Writes the page; false when it could not be written (the old page
    // then stays as it was).
    bool write();

private:
    ProcessManager& m_manager;
    const std::vector<Entry>& m_entries;
    ProcessItem& m_item;
    int m_language;
    CString m_rootPrefix;
    DiskLinks m_links;
};
