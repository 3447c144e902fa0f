#include "RolePage.h"

#include "CStringListePlus.h"
#include "ClickableAreaMap.h"
#include "HtmlText.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemExtensionListe.h"
#include "ItemListePlus.h"
#include "ItemReference.h"
#include "ItemRole.h"
#include "ItemRoleGroup.h"
#include "ItemWorkProduct.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "ProcessOption.h"
#include "StdOption.h"
#include "TextOutStream.h"
#include "TooltipScript.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace {

using settings::decimal;

std::vector<ItemLink*> linksOf(ItemExtensionListe* list) {
    std::vector<ItemLink*> links;
    ItemExtensionIterateur* it = list->createIterator();
    for (; !it->isAtEnd(); it->next())
        links.push_back(it->current());
    delete it;
    return links;
}

} // namespace

RolePage::RolePage(ProcessManager& manager, const PageRunTables& tables, const std::vector<CString>& phases,
                   ProcessItem& item, int language)
    : m_manager(manager), m_tables(tables), m_phases(phases), m_item(item), m_language(language),
      m_group(item.getClassKind() == kRoleGroupClass), m_rootPrefix(upPrefix(item.getLevel() + 2)),
      m_linkBase(manager.getProjectDirectory() + item.getFolder(1, 1)), m_links(m_linkBase) {
    m_linkBase.Replace('/', '\\');
}

std::vector<CString> RolePage::phasesOfProcess(ProcessManager& manager) {
    std::vector<CString> phases{CString()};
    std::unordered_map<CString, bool> known{{CString(), true}};
    ItemIterateur* it = manager.getItemList()->ItemListe::createIterator();
    for (; !it->isAtEnd(); it->next()) {
        auto* item = dynamic_cast<ProcessItem*>(it->current());
        if (!item || item->getClassKind() != kPhaseClass || item->getPhaseList()->count() == 0)
            continue;
        const CString& name = *item->getPhaseList()->at(1);
        if (known.emplace(lowerCased(name), true).second)
            phases.push_back(name);
    }
    delete it;
    return phases;
}

bool RolePage::write() {
    TextOutStream out;
    if (const PageOpening opening = openItemPage(m_manager, m_item, m_language, out);
        opening != PageOpening::Opened)
        return opening == PageOpening::NoPage;
    writeHead(out);
    if (m_group) {
        writeRoleMap(out);
        writeMembers(out);
    } else {
        writeResponsibility(out);
        writeDetailedDescription(out);
        writeRegroupedRoles(out);
    }
    writeAuthoredWorkProducts(out);
    if (const ItemRole* role = m_item.getItemRole())
        writeActivities(out, role->getActivityLinks());
    else if (const ItemRoleGroup* group = m_item.getItemRoleGroup();
             group && ProcessOption::instance().getGenerateActivitiesOnRoleGroup())
        writeActivities(out, group->getActivityLinks());
    m_manager.writeParentLinks(&m_item, out, 0, m_language, 0, "");
    // The page ends with its closing tags: no bytes follow them (a group's
    // page once got two NUL bytes there, which made text tools and version
    // control take it for a binary file).
    out << "</body>\n</html>\n";
    return out.close();
}

CString RolePage::image(const char* path) {
    return m_links.get(m_rootPrefix + path);
}

CString RolePage::label(const CString& key) {
    return m_manager.getLabel(m_language, key);
}

CString RolePage::caption(ProcessItem& item) {
    return itemCaption(m_manager, item, &m_tooltipCounter, m_language);
}

CString RolePage::linkToPage(ProcessItem& item) {
    return m_links.get(relativeLink(m_linkBase, m_manager.getItemFilePath(&item, m_language)));
}

void RolePage::writeHead(TextOutStream& out) {
    const CString name = m_item.getNameByLanguage(m_language);
    out << kTransitionalDocType << "\n"
        << "<html>\n"
        << "<head>\n"
        << m_manager.writeMetaTags(&m_item) << "<title>" << name << "</title>\n"
        << "<link rel=\"stylesheet\" href=\"" << image("css/project.css") << "\" type=\"text/css\">\n"
        << "<script language=\"JavaScript1.2\" src=\"" << image("JScript/Tooltip.js")
        << "\" type=\"text/javascript\"></script>\n"
        << "</head>\n\n"
        << "<body>\n";
    writeTooltipScript(out, 500);
    // A role with a picture of its own shows it in the banner.
    const ItemRole* role = m_item.getItemRole();
    if (role && !role->getImageRG().IsEmpty())
        out << m_manager.getPageBanner(name, m_rootPrefix, "", 1, m_links.get(role->getImageRG()));
    else
        out << m_manager.getPageBanner(name, m_rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links);
}

void RolePage::writeRoleMap(TextOutStream& out) {
    ClickableAreaMap map(m_manager, m_item, m_language, m_links, &m_tooltipCounter,
                         ClickableAreaMap::Numbering::AfterUse);
    const CString picture = ClickableAreaMap::pictureName("roles", m_language);
    if (map.hasPicture(picture))
        map.write(out, picture, "<!-- tooltips on item of the role map  -->\n");
}

void RolePage::writeMembers(TextOutStream& out) {
    int members = 0;
    for (Item* child : m_tables.getChildren(&m_item)) {
        Item* member = child->getKind() == kShortcut ? m_tables.getShortcutTarget(child) : child;
        const int kind = classKindOf(member);
        if (!member || (kind != kRoleClass && kind != kRoleGroupClass))
            continue;
        auto& role = *static_cast<ProcessItem*>(member);
        out << gridCellOpening(++members);
        CString icon;
        const ItemRole* extension = role.getItemRole();
        if (kind == kRoleGroupClass)
            icon = image("images/rolegroup.gif");
        else if (extension && !extension->getImageRG().IsEmpty())
            icon = m_links.get(role.getRelativeLink(&m_item, "") + "/" + extension->getImageRG());
        else
            icon = image("images/role.gif");
        const CString link = linkToPage(role);
        out << "<br><p align=\"center\"><a href=\"" << link
            << "\" target=\"main\"><img alt=\"\" border=\"0\" src=\"" << icon << "\"></a><br>\n"
            << "<a href=\"" << link << "\" target=\"main\">" << caption(role) << "</a></p></td>\n";
    }
    // The last row is filled up to three cells; a group without members
    // gets the rule alone.
    out << gridEnd(members) << "<HR>\n";
}

void RolePage::writeResponsibility(TextOutStream& out) {
    ProcessItemExtension* extension = m_item.getExtension();
    if (!extension)
        return;
    std::vector<CString> lines;
    if (!readPageTextLines(m_item.getItemFolderFile(extension->getDescriptionFileName(m_language)), lines))
        return;
    out << "<p><b>" << label("Responsibility") << "</b></p>\n";
    for (const CString& line : lines)
        out << m_manager.descriptionToHtml(line, &m_tooltipCounter, &m_item, m_language, 0) << "<br>\n";
}

void RolePage::writeDetailedDescription(TextOutStream& out) {
    const ItemRole* role = m_item.getItemRole();
    const CString url = role ? role->getDetailedDescriptionUrl(m_language) : CString();
    if (url.IsEmpty())
        return;
    out << "<p><b>" << label("DetailedDescription") << "</b></p>\n"
        << "<a href=\"" << m_links.get(url) << "\" target=\"main\"><img alt=\"\" border=\"0\" src=\""
        << image("images/book2.gif") << "\"></a><br>\n";
}

void RolePage::writeRegroupedRoles(TextOutStream& out) {
    const ItemRole* role = m_item.getItemRole();
    if (!role || !role->m_actingRoleGroup || role->getGroupMembers()->count() == 0)
        return;
    out << "<br><b>" << label("RegroupRole") << "</b>\n"
        << "<ul>\n";
    ProcessItemListe* members = role->getGroupMembers();
    ProcessItemIterateur* it = members->createIterator();
    for (; !it->isAtEnd(); it->next()) {
        ProcessItem* member = it->current();
        out << "<li><a href=\""
            << m_links.get(member->getRelativeLink(&m_item, "") + "/" + Item::getOverviewPageName(m_language))
            << "\" target=\"main\">" << member->getNameByLanguage(m_language) << "</a></li>\n";
    }
    delete it;
    out << "</ul>\n";
}

void RolePage::writeAuthoredWorkProducts(TextOutStream& out) {
    const std::vector<ProcessItem*>& products = m_tables.getAuthoredWorkProducts(&m_item);
    if (products.empty())
        return;
    out << "<p><b>" << label("AuthorOfFollowingArtifacts") << "</b></p>\n"
        << "<table border=\"0\" width=\"100%\">\n";
    for (ProcessItem* product : products) {
        const ItemWorkProduct* extension = product->getItemWorkProduct();
        out << "<tr><td width=\"15%\"><img alt=\"\" border=\"0\" src=\""
            << m_links.get(m_rootPrefix + extension->getImagePath()) << "\"></td>\n"
            << "<td width=\"85%\"><a href=\"" << linkToPage(*product) << "\" target=\"main\"><br>"
            << caption(*product) << "<br></a>";
        // The other authors of the work product.
        CString coAuthors;
        for (int i = 1; i <= extension->m_authors->count(); ++i) {
            const CString& entry = *extension->m_authors->at(i);
            Item* author = findReferencedItem(entry);
            if (!author || author == &m_item || getReferenceName(entry) != "author")
                continue;
            coAuthors += (coAuthors.IsEmpty() ? " (" + label("Co-Author") + ": " : CString(", ")) +
                         author->getNameByLanguage(m_language);
        }
        if (!coAuthors.IsEmpty())
            out << coAuthors << ")";
        out << "</td></tr>\n";
    }
    out << "</table><br>\n";
}

void RolePage::writeLegend(TextOutStream& out) {
    CStringListePlus* responsibilities = m_manager.getRoleResponsibilities();
    out << "<table border=\"1\" width=\"100%\" cellspacing=\"0\" cellpadding=\"0\">\n\n";
    for (int r = 2; r <= responsibilities->count(); ++r) {
        const CString& name = *responsibilities->at(r);
        out << "<tr>\n\n"
            << "<td width=\"7%\" align=\"center\"><font size=\"0\">" << label(name + "_ABR")
            << "</font></td>\n"
            << "<td width=\"13%\" align=\"center\"><font size=\"0\">" << label(name) << "</font></td>\n"
            << "<td width=\"80%\"><font size=\"0\">" << label(name + "_DESC") << "</font></td>\n"
            << "</tr>\n";
    }
    out << "</table><br><br>\n";
}

void RolePage::writeActivities(TextOutStream& out, ItemExtensionListe* links) {
    out << "<p><b>" << label("Activities") << "</b></p>\n";
    if (!m_group)
        writeLegend(out);
    CStringListePlus* kinds = m_manager.getProjectKinds();
    const std::vector<ItemLink*> all = linksOf(links);
    bool first = true;
    for (int k = 1; k <= kinds->count(); ++k) {
        const CString& kind = *kinds->at(k);
        // A kind is shown when some activity is of that kind itself; the
        // generic kind only when it is the project's only one.
        const bool shown = std::any_of(all.begin(), all.end(), [&](ItemLink* link) {
            return link->getItem()->getProjectKinds()->find(kind, "") != 0;
        });
        if (!shown || (kind == getDefaultProjectKind() && kinds->count() != 1))
            continue;
        if (!first)
            out << "<HR>\n";
        first = false;
        if (kinds->count() > 1)
            out << "<p align=\"center\"><b><em><font size=\"4\">" << kind << ":</em></b><br></font></p>\n";
        writeKindTables(out, all, kind);
    }
}

void RolePage::writeKindTables(TextOutStream& out, const std::vector<ItemLink*>& all, const CString& kind) {
    // The links of activities of the kind (or generic ones), by phase: each
    // link under every phase of its activity, in the order of the phases,
    // those of no phase under the empty name; in list order within a phase.
    std::unordered_map<CString, size_t> phaseIndex;
    for (size_t p = 0; p < m_phases.size(); ++p)
        phaseIndex.emplace(lowerCased(m_phases[p]), p);
    std::vector<std::pair<size_t, size_t>> placed; // (phase, link)
    for (size_t l = 0; l < all.size(); ++l) {
        ProcessItem* activity = all[l]->getItem();
        CStringListePlus* activityKinds = activity->getProjectKinds();
        if (!activity->getItemActivity() ||
            (!activityKinds->find(kind, "") && !activityKinds->find(getDefaultProjectKind(), "")))
            continue;
        CStringListePlus* phases = activity->getPhaseList();
        if (phases->count() == 0) {
            placed.emplace_back(0, l);
            continue;
        }
        for (int p = 1; p <= phases->count(); ++p) {
            const auto found = phaseIndex.find(lowerCased(*phases->at(p)));
            if (found != phaseIndex.end() && found->second != 0)
                placed.emplace_back(found->second, l);
        }
    }
    std::sort(placed.begin(), placed.end());
    placed.erase(std::unique(placed.begin(), placed.end()), placed.end());

    CStringListePlus* responsibilities = m_manager.getRoleResponsibilities();
    const int columns = responsibilities->count();
    const CString width = decimal(columns > 0 ? 30 / columns : 0);
    bool tableOpen = false;
    for (size_t at = 0; at < placed.size();) {
        const size_t phase = placed[at].first;
        size_t end = at;
        while (end < placed.size() && placed[end].first == phase)
            ++end;
        if (m_phases[phase] == "Shared") {
            at = end;
            continue;
        }
        if (tableOpen)
            out << "</table>";
        tableOpen = true;
        out << "<br>";
        const CString phaseName = m_manager.getPhaseName(m_phases[phase], m_language);
        if (!phaseName.IsEmpty())
            out << "<img alt=\"\" border=\"0\" src=\"" << image("images/PhaseBullet.gif") << "\">"
                << "&nbsp;"
                << "<B><font color=crimson> Phase " << phaseName << "</font></B><br>\n";
        else
            out << "<br>\n";
        out << "<table border=\"1\" width=\"100%\">\n"
            << "<tr>\n"
            << "<td width=\"30%\" class =\"roleTable\">\n"
            << label("Activities") << "</td>\n";
        for (int r = 2; r <= columns; ++r) {
            const CString& name = *responsibilities->at(r);
            out << "<td width=\"" << width << "%\" align=\"center\" class =\"roleTable\">"
                << m_manager.writeTermTooltip(label(name + "_ABR"), &m_tooltipCounter, label(name + "_DESC"),
                                              m_language, label(name))
                << "</td>\n";
        }
        out << "<td width=\"25%\" align=\"center\" class =\"roleTable\">" << label("ProducedWP") << "</td>\n"
            << "</tr>\n";

        // One row per activity, marked under each responsibility it links
        // the role with.
        ProcessItem* current = nullptr;
        CString head;
        CString productCell;
        std::vector<bool> marks(columns + 1, false);
        auto writeRow = [&] {
            if (!current)
                return;
            out << head;
            for (int r = 2; r <= columns; ++r) {
                out << "<td width=\"" << width << "%\" align=\"center\">";
                // The picture's path keeps the slash it always had after
                // the way up to the project's folder.
                if (marks[r])
                    out << "<img alt=\"\" src=\"" << image("/images/checked.gif")
                        << "\" border=\"0\" align=\"middle\">\n";
                else
                    out << "&nbsp;";
                out << "</td>";
            }
            out << productCell;
        };
        for (; at < end; ++at) {
            ItemLink* link = all[placed[at].second];
            ProcessItem* activity = link->getItem();
            if (activity != current) {
                writeRow();
                current = activity;
                std::fill(marks.begin(), marks.end(), false);
                const ItemActivity* extension = activity->getItemActivity();
                head = "<tr><td width=\"40%\"> <a href=\"" +
                       m_links.get(activity->getRelativeLink(&m_item, "") + "/" +
                                   Item::getOverviewPageName(m_language)) +
                       "\" target=\"main\">" + caption(*activity) + "</a>" +
                       (extension->getActivityType() == ItemActivity::getMilestoneReviewType()
                            ? " <i>(" + label("Milestone") + ")</i>"
                            : CString()) +
                       "</td>\n";
                CStringListePlus* outputs = extension->getOutWorkProducts();
                if (outputs->count() > 0) {
                    CString names;
                    for (int i = 1; i <= outputs->count(); ++i)
                        names +=
                            (i > 1 ? ", " : "") + getWorkProductReferenceName(*outputs->at(i), m_language);
                    productCell = "<td width=\"30%\"> " + names + " </td>\n";
                } else {
                    productCell = "<td width=\"30%\">"
                                  "&nbsp;"
                                  "</td>\n";
                }
                productCell += "</tr>\n";
            }
            for (int r = 1; r <= columns; ++r)
                if (link->getText().CompareNoCase(*responsibilities->at(r)) == 0)
                    marks[r] = true;
        }
        writeRow();
    }
    if (tableOpen)
        out << "</table>";
}
