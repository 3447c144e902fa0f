#include "WorkProductGroupPage.h"

#include "ItemClasses.h"
#include "ItemWorkProduct.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextOutStream.h"

WorkProductGroupPage::WorkProductGroupPage(ProcessManager& manager, const PageRunTables& tables,
                                           ProcessItem& group, int language)
    : m_manager(manager), m_tables(tables), m_item(group), m_language(language),
      m_folder(manager.getProjectDirectory() + group.getFolder(1, 1)), m_links(m_folder) {}

bool WorkProductGroupPage::write() {
    const CString path = m_manager.getItemPagePath(&m_item, m_language);
    if (path.IsEmpty())
        return true;
    TextOutStream out(path);
    if (!out.is_open())
        return false;
    const CString rootPrefix = upPrefix(m_item.getLevel() + 2);
    const CString name = m_item.getNameByLanguage(m_language);
    out << styledPageHeadStart(m_manager, &m_item, name, m_links, rootPrefix) << "</head>\n\n"
        << "<body>\n"
        << m_manager.getPageBanner(name, rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links)
        << "<table border=\"1\" cellspacing=\"0\">\n"
        << "<tr>\n"
        << "<td align=\"center\" class=\"wpTable\" width=\"25%\"><b>Name</b></td>\n"
        << "<td align=\"center\" class=\"wpTable\" width=\"75%\"><b>Description</b></td>\n"
        << "</tr>\n";
    // The work products that follow the group up to the next item of its
    // level: past its own subtree when items of a smaller level follow it.
    for (Item* item : m_tables.getItemsToSameLevel(&m_item)) {
        if (classKindOf(item) != kWorkProductClass)
            continue;
        auto* product = static_cast<ProcessItem*>(item);
        const CString link =
            m_links.get(relativeLink(m_folder, m_manager.getItemFilePath(product, m_language)));
        const CString wpName =
            product->getItemWorkProduct() ? product->getItemWorkProduct()->getWPName() : CString();
        out << "<tr><td width=\"25%\"><a href=\"" << link << "\" target=\"main\">"
            << product->getNameByLanguage(m_language) << "</a>";
        if (!wpName.IsEmpty())
            out << " <font size=\"1\">(" << wpName << ")</font>";
        const CString description = product->getDescription(m_language);
        out << "</td>\n"
            << "<td width=\"75%\">" << (description.IsEmpty() ? CString("&nbsp;") : description) << "</td>\n";
    }
    out << "</table>\n";
    m_manager.writePageFooter(&m_item, out, 0, m_language, 0, "");
    out << "</body>\n"
        << "</html>\n";
    return out.close();
}
