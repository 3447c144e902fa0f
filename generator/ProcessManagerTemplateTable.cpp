// The template table: one row per work product with links to its templates
// and examples in each format, its example library and its comment. The
// template pages, the activity pages and the work product pages all show it.

#include "ProcessManager.h"

#include "DiskLinks.h"
#include "ItemClasses.h"
#include "ItemListe.h"
#include "ItemWorkProduct.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessOption.h"
#include "TextOutStream.h"

#include <unordered_map>
#include <vector>

namespace {

// Names kept as the author wrote them: addresses, file urls and drive paths.
bool isAbsoluteDocument(const CString& name) {
    CString lower = name;
    lower.MakeLower();
    return lower.Left(4) == "http" || lower.Left(4) == "file" || name.Mid(1, 2) == ":\\";
}

} // namespace

void ProcessManager::writeTemplateTableHeader(TextOutStream& out, int language) {
    const bool twoLanguages = ProcessOption::instance().getTemplatesIn2Languages();
    out << "<table border=\"1\" cellspacing=\"0\">\n"
        << "<thead>\n"
        << "<tr>\n"
        << "<td width=\"126\" align=\"center\" rowspan=\"2\" class=\"templateTable\">"
        << getLabel(language, "ArtifactName") << "</td>\n";
    if (twoLanguages)
        out << "<td width=\"227\" align=\"center\" colspan=\"2\" class=\"templateTable\">"
            << getLabel(language, "VersionL1") << "</td>\n";
    // With one language this group stands above the first-language cells:
    // it takes the label "Documents", which says no language, where the
    // project's labels file has it; older files only have "VersionL2",
    // which they word without a language.
    CString documents = getLabel(language, twoLanguages ? "VersionL2" : "Documents");
    if (documents.IsEmpty())
        documents = getLabel(language, "VersionL2");
    out << "<td align=\"center\" colspan=\"2\" width=\"225\" class=\"templateTable\">\n"
        << documents << "</td>\n"
        << "<td width=\"80\" align=\"center\" rowspan=\"2\"  class=\"templateTable\">"
        << getLabel(language, "ProcessAssetLibraryShort") << "</td>\n"
        << "<td width=\"150\" align=\"center\" rowspan=\"2\" class=\"templateTable\">"
        << getLabel(language, "Comment") << "</td>\n"
        << "</tr>\n"
        << "<tr>\n";
    if (twoLanguages)
        out << "<td width=\"165\" align=\"center\" class=\"templateTable\">" << getLabel(language, "Template")
            << "</td>\n"
            << "<td width=\"56\" align=\"center\" class=\"templateTable\">" << getLabel(language, "Example")
            << "</td>\n";
    out << "<td width=\"163\" align=\"center\" class=\"templateTable\">" << getLabel(language, "Template")
        << "</td>\n"
        << "<td width=\"56\" align=\"center\" class=\"templateTable\">" << getLabel(language, "Example")
        << "</td>\n"
        << "</tr>\n"
        << "</thead>\n";
}

void ProcessManager::writeTemplateTableRows(ItemListe& list, const CString& tablePrefix, TextOutStream& out,
                                            Item* pageItem, int* tooltipCounter, int language, int bySections,
                                            int noFilter, DiskLinks* pageLinks) {
    std::unique_ptr<DiskLinks> ownLinks;
    if (!pageLinks) {
        ownLinks = std::make_unique<DiskLinks>(m_projectFolder + pageItem->getFolder(1, 1));
        pageLinks = ownLinks.get();
    }
    const ProcessOption& options = ProcessOption::instance();
    const bool twoLanguages = options.getTemplatesIn2Languages();
    const bool withWPName = options.getGenerateWPNameOutsideWP();
    const bool includeNoDomain = options.getIncludeNoDomain();
    const CString headPrefix = upPrefix(pageItem->getLevel() + 2);
    auto* pageProcessItem = dynamic_cast<ProcessItem*>(pageItem);
    const CString pageDomain = pageProcessItem ? pageProcessItem->getDomain() : CString();

    // The work products of the list in its order, and grouped by discipline
    // for the passes by section: each pass then walks only its own rows.
    std::vector<ProcessItem*> products;
    std::unordered_map<CString, std::vector<ProcessItem*>> byDiscipline;
    for (int i = 1; i <= list.count(); ++i) {
        auto* product = dynamic_cast<ProcessItem*>(list.at(i));
        if (!product || !product->getItemWorkProduct())
            continue;
        products.push_back(product);
        byDiscipline[product->getDiscipline()].push_back(product);
    }
    std::vector<CString> passes;
    if (bySections)
        for (ProcessItem* discipline : disciplineList(""))
            passes.push_back(discipline->getDiscipline());
    passes.push_back("");

    auto cell = [&](ProcessItem* product, const char* opening, const CString& first, const CString& second) {
        const ItemWorkProduct* extension = product->getItemWorkProduct();
        out << opening;
        if (first.IsEmpty() && second.IsEmpty()) {
            out << "&nbsp;"
                << "</td>\n";
            return;
        }
        const CString formats[2] = {extension->getTemplateNameF1Extension(),
                                    extension->getTemplateNameF2Extension()};
        const CString names[2] = {first, second};
        for (int format = 0; format < 2; ++format) {
            if (names[format].IsEmpty())
                continue;
            if (!formats[format].IsEmpty())
                out << "<font size=\"1\">" << formats[format] << ": </font><br>";
            const CString href =
                isAbsoluteDocument(names[format])
                    ? names[format]
                    : pageLinks->get(product->getRelativeLink(pageItem, "") + "/" + names[format]);
            out << "<a href=\"" << href << "\" target=_blank><img alt=\"\" border=\"0\" src=\""
                << pageLinks->get(tablePrefix + "../" + extension->getImagePath()) << "\"></a>"
                << (format == 0 && !names[1].IsEmpty() ? "<br>\n" : "</td>\n");
        }
    };

    const std::vector<ProcessItem*> none;
    for (const CString& discipline : passes) {
        const std::vector<ProcessItem*>* rows = &products;
        if (bySections && !noFilter) {
            const auto found = byDiscipline.find(discipline);
            rows = found == byDiscipline.end() ? &none : &found->second;
        }
        bool open = false;
        CString rowDomain;
        for (ProcessItem* product : *rows) {
            if (!noFilter && !(pageDomain.IsEmpty() || product->getDomain() == pageDomain ||
                               (product->getDomain().IsEmpty() && includeNoDomain)))
                continue;
            if (!open) {
                if (bySections && !discipline.IsEmpty() && discipline != "ALL") {
                    out << "<H3 class=\"disciplineTitle\"><a name=\"" << discipline << "\">"
                        << getLabel(language, "Discipline") << " "
                        << getNameInLanguage(discipline, kDisciplineClass, language, "")
                        << "</a> <a href=\"#Top\"><IMG alt=\"To top of page\" src=\""
                        << pageLinks->get(headPrefix + "images/top.gif") << "\" border=0></a></H3>\n";
                }
                writeTemplateTableHeader(out, language);
                out << "<tbody>\n";
                open = true;
            }
            if (pageDomain.IsEmpty() && product->getDomain() != rowDomain) {
                rowDomain = product->getDomain();
                // The next row's "<tr>" ends this one.
                out << "<tr><td align=\"center\" width=\"100%\" colspan=\"" << (twoLanguages ? 7 : 5)
                    << "\" bgcolor=\"#F0FFF9\"><b>"
                    << getNameInLanguage(rowDomain, kDomainClass, language, "") << "</b></td>\n";
            }

            const ItemWorkProduct* extension = product->getItemWorkProduct();
            const CString name = product->getNameByLanguage(language);
            const CString& popup = product->getHtmlDescription(language);
            out << "<tr>\n"
                << "<td width=\"126\"><a href=\""
                << pageLinks->get(product->getRelativeLink(pageItem, "") + "/" +
                                  Item::getOverviewPageName(language))
                << "\">"
                << "<font size=\"1\">"
                << (popup.IsEmpty() ? name : writeTermTooltip(name, tooltipCounter, popup, language, ""))
                << "</font></a>";
            if (!extension->getWPName().IsEmpty() && withWPName)
                out << "<font size=\"1\"> (" << extension->getWPName() << ")</font>";
            out << "</td>\n";
            cell(product, "<td width=\"165\" align=\"center\">", extension->getTemplateNameL1F1(),
                 extension->getTemplateNameL1F2());
            cell(product, "<td width=\"56\" align=\"center\">", extension->getExampleNameL1F1(),
                 extension->getExampleNameL1F2());
            if (twoLanguages) {
                cell(product, "<td width=\"163\" align=\"center\">", extension->getTemplateNameL2F1(),
                     extension->getTemplateNameL2F2());
                cell(product, "<td width=\"56\" align=\"center\">", extension->getExampleNameL2F1(),
                     extension->getExampleNameL2F2());
            }
            if (!extension->isArchiveEmpty())
                out << "<td width=\"80\"><center><a href=\""
                    << pageLinks->get(product->getRelativeLink(pageItem, "") + "/ar/" + kOverviewPageName)
                    << "\"> <img alt=\"\" border=\"0\" src=\""
                    << pageLinks->get(headPrefix + "images/book2.gif") << "\"></a></center></td>\n";
            else
                out << "<td width=\"80\">"
                    << "&nbsp;"
                    << "</td>\n";
            out << "<td width=\"150\" class=\"templateComment\">"
                << (extension->getComment().IsEmpty() ? CString("&nbsp;") : extension->getComment())
                << "</td></tr>\n";
        }
        if (open)
            out << "</tbody></table>\n";
    }
}
