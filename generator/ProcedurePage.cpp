#include "ProcedurePage.h"

#include "ItemGenericProcedure.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextOutStream.h"

ProcedurePage::ProcedurePage(ProcessManager& manager, const PageRunTables& tables, ProcessItem& item,
                             int language)
    : m_manager(manager), m_tables(tables), m_item(item), m_language(language),
      m_rootPrefix(upPrefix(item.getLevel() + 2)),
      m_folder(manager.getProjectDirectory() + item.getFolder(1, 1)), m_links(m_folder) {}

bool ProcedurePage::write() {
    TextOutStream out;
    if (const PageOpening opening = openItemPage(m_manager, m_item, m_language, out);
        opening != PageOpening::Opened)
        return opening == PageOpening::NoPage;
    const ItemGenericProcedure& procedure = *m_item.getItemGenericProcedure();
    auto label = [&](const char* key) { return m_manager.getLabel(m_language, key); };
    const CString name = m_item.getNameByLanguage(m_language);
    out << styledPageHeadStart(m_manager, &m_item, name, m_links, m_rootPrefix) << "</head>\n\n"
        << "<body>\n"
        << m_manager.getPageBanner(name, m_rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links);
    // The document's link as the author stored it.
    const CString link = procedure.getProcedure(m_language);
    if (!link.IsEmpty())
        out << "<br><p align=\"center\"><a href=\"" << link
            << "\" target=\"main\"><img alt=\"\" border=\"0\" src=\""
            << m_links.get(m_rootPrefix + "images/book.gif") << "\"></a><br>\n"
            << "<a href=\"" << link << "\" target=\"main\"><b>" << label("LinkToProcedure")
            << "</b></a></p>\n";
    if (!procedure.getProcedureType().IsEmpty())
        out << "<p><b>" << label("Type") << " </b>" << procedure.getProcedureType() << "</p>\n";
    out << "<p><b>" << label("Purpose") << "</b></p>\n" << m_item.getDescription(m_language);
    if (!procedure.getProcedureState().IsEmpty())
        out << "<p><b>" << label("State") << " </b>" << procedure.getProcedureState() << "</p>\n";

    // The activities naming the procedure, from the run's index: an
    // activity naming it twice is listed twice.
    const std::vector<ProcessItem*>& activities = m_tables.getActivitiesNamingProcedure(m_item.getUid());
    if (!activities.empty()) {
        out << "<p><b>" << label("ActivitiesReferencing") << "</b></p>\n<ul>";
        for (ProcessItem* activity : activities)
            out << "<li><a href=\""
                << m_links.get(relativeLink(m_folder, m_manager.getItemFilePath(activity, m_language)))
                << "\" target=\"main\">" << activity->getNameByLanguage(m_language) << "</a></li>\n";
        out << "</ul>\n";
    }
    m_manager.writePageFooter(&m_item, out, 0, m_language, 0, "");
    out << "</body>\n</html>\n";
    return out.close();
}
