#pragma once

// The page of a work product overview item in one language, always written
// whole: its clickable work-product map, the author's own part, an index of
// the disciplines and one table of work products per discipline (those of
// no discipline last), whose columns the settings choose. Beside the page
// it writes the spreadsheet file "WP.csv" ("WPL2.csv") with one line per
// listed work product and, per discipline, a page of the activities and the
// work products they use and produce.

#include "CString.h"
#include "DiskLinks.h"

#include <unordered_set>
#include <vector>

class PageRunTables;
class ProcessItem;
class ProcessManager;
class TextOutStream;

class WorkProductOverviewPage {
public:
    WorkProductOverviewPage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& item,
                            int language);

    // Writes the page, its spreadsheet file and its discipline pages; false
    // when the page could not be written (the old page then stays as it was).
    bool write();

    // An optional column of the tables: its PROCESS_OPTION key, its header
    // label and its width in units.
    struct Column {
        const char* option;
        const char* labelKey;
        int units;
    };

private:
    // The work products a section lists, in tree order.
    std::vector<ProcessItem*> listedProducts(const CString& discipline) const;
    void openSection(TextOutStream& out, TextOutStream& csv, const CString& discipline, bool first);
    void writeDomainRow(TextOutStream& out, ProcessItem& product);
    void writeRow(TextOutStream& out, ProcessItem& product);
    CString columnText(const Column& column, ProcessItem& product);
    // The roles that the work product's author list names with the
    // responsibility, each a link.
    CString rolesText(ProcessItem& product, const CString& responsibility);

    CString percent(int units) const;
    CString linkToOverview(ProcessItem& item);
    CString image(const CString& path);
    CString label(const CString& key);

    ProcessManager& m_manager;
    const PageRunTables& m_tables;
    ProcessItem& m_item;
    int m_language;
    CString m_rootPrefix;
    DiskLinks m_links;
    std::vector<const Column*> m_columns;
    int m_units = 7;
    int m_domains = 0;
    int m_tooltipCounter = 0;
    CString m_domainHeading;
    // The discipline pages' names taken on this page, lower-cased.
    std::unordered_set<CString> m_pageNames;
};
