// The template pages: the page of every TEMPLATE ACCESS item, listing the
// templates and examples of its discipline's work products, and the page
// "templates.htm" of every workflow and of the items below it, listing the
// templates of what the activities below them produce.

#include "ProcessManager.h"

#include "CStringListePlus.h"
#include "DiskLinks.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "ItemListe.h"
#include "ItemListePlus.h"
#include "ItemWorkProduct.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "TextOutStream.h"
#include "TooltipScript.h"
#include "WorkProductDocuments.h"

#include <functional>
#include <unordered_set>
#include <vector>

namespace {

// A list of work products in the order they were added, each once.
class SelectedProducts {
public:
    void add(ProcessItem* product) {
        if (m_met.insert(product).second)
            m_list.append(product);
    }
    ItemListe& list() { return m_list; }
    ~SelectedProducts() { m_list.removeAll(); }

private:
    ItemListe m_list;
    std::unordered_set<const ProcessItem*> m_met;
};

// The template introduction or final text of the project.
CString templateTextPath(const ProcessManager& manager, const char* fileName) {
    return manager.getPathInProject(CString("tolvane") + "/Templates/Template/" + fileName);
}

// What differs between the two template pages.
struct TemplatePageForm {
    CString title;
    CString bannerTitle;
    // The template access page leaves out an empty first line of the
    // introduction and every empty line of the final text; the templates
    // page writes every line.
    bool dropEmptyLines;
    int bySections;
    CString uidPrefix;
    // What comes between the introduction and the table.
    std::function<void(TextOutStream&)> beforeTable;
};

// Writes a template page whole: head, banner, introduction, the table of
// the selected work products, final text and footer. A page that cannot be
// written is told, and the old one stays.
void writeTemplatePage(ProcessManager& manager, ProcessItem* item, const CString& path, int language,
                       ItemListe& selected, const TemplatePageForm& form) {
    if (path.IsEmpty())
        return;
    const CString prefix = upPrefix(item->getLevel() + 2);
    DiskLinks pageLinks(manager.getProjectDirectory() + item->getFolder(1, 1));
    TextOutStream out(path);
    if (!out.is_open()) {
        manager.tellUnwrittenFile(path);
        return;
    }
    out << kTransitionalDocType << "\n"
        << "<html>\n"
        << "<head>\n"
        << manager.writeMetaTags(item) << "<title>" << form.title << "</title>\n"
        << "<link rel=\"stylesheet\" href=\"" << pageLinks.get(prefix + "css/project.css")
        << "\" type=\"text/css\">\n"
        << "<link rel=\"stylesheet\" href=\"" << pageLinks.get(prefix + "css/template.css")
        << "\" type=\"text/css\">\n"
        << "<script language=\"JavaScript1.2\" src=\"" << pageLinks.get(prefix + "JScript/Tooltip.js")
        << "\" type=\"text/javascript\"></script>\n"
        << "</head>\n\n"
        << "<body>\n";
    writeTooltipScript(out, 500);
    out << manager.getPageBanner(form.bannerTitle, prefix, item->getPageHeaderImage(), 1, "", &pageLinks);
    std::vector<CString> lines;
    if (readPageTextLines(templateTextPath(manager, "TemplateIntroduction.txt"), lines))
        for (size_t i = 0; i < lines.size(); ++i)
            if (!form.dropEmptyLines || i > 0 || !lines[i].IsEmpty())
                out << lines[i] << "<br>\n";
    if (form.beforeTable)
        form.beforeTable(out);
    int tooltipCounter = 0;
    manager.writeTemplateTableRows(selected, upPrefix(item->getLevel() + 1), out, item, &tooltipCounter,
                                   language, form.bySections, 0, &pageLinks);
    if (readPageTextLines(templateTextPath(manager, "TemplateFinal.txt"), lines))
        for (const CString& line : lines)
            if (!form.dropEmptyLines || !line.IsEmpty())
                out << line << "<br>\n";
    manager.writePageFooter(item, out, 0, language, 0, form.uidPrefix);
    out << "</body>\n"
        << "</html>\n";
    if (!out.close())
        manager.tellUnwrittenFile(path);
}

} // namespace

void ProcessManager::generateTemplateAccess(int language) {
    PageRun run(*this);
    guarded("generateTemplateAccess", [&] {
        for (ProcessItem* item : workflowPageItems(*this))
            generateTemplatesPage(item, language);
        std::vector<ProcessItem*> templatePages;
        ItemIterateur* it = getItemList()->ItemListe::createIterator();
        for (; !it->isAtEnd(); it->next()) {
            auto* item = dynamic_cast<ProcessItem*>(it->current());
            if (item && item->getClassKind() == kTemplateAccessClass)
                templatePages.push_back(item);
        }
        delete it;
        for (ProcessItem* item : templatePages)
            generateTemplatePage(item, language);
    });
}

void ProcessManager::generateTemplatePage(ProcessItem* item, int language) {
    const CString discipline = item->getDiscipline();
    const CString domain = item->getDomain();
    const bool allDisciplines = discipline.IsEmpty() || discipline == "ALL";

    // The work products of the page's discipline with a first-format
    // document or an example library, for the page's project kinds.
    const std::shared_ptr<const PageRunTables> tables = pageRunTables();
    SelectedProducts selected;
    for (ProcessItem* product :
         allDisciplines ? tables->getWorkProducts() : tables->getWorkProductsOfDiscipline(discipline)) {
        const ItemWorkProduct* extension = product->getItemWorkProduct();
        if (!extension || !(hasFirstFormatDocument(*extension) || !extension->isArchiveEmpty()))
            continue;
        if (product->isGenericProjectKind() ||
            product->getProjectKinds()->countCommon(item->getProjectKinds()) != 0)
            selected.add(product);
    }

    // Language 1 shows the second-language names of the discipline and
    // domain items, or the names themselves when there is no such item.
    const CString disciplineText =
        allDisciplines ? CString() : shownClassName(*this, discipline, kDisciplineClass, language);
    const CString domainText = shownClassName(*this, domain, kDomainClass, language);
    const CString title = getLabel(language, "Templates");
    const CString bannerTitle = filteredTitle(*this, title, domainText, disciplineText, language);

    TemplatePageForm form{title, bannerTitle, true, allDisciplines ? 1 : 0, "", [&](TextOutStream& out) {
                              // The author's own part of the page.
                              out << authorPageText(*item, language);
                              if (allDisciplines)
                                  writeAnchorIndexTable(domain, out, language);
                          }};
    writeTemplatePage(*this, item, getItemPagePath(item, language), language, selected.list(), form);
}

void ProcessManager::generateTemplatesPage(ProcessItem* item, int language) {
    // The templates of what the activities below the item produce, each
    // work product once in the order found; what an activity also reads it
    // only updates, which lists nothing.
    SelectedProducts selected;
    auto addWhenItHasTemplate = [&selected](ProcessItem* product) {
        if (product && hasTemplate(*product->getItemWorkProduct()))
            selected.add(product);
    };
    forEachProducedWorkProduct(
        item, [&](const ItemActivity& activity, const CString& reference, ProcessItem* product) {
            if (!product->getItemWorkProduct() || activity.getInWorkProducts()->find(reference, "/"))
                return;
            addWhenItHasTemplate(product);
            addWhenItHasTemplate(parentWorkProduct(*product));
        });

    const CString name = item->getNameByLanguage(language);
    const TemplatePageForm form{
        name, getLabel(language, "TemplatesUsedIn") + " '" + name + "'", false, 0, "T", {}};
    writeTemplatePage(
        *this, item,
        getPathInSite(item->getFolder(1, 0) + (language == 0 ? "templates.htm" : "templatesL2.htm")),
        language, selected.list(), form);
}
