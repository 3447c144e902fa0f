#include "ProcedureGroupPage.h"

#include "HtmlText.h"
#include "ItemClasses.h"
#include "ItemGenericProcedure.h"
#include "ItemGenericProcedureGroup.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "ProcessOption.h"
#include "TextOutStream.h"
#include "TooltipScript.h"

#include <utility>

namespace {

bool isProcedure(const Item* item) {
    return item->getKind() == kDual && classKindOf(item) == kGeneralProcedureClass &&
           static_cast<const ProcessItem*>(item)->getItemGenericProcedure();
}

} // namespace

ProcedureGroupPage::ProcedureGroupPage(ProcessManager& manager, const PageRunTables& tables,
                                       ProcessItem& item, std::vector<ProcessItem*> procedures, int language)
    : m_manager(manager), m_tables(tables), m_item(item), m_procedures(std::move(procedures)),
      m_language(language), m_rootPrefix(upPrefix(item.getLevel() + 2)),
      m_links(manager.getProjectDirectory() + item.getFolder(1, 1)) {
    const ItemGenericProcedureGroup& group = *item.getItemGenericProcedureGroup();
    const int units = group.m_printType + group.m_printState + group.m_printVersion + 5;
    m_nameWidth = 200 / units;
    m_typeWidth = group.m_printType * 100 / units;
    m_stateWidth = group.m_printState * 100 / units;
    m_versionWidth = group.m_printVersion * 100 / units;
    m_descriptionWidth = 100 - m_nameWidth - m_typeWidth - m_stateWidth - m_versionWidth;
}

std::vector<ProcessItem*> ProcedureGroupPage::listedProcedures(const PageRunTables& tables,
                                                               ProcessItem& group) {
    std::vector<ProcessItem*> procedures;
    const bool all = group.getItemGenericProcedureGroup()->m_allProcedures;
    for (Item* item : all ? tables.getItems() : tables.getItemsAfter(&group)) {
        if (isProcedure(item))
            procedures.push_back(static_cast<ProcessItem*>(item));
        else if (!all)
            break;
    }
    return procedures;
}

CString ProcedureGroupPage::label(const char* key) {
    return m_manager.getLabel(m_language, key);
}

// Language 1 shows the second-language name of the item of that name and
// class; fallback: the name itself.
CString ProcedureGroupPage::shownName(const CString& name, int classKind) {
    return shownClassName(m_manager, name, classKind, m_language);
}

bool ProcedureGroupPage::write() {
    TextOutStream out;
    if (const PageOpening opening = openItemPage(m_manager, m_item, m_language, out);
        opening != PageOpening::Opened)
        return opening == PageOpening::NoPage;
    const ItemGenericProcedureGroup& group = *m_item.getItemGenericProcedureGroup();
    const CString domain = m_item.getDomain();
    const CString discipline = m_item.getDiscipline();

    const CString name = m_item.getNameByLanguage(m_language);
    const CString title = filteredTitle(m_manager, name, shownName(domain, kDomainClass),
                                        shownName(discipline, kDisciplineClass), m_language);
    out << styledPageHeadStart(m_manager, &m_item, name, m_links, m_rootPrefix)
        << "<script language=\"JavaScript1.2\" src=\"" << m_links.get(m_rootPrefix + "JScript/Tooltip.js")
        << "\" type=\"text/javascript\"></script>\n"
        << "</head>\n\n"
        << "<body>\n";
    writeTooltipScript(out, 500);
    out << m_manager.getPageBanner(title, m_rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links);

    // The author's introduction, never created here.
    out << authorPageText(m_item, m_language);
    if (discipline.IsEmpty())
        m_manager.writeAnchorIndexTable(domain, out, m_language);

    out << "<br><div align=\"justify\">\n";
    if (!group.m_allProcedures)
        writeHeaderRow(out);

    const bool includeNoDomain = ProcessOption::instance().getIncludeNoDomain();
    std::vector<CString> passes;
    for (ProcessItem* item : m_tables.getDisciplinesOfDomain(""))
        passes.push_back(item->getName());
    passes.push_back("");
    bool tableOpen = false;
    for (const CString& pass : passes) {
        bool passStarted = false;
        CString lastDomain;
        for (ProcessItem* procedure : m_procedures) {
            const CString& itsDomain = procedure->getDomain();
            if (!(domain.IsEmpty() || itsDomain == domain || (itsDomain.IsEmpty() && includeNoDomain)))
                continue;
            if (!discipline.IsEmpty() && procedure->getDiscipline() != discipline)
                continue;
            if (procedure->getDiscipline() != pass)
                continue;
            if (group.m_allProcedures && !passStarted) {
                if (tableOpen)
                    out << "</table>\n";
                if (!pass.IsEmpty() && pass != "ALL")
                    out << "<H3 class=\"disciplineTitle\"><a name=\"" << pass << "\">" << label("Discipline") << " "
                        << (m_language == 0 ? pass : [&] {
                               ProcessItem* named = m_manager.findItemByNameAndClass(pass, kDisciplineClass);
                               return named ? named->getNameL2() : CString();
                           }())
                        << "</a> <a href=\"#Top\"><IMG alt=\"To top of page\" src=\""
                        << m_links.get(m_rootPrefix + "images/top.gif") << "\" border=0></a></H3>\n";
                writeHeaderRow(out);
                tableOpen = true;
            }
            passStarted = true;
            if (domain.IsEmpty() && itsDomain != lastDomain) {
                lastDomain = itsDomain;
                CString shown = m_language == 0 ? itsDomain : [&] {
                    ProcessItem* named = m_manager.findItemByNameAndClass(itsDomain, kDomainClass);
                    return named ? named->getNameL2() : CString();
                }();
                out << "<tr><td align=\"center\" width=\"100%\" colspan=\"4\" bgcolor=\"#F0FFF9\"><b>"
                    << (shown.IsEmpty() ? CString("&nbsp;") : shown) << "</b></td>\n";
            }
            writeRow(out, *procedure);
        }
    }
    out << "</table>\n"
        << "</div>\n";
    m_manager.writePageFooter(&m_item, out, 0, m_language, 0, "");
    out << "</body>\n</html>\n";
    return out.close();
}

void ProcedureGroupPage::writeHeaderRow(TextOutStream& out) {
    const ItemGenericProcedureGroup& group = *m_item.getItemGenericProcedureGroup();
    auto cell = [&](int width, const char* key) {
        out << "<td width=\"" << width << "%\" align=\"center\" class=\"procedureTable\">" << label(key)
            << "</td>\n";
    };
    out << "<table border=\"1\" width=\"100%\" cellspacing=\"0\">\n"
        << "<tr>\n";
    cell(m_nameWidth, "Name");
    if (group.m_printType)
        cell(m_typeWidth, "Type");
    if (group.m_printState)
        cell(m_stateWidth, "State");
    if (group.m_printVersion)
        cell(m_versionWidth, "Version");
    cell(m_descriptionWidth, "Description");
    out << "</tr>\n";
}

void ProcedureGroupPage::writeRow(TextOutStream& out, ProcessItem& procedure) {
    const ItemGenericProcedureGroup& group = *m_item.getItemGenericProcedureGroup();
    const ItemGenericProcedure& document = *procedure.getItemGenericProcedure();
    const CString name = procedure.getNameByLanguage(m_language);
    const CString link = document.getProcedure(m_language);
    out << "<tr>\n";
    if (link.IsEmpty()) {
        out << "<td width=\"" << m_nameWidth << "%\">" << name << "</td>\n";
    } else {
        // A document of the procedure's folder is reached from the group's.
        const CString href =
            isWebAddress(link) ? link : m_links.get(procedure.getRelativeLink(&m_item, "") + "/" + link);
        const char* target = lowerCased(link).Find(".htm") >= 0 ? "main" : "_blank";
        out << "<td width=\"" << m_nameWidth << "%\"> <a href=\"" << href << "\" target=\"" << target << "\">"
            << name << "</a></td>\n";
    }
    auto cell = [&](int width, const CString& value) {
        out << "<td width=\"" << width << "%\">" << (value.IsEmpty() ? CString("&nbsp;") : value)
            << "</td>\n";
    };
    if (group.m_printType)
        cell(m_typeWidth, document.getProcedureType());
    if (group.m_printState)
        cell(m_stateWidth, document.getProcedureState());
    if (group.m_printVersion)
        cell(m_versionWidth, document.getProcedureVersion());
    const CString description = procedure.getDescription(m_language);
    if (description.IsEmpty())
        cell(m_descriptionWidth, "");
    else
        out << "<td width=\"" << m_descriptionWidth << "%\"><font size=\"1\">"
            << m_manager.descriptionToHtml(description, &m_tooltipCounter, &m_item, m_language, 0)
            << "</font></td>\n";
}
