#include "WorkProductOverviewPage.h"

#include "CStringListePlus.h"
#include "ClickableAreaMap.h"
#include "HtmlText.h"
#include "ItemClasses.h"
#include "ItemQualityCriteria.h"
#include "ItemReference.h"
#include "ItemWorkProduct.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessItemListe.h"
#include "ProcessManager.h"
#include "ProcessOption.h"
#include "StdOption.h"
#include "TextOutStream.h"
#include "TooltipScript.h"
#include "WorkProductCsv.h"
#include "WorkProductDocuments.h"

#include <memory>

namespace {

const WorkProductOverviewPage::Column kColumns[] = {
    {"View_WPO_CMPolicy", "CMPolicy", 2},
    {"View_WPO_Naming_Rules", "WPName", 4},
    {"View_WPO_Location", "WPLocation", 3},
    {"View_WPO_Timing", "WPTiming", 3},
    {"View_WPO_Traceability", "ImplementWPRequirements", 3},
    {"View_WPO_Author", "Author", 4},
    {"View_WPO_RewievedBy", "ReviewedBy", 4},
    {"View_WPO_ValidatedBy", "ValidatedBy", 4},
    {"View_WPO_Recipient", "Recipient", 4},
    {"View_WPO_Sent", "SentForInformation", 4},
    {"View_WPO_Tailoring_Guideline", "TailoringGuideline", 5},
};

// The responsibility that fills each column of roles.
const struct {
    const char* labelKey;
    const char* responsibility;
} kRoleColumns[] = {
    {"Author", "author"},
    {"ReviewedBy", "reviewed by"},
    {"ValidatedBy", "validated by"},
    {"Recipient", "recipient"},
    {"SentForInformation", "sent for information"},
};

using settings::decimal;

} // namespace

WorkProductOverviewPage::WorkProductOverviewPage(ProcessManager& manager, const PageRunTables& tables,
                                                 ProcessItem& item, int language)
    : m_manager(manager), m_tables(tables), m_item(item), m_language(language),
      m_rootPrefix(upPrefix(item.getLevel() + 2)),
      m_links(manager.getProjectDirectory() + item.getFolder(1, 1)) {
    const ProcessOption& options = ProcessOption::instance();
    for (const Column& column : kColumns)
        if (options.getBool(column.option)) {
            m_columns.push_back(&column);
            m_units += column.units;
        }
    for (Item* other : tables.getItems())
        if (classKindOf(other) == kDomainClass)
            ++m_domains;
}

CString WorkProductOverviewPage::label(const CString& key) {
    return m_manager.getLabel(m_language, key);
}

CString WorkProductOverviewPage::image(const CString& path) {
    return m_links.get(m_rootPrefix + path);
}

CString WorkProductOverviewPage::percent(int units) const {
    return decimal(units * 100 / m_units);
}

CString WorkProductOverviewPage::linkToOverview(ProcessItem& item) {
    return m_links.get(item.getRelativeLink(&m_item, "") + "/" + Item::getOverviewPageName(m_language));
}

std::vector<ProcessItem*> WorkProductOverviewPage::listedProducts(const CString& discipline) const {
    const CString& domain = m_item.getDomain();
    const bool withElements = ProcessOption::instance().getBool("ViewChildrenWPInWPOverview");
    std::vector<ProcessItem*> products;
    for (ProcessItem* product : m_tables.getWorkProductsOfDiscipline(discipline)) {
        if (product->getKind() != kDual || !product->getItemWorkProduct() || !product->isVisible() ||
            (!domain.IsEmpty() && product->getDomain() != domain) ||
            (!withElements && parentWorkProduct(*product)))
            continue;
        products.push_back(product);
    }
    return products;
}

bool WorkProductOverviewPage::write() {
    TextOutStream out;
    if (const PageOpening opening = openItemPage(m_manager, m_item, m_language, out);
        opening != PageOpening::Opened)
        return opening == PageOpening::NoPage;
    const CString csvPath =
        m_manager.getPathInSite(m_item.getFolder(1, 0) + (m_language == 0 ? "WP.csv" : "WPL2.csv"));
    TextOutStream csv(csvPath);

    const CString title = label("ArtifactOverview");
    const CString bannerTitle = filteredTitle(
        m_manager, title, shownClassName(m_manager, m_item.getDomain(), kDomainClass, m_language),
        shownClassName(m_manager, m_item.getDiscipline(), kDisciplineClass, m_language), m_language);
    out << styledPageHeadStart(m_manager, &m_item, title, m_links, m_rootPrefix)
        << "<script language=\"JavaScript1.2\" src=\"" << image("JScript/Tooltip.js")
        << "\" type=\"text/javascript\"></script>\n"
        << "</head>\n\n"
        << "<body>\n";
    writeTooltipScript(out, 500);
    out << m_manager.getPageBanner(bannerTitle, m_rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links);

    ClickableAreaMap map(m_manager, m_item, m_language, m_links, &m_tooltipCounter,
                         ClickableAreaMap::Numbering::AfterUse, ClickableAreaMap::AltPlace::Last);
    const CString picture = ClickableAreaMap::pictureName("wpMap", m_language);
    if (map.hasPicture(picture))
        map.write(out, picture, "<!-- tooltips on item of the workflow  -->\n");
    out << authorPageText(m_item, m_language);
    m_manager.writeAnchorIndexTable(m_item.getDomain(), out, m_language);

    // One section per discipline, the work products of none last.
    std::vector<CString> sections;
    for (ProcessItem* discipline : m_tables.getDisciplinesOfDomain(""))
        sections.push_back(discipline->getName());
    sections.push_back("");
    bool first = true;
    for (const CString& discipline : sections) {
        const std::vector<ProcessItem*> products = listedProducts(discipline);
        if (products.empty())
            continue;
        openSection(out, csv, discipline, first);
        first = false;
        for (ProcessItem* product : products) {
            writeDomainRow(out, *product);
            writeRow(out, *product);
            csv << WorkProductCsv::line(m_manager, *product, m_language, &m_tooltipCounter);
        }
    }
    out << "</table>";
    m_manager.writePageFooter(&m_item, out, 0, m_language, 0, "");
    out << "</body></html>\n";
    // A spreadsheet file that cannot be written is told, as the discipline
    // pages are.
    if (!csvPath.IsEmpty() && !csv.close())
        m_manager.tellUnwrittenFile(csvPath);
    return out.close();
}

void WorkProductOverviewPage::openSection(TextOutStream& out, TextOutStream& csv, const CString& discipline,
                                          bool first) {
    if (!first)
        out << "</table><br>\n";
    const CString shown = m_language == 0 ? discipline : [&] {
        ProcessItem* named = m_manager.findItemByNameAndClass(discipline, kDisciplineClass);
        return named ? named->getNameL2() : CString();
    }();
    if (!discipline.IsEmpty())
        out << "<H3 class=\"disciplineTitle\"><a name=\"" << discipline << "\">" << label("Discipline") << " "
            << shown << "</a> <a href=\"#Top\"><IMG alt=\"To top of page\" src=\"" << image("images/top.gif")
            << "\" border=0></a></H3>\n";
    else
        out << "<br>\n";

    // Named as an item's folder is: whatever the discipline's name holds,
    // the page lies beside the overview. Names that give one file name
    // (letter case aside, as the disk finds files) are numbered from the
    // second on, so that each discipline keeps its own page.
    const CString base = toFileName(discipline, 1);
    CString unique = base;
    for (int number = 2; !m_pageNames.insert(lowerCased(unique)).second; ++number)
        unique.Format("%s_%d", base.GetString(), number);
    const CString pageName = unique + (m_language == 0 ? ".htm" : "L2.htm");
    CString title = label("ArtifactByActivitiesOverview");
    if (discipline != "ALL" && !discipline.IsEmpty())
        title += ": " + shown;
    out << "\t<img alt=\"\" border=\"0\" src=\"" << image("images/fleche.gif")
        << "\"> <font size=\"2\"><a href=\"" << m_links.get(pageName) << "\">" << title
        << "</a></font><br><br>\n"
        << "<table border=\"1\" cellspacing=\"0\" width=\"100%\">\n"
        << "<tr>\n"
        << "<td align=\"center\" width=\"" << percent(7) << "%\" colspan=\"2\" class=\"wpTable\">"
        << label("Name") << "</td>\n";
    for (const Column* column : m_columns)
        out << "<td align=\"center\" width=\"" << percent(column->units) << "%\" class=\"wpTable\">"
            << label(column->labelKey) << "</td>\n";
    out << "</tr>\n";
    if (first)
        csv << WorkProductCsv::headerLine(m_manager, m_language);

    CStringListePlus disciplines;
    disciplines.append(new CString(discipline));
    m_manager.generateActivityWorkProductTable(m_manager.getPathInSite(m_item.getFolder(1, 0) + pageName),
                                               m_item.getLevel(), title, disciplines, 1, m_language);
    disciplines.deleteAll();
    m_domainHeading = "";
}

void WorkProductOverviewPage::writeDomainRow(TextOutStream& out, ProcessItem& product) {
    // Rows of domains only on an overview of every domain.
    if (!m_item.getDomain().IsEmpty() || product.getDomain() == m_domainHeading)
        return;
    m_domainHeading = product.getDomain();
    CString shown = m_domainHeading;
    if (m_language != 0) {
        ProcessItem* named = m_manager.findItemByNameAndClass(m_domainHeading, kDomainClass);
        shown = named ? named->getNameL2() : CString();
    }
    if (shown.IsEmpty() && m_domains > 1)
        shown = label("CommonToAllDomains");
    if (shown.IsEmpty())
        return;
    out << "<tr><td align=\"center\" width=\"100%\" colspan=\""
        << decimal(2 + static_cast<int>(m_columns.size())) << "\" bgcolor=\"#F0FFF9\"><b>" << shown
        << "</b></td>\n"
        << "</tr>\n";
}

void WorkProductOverviewPage::writeRow(TextOutStream& out, ProcessItem& product) {
    const ItemWorkProduct& extension = *product.getItemWorkProduct();
    out << "<tr><td align=\"center\" width=\"" << percent(2) << "%\""
        << "><img alt=\"\" border=\"0\" src=\"" << image(extension.getImagePath()) << "\">";
    std::unique_ptr<ProcessItemListe> criteria(m_manager.getQualityCriteria(&product));
    if (criteria->count() != 0)
        out << "<a href=\""
            << m_links.get(product.getRelativeLink(&m_item, "") + "/" +
                           ItemQualityCriteria::getCriteriaPageName(m_language))
            << "\" target=\"main\"> <img alt=\"\" border=\"0\" src=\"" << image("images/reviewed.gif")
            << "\"></a>\n";
    out << "</td>\n";
    const CString name = extension.getDisplayName(m_language);
    const CString& popup = product.getHtmlDescription(m_language);
    out << "<td width=\"" << percent(5) << "%\"><a href=\"" << linkToOverview(product)
        << "\" target=\"main\"><font size=\"2\">"
        << (popup.IsEmpty() ? name
                            : m_manager.writeTermTooltip(name, &m_tooltipCounter, popup, m_language, ""))
        << "</font></a></td>\n";
    for (const Column* column : m_columns) {
        const CString text = columnText(*column, product);
        out << "<td width=\"" << percent(column->units) << "%\"><font size=\"1\">"
            << (text.IsEmpty() ? CString("&nbsp;") : text) << "</font></td>";
        if (CString(column->option) == "View_WPO_Traceability")
            out << "\n";
    }
    out << "</tr>\n";
}

CString WorkProductOverviewPage::columnText(const Column& column, ProcessItem& product) {
    ItemWorkProduct& extension = *product.getItemWorkProduct();
    const CString option = column.option;
    if (option == "View_WPO_CMPolicy")
        return extension.getCMPolicy();
    if (option == "View_WPO_Naming_Rules")
        return extension.getWPName();
    if (option == "View_WPO_Location")
        return extension.getLocation();
    if (option == "View_WPO_Timing")
        return extension.getTiming();
    if (option == "View_WPO_Tailoring_Guideline")
        return extension.readTailoringGuideline(m_language, 1, 0);
    if (option == "View_WPO_Traceability") {
        CString text;
        const CStringListePlus& links = *extension.getTraceabilityLinks();
        for (int i = 1; i <= links.count(); ++i) {
            auto* required = dynamic_cast<ProcessItem*>(m_manager.findItemByUid(*links.at(i)));
            if (!required)
                continue;
            text += (text.IsEmpty() ? "" : "<br>") + CString("<a href=\"") + linkToOverview(*required) +
                    "\" target=\"main\"><font size=\"1\">" + required->getName() + "</font></a>";
        }
        return text;
    }
    for (const auto& roleColumn : kRoleColumns)
        if (CString(column.labelKey) == roleColumn.labelKey)
            return rolesText(product, roleColumn.responsibility);
    return CString();
}

CString WorkProductOverviewPage::rolesText(ProcessItem& product, const CString& responsibility) {
    const ItemWorkProduct& extension = *product.getItemWorkProduct();
    CString text;
    for (int i = 1; i <= extension.m_authors->count(); ++i) {
        const CString& entry = *extension.m_authors->at(i);
        const CString tail = getReferenceName(entry);
        if (tail != responsibility && !(responsibility == "author" && tail.IsEmpty()))
            continue;
        auto* role = dynamic_cast<ProcessItem*>(findReferencedItem(entry));
        if (!role)
            continue;
        text += (text.IsEmpty() ? "" : "<br>") + CString("* <a href=\"") + linkToOverview(*role) +
                "\" target=\"main\">" + itemCaption(m_manager, *role, &m_tooltipCounter, m_language) + "</a>";
    }
    return text;
}
