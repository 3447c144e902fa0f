#include "ActivitiesByRolePage.h"

#include "CStringListePlus.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemExtensionListe.h"
#include "ItemReference.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "Role.h"
#include "TextOutStream.h"
#include "TooltipScript.h"

#include <unordered_map>

ActivitiesByRolePage::ActivitiesByRolePage(ProcessManager& manager, const PageRunTables& tables,
                                           ProcessItem& item, int language)
    : m_manager(manager), m_tables(tables), m_item(item), m_language(language),
      m_rootPrefix(upPrefix(item.getLevel() + 2)),
      m_links(manager.getProjectDirectory() + item.getFolder(1, 1)) {
    const CStringListePlus& responsibilities = *manager.getRoleResponsibilities();
    for (int k = 2; k <= responsibilities.count(); ++k)
        m_responsibilities.push_back(*responsibilities.at(k));
}

ActivitiesByRolePage::~ActivitiesByRolePage() = default;

CString ActivitiesByRolePage::label(const CString& key) {
    return m_manager.getLabel(m_language, key);
}

CString ActivitiesByRolePage::caption(ProcessItem& item) {
    return itemCaption(m_manager, item, &m_tooltipCounter, m_language);
}

void ActivitiesByRolePage::collectRoles() {
    // The activities below the item, shortcut targets included, from the
    // run's tables: a page costs its own span, never a walk of the tree.
    std::unordered_map<const Item*, Role*> known;
    m_tables.forEachBelow(&m_item, [&](Item* below, bool) {
        auto* activity = dynamic_cast<ProcessItem*>(below);
        if (!activity || activity->getClassKind() != kActivityClass || !activity->getItemActivity())
            return;
        const CStringListePlus& references = *activity->getItemActivity()->getRoles();
        for (int i = 1; i <= references.count(); ++i) {
            const CString& reference = *references.at(i);
            ProcessItem* roleItem = m_manager.findRole(reference);
            if (!roleItem)
                continue;
            Role*& role = known[roleItem];
            if (!role)
                role = m_roles.emplace_back(std::make_unique<Role>(roleItem)).get();
            role->addActivity(activity, getReferenceName(reference));
        }
    });
}

CString ActivitiesByRolePage::path() const {
    return m_manager.getPathInSite(m_item.getFolder(1, 0) + getPageName(m_language));
}

bool ActivitiesByRolePage::write() {
    const CString file = path();
    if (file.IsEmpty())
        return true;
    TextOutStream out(file);
    if (!out.is_open())
        return false;
    collectRoles();
    const CString name = m_item.getNameByLanguage(m_language);
    out << styledPageHeadStart(m_manager, &m_item, name, m_links, m_rootPrefix)
        << "<script language=\"JavaScript1.2\" src=\"" << m_links.get(m_rootPrefix + "JScript/Tooltip.js")
        << "\" type=\"text/javascript\"></script>\n"
        << "</head>\n\n"
        << "<body>\n";
    writeTooltipScript(out, 500);
    out << m_manager.getPageBanner(name, m_rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links);
    writeRoleIndex(out);
    writeLegend(out);
    for (const auto& role : m_roles)
        writeRoleTable(out, *role);
    m_manager.writePageFooter(&m_item, out, 0, m_language, 0, "ABR");
    out << "</body>\n"
        << "</html>\n";
    return out.close();
}

void ActivitiesByRolePage::writeRoleIndex(TextOutStream& out) {
    out << "<b>" << label("RolesActing") << "</b>"
        << "<ul>\n";
    for (const auto& role : m_roles) {
        auto& roleItem = *static_cast<ProcessItem*>(role->getRoleItem());
        out << "<li><a href=\"#" << roleItem.getNameByLanguage(m_language) << "\" target=\"main\"> "
            << caption(roleItem) << "</a></li>";
    }
    out << "</ul>\n<br>";
}

void ActivitiesByRolePage::writeLegend(TextOutStream& out) {
    out << "<table border=\"1\" width=\"100%\" cellspacing=\"0\" cellpadding=\"0\">\n\n";
    for (const CString& responsibility : m_responsibilities)
        out << "<tr>\n"
            << "<td width=\"7%\" align=\"center\"><font size=\"0\">" << label(responsibility + "_ABR")
            << "</font></td>\n"
            << "<td width=\"13%\" align=\"center\"><font size=\"0\">" << label(responsibility)
            << "</font></td>\n"
            << "<td width=\"80%\"><font size=\"0\">" << label(responsibility + "_DESC") << "</font></td>\n"
            << "</tr>\n";
    out << "</table><br><br>\n";
}

void ActivitiesByRolePage::writeRoleTable(TextOutStream& out, const Role& role) {
    const CString roleName = role.getRoleItem()->getNameByLanguage(m_language);
    // The list's entries count with its empty first one.
    const int width = 30 / static_cast<int>(m_responsibilities.size() + 1);
    out << "<table border=\"1\" width=\"100%\">\n"
        << "<tr>\n"
        << "<td width=\"30%\" bgcolor=\"#446546\">\n"
        << "<p align=\"center\"><b><font color=\"#FFFFFF\">" << label("ActivitiesOfRole") << " <br><a name=\""
        << roleName << "\">" << roleName << "</a></font></b></td>\n";
    for (const CString& responsibility : m_responsibilities)
        out << "<td width=\"" << width << "%\" align=\"center\" bgcolor=\"#446546\"><b>"
            << m_manager.writeTermTooltip(label(responsibility + "_ABR"), &m_tooltipCounter,
                                          label(responsibility + "_DESC"), m_language, label(responsibility))
            << "</b></td>\n";
    out << "<td width=\"25%\" align=\"center\" bgcolor=\"#446546\"><b><font color=\"#FFFFFF\">"
        << label("ProducedWP") << "</font></b></td>\n"
        << "</tr>\n";

    // Consecutive links of one activity make one row.
    const CStringListePlus& responsibilities = *m_manager.getRoleResponsibilities();
    ProcessItem* rowActivity = nullptr;
    CString rowHead;
    CString productCell;
    std::vector<bool> marks(m_responsibilities.size());
    auto writeRow = [&] {
        out << rowHead;
        for (size_t k = 0; k < marks.size(); ++k)
            out << "<td width=\"" << width << "%\" align=\"center\">"
                << (marks[k] ? "<img alt=\"\" src=\"" + m_links.get(m_rootPrefix + "images/checked.gif") +
                                   "\" border=\"0\" align=\"middle\">\n"
                             : CString("&nbsp;"))
                << "</td>";
        out << productCell;
    };
    ItemExtensionIterateur* it = role.getActivities()->createIterator();
    for (; !it->isAtEnd(); it->next()) {
        const ItemLink& link = *it->current();
        ProcessItem* activity = link.getItem();
        const ItemActivity* extension = activity->getItemActivity();
        if (!extension)
            continue;
        if (activity != rowActivity) {
            if (rowActivity)
                writeRow();
            rowActivity = activity;
            marks.assign(marks.size(), false);
            rowHead = "<tr><td width=\"40%\"> <a href=\"" +
                      m_links.get(upPrefix(m_item.getLevel() + 1) + activity->getUrl()) +
                      "\" target=\"main\">" + caption(*activity) + "</a></td>\n";
            const CStringListePlus& products = *extension->getOutWorkProducts();
            if (products.count() == 0) {
                productCell = "<td width=\"30%\">&nbsp;</td>\n";
            } else {
                CString names;
                for (int i = 1; i <= products.count(); ++i)
                    names += (i > 1 ? ", " : "") + getWorkProductReferenceName(*products.at(i), m_language);
                productCell = "<td width=\"30%\"> " + names + " </td>\n";
            }
            productCell += "</tr>\n";
        }
        // Entry 1 is the empty responsibility, which no column shows.
        const int found = link.getText().IsEmpty() ? 0 : responsibilities.find(link.getText(), "");
        if (found >= 2)
            marks[found - 2] = true;
    }
    delete it;
    if (rowActivity)
        writeRow();
    out << "</table><br><br>\n";
}
