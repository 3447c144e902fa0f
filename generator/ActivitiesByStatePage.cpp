#include "ActivitiesByStatePage.h"

#include "ItemClasses.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextOutStream.h"

#include <vector>

namespace {

constexpr int kForApprovalState = 1;
constexpr int kApprovedState = 2;

} // namespace

ActivitiesByStatePage::ActivitiesByStatePage(ProcessManager& manager, const PageRunTables& tables,
                                             ProcessItem& item, int language)
    : m_manager(manager), m_tables(tables), m_item(item), m_language(language),
      m_links(manager.getProjectDirectory() + item.getFolder(1, 1)) {}

CString ActivitiesByStatePage::path() const {
    return m_manager.getPathInSite(m_item.getFolder(1, 0) + kPageName);
}

bool ActivitiesByStatePage::write() {
    const CString file = path();
    if (file.IsEmpty())
        return true;
    std::vector<ProcessItem*> approved;
    std::vector<ProcessItem*> forApproval;
    m_tables.forEachBelow(&m_item, [&](Item* below, bool) {
        if (classKindOf(below) != kActivityClass)
            return;
        auto* activity = static_cast<ProcessItem*>(below);
        if (activity->getState() == kApprovedState)
            approved.push_back(activity);
        else if (activity->getState() == kForApprovalState)
            forApproval.push_back(activity);
    });

    TextOutStream out(file);
    if (!out.is_open())
        return false;
    const CString rootPrefix = upPrefix(m_item.getLevel() + 2);
    const CString sitePrefix = upPrefix(m_item.getLevel() + 1);
    out << styledPageHeadStart(m_manager, &m_item, m_item.getName(), m_links, rootPrefix) << "</head>\n\n"
        << "<body>\n"
        << m_manager.getPageBanner(m_item.getName(), rootPrefix, m_item.getPageHeaderImage(), 1, "",
                                   &m_links);
    const struct {
        const char* heading;
        const std::vector<ProcessItem*>& activities;
    } lists[] = {{"Approved activities/procedures", approved},
                 {"For approval activities/procedures", forApproval}};
    for (const auto& list : lists) {
        out << "<b>" << list.heading << "</b><br>\n<UL>\n";
        for (ProcessItem* activity : list.activities)
            out << "<li><a href=\"" << m_links.get(sitePrefix + activity->getUrl()) << "\">"
                << activity->getName() << "</a></li>\n";
        out << "</UL>\n";
    }
    m_manager.writePageFooter(&m_item, out, 0, m_language, 0, "");
    out << "</body>\n"
        << "</html>\n";
    return out.close();
}
