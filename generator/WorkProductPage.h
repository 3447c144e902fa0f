#pragma once

// The page of a work product in one language, always written whole: its
// description beside the roles responsible for it, its attributes, its
// elements and the requirements it implements or that implement it, its
// tailoring guideline and template table, its quality criteria (also on a
// page of their own, "criteria.html"), then, per project kind and per
// state, a diagram of the activities that create and read it, followed by
// the reviews and milestone checks performed on it. A work product with an
// example library also gets the library's pages.

#include "CString.h"
#include "DiskLinks.h"

#include <vector>

class PageRunTables;
class ProcessItem;
class ProcessManager;
class TextOutStream;

class WorkProductPage {
public:
    WorkProductPage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& item, int language);

    // Writes the page, its criteria page and its library pages; false when
    // the page could not be written (the old page then stays as it was).
    bool write();

private:
    void writeHead(TextOutStream& out);
    void writeDescriptionAndResponsibilities(TextOutStream& out);
    void writeAttributes(TextOutStream& out);
    void writeElements(TextOutStream& out);
    void writeRequirements(TextOutStream& out);
    void writeTemplates(TextOutStream& out);
    void writeQualityCriteria(TextOutStream& out);
    void writeActivities(TextOutStream& out);
    // The diagram of one project kind and state (null for the work product
    // itself): the creating activities on the left, the reading ones on
    // the right.
    void writeDiagram(TextOutStream& out, const CString& kind, ProcessItem* state, bool creating,
                      bool reading, const std::vector<ProcessItem*>& producers,
                      const std::vector<ProcessItem*>& users);
    void writeReviews(TextOutStream& out, const std::vector<ProcessItem*>& reviews);
    void writeMilestones(TextOutStream& out, const std::vector<ProcessItem*>& milestones);

    // The activities of a list of the work product's (users or producers)
    // that are of the project kind.
    std::vector<ProcessItem*> activitiesOfKind(bool users, const CString& kind) const;
    CString phasesText(ProcessItem& activity);
    CString reviewersText(ProcessItem& activity);

    CString caption(ProcessItem& item);
    CString linkToPage(ProcessItem& item);
    // The link to the page of an item's folder ("overview.htm" or
    // "overviewL2.htm").
    CString linkToOverview(ProcessItem& item);
    CString image(const CString& path);
    CString label(const CString& key);

    ProcessManager& m_manager;
    const PageRunTables& m_tables;
    ProcessItem& m_item;
    int m_language;
    CString m_rootPrefix;
    CString m_linkBase;
    DiskLinks m_links;
    int m_tooltipCounter = 0;
};
