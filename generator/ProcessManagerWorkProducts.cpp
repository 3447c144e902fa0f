// The work product pages, the work product overview pages with their
// spreadsheet files, and the table of the activities of chosen disciplines
// with the work products they use and produce.

#include "ProcessManager.h"

#include "CStringListePlus.h"
#include "DiskLinks.h"
#include "FileSystem.h"
#include "ItemActivity.h"
#include "ItemClasses.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "StdOption.h"
#include "TextOutStream.h"
#include "WorkProductOverviewPage.h"
#include "WorkProductPage.h"

#include <algorithm>
#include <span>
#include <vector>

namespace {

std::vector<ProcessItem*> itemsOfClass(const PageRunTables& tables, int classKind) {
    std::vector<ProcessItem*> items;
    for (Item* item : tables.getItems())
        if (item->getKind() == kDual && classKindOf(item) == classKind)
            items.push_back(static_cast<ProcessItem*>(item));
    return items;
}

using settings::decimal;

} // namespace

void ProcessManager::generateWorkProduct(int language) {
    PageRun run(*this);
    linkWorkProducts();
    const std::shared_ptr<const PageRunTables> tables = pageRunTables();
    // A page that cannot be written is told and leaves the old one; the
    // others are written. Any other failure reaches the caller.
    for (ProcessItem* product : itemsOfClass(*tables, kWorkProductClass))
        if (product->getItemWorkProduct() && !WorkProductPage(*this, *tables, *product, language).write())
            tellUnwrittenFile(getItemPagePath(product, language));
}

void ProcessManager::generateWPOverview(int language) {
    PageRun run(*this);
    guarded("generateWPOverview", [&] {
        const std::shared_ptr<const PageRunTables> tables = pageRunTables();
        // A page that cannot be written is told and leaves the old one.
        for (ProcessItem* overview : itemsOfClass(*tables, kWorkProductOverviewClass))
            if (!WorkProductOverviewPage(*this, *tables, *overview, language).write())
                tellUnwrittenFile(getItemPagePath(overview, language));
    });
}

bool ProcessManager::generateActivityWorkProductTable(const CString& path, int level, const CString& title,
                                                      const CStringListePlus& disciplines, int,
                                                      int language) {
    const std::shared_ptr<const PageRunTables> tables = pageRunTables();
    const std::span<Item* const> items = tables->getItems();
    const int count = static_cast<int>(items.size());
    auto chosen = [&](Item* item) {
        return disciplines.find(static_cast<ProcessItem*>(item)->getDiscipline(), "") != 0;
    };
    auto isActivity = [](Item* item) { return classKindOf(item) == kActivityClass; };

    // The depth of the deepest activity below the chosen workflows.
    int deepest = -1;
    {
        bool inside = false;
        int scopeLevel = 0;
        for (Item* item : items) {
            if (classKindOf(item) == kWorkflowClass) {
                scopeLevel = item->getLevel();
                if (chosen(item))
                    inside = true;
            } else if (inside && item->getLevel() == scopeLevel)
                inside = false;
            else if (inside && isActivity(item) && item->getLevel() - scopeLevel > deepest)
                deepest = item->getLevel() - scopeLevel;
        }
    }
    const int width = 100 / (deepest + 2);

    // The rows an item's subtree spans: the steps from the item to the end
    // of its subtree that do not go deeper, the step out included. Counted
    // once for the whole list, so that each item costs one subtraction.
    std::vector<int> flatSteps(count + 1, 0);
    for (int p = 0; p < count; ++p)
        flatSteps[p + 1] =
            flatSteps[p] + (p + 1 == count || items[p + 1]->getLevel() <= items[p]->getLevel());
    std::vector<int> subtreeEnd(count, count);
    {
        std::vector<int> open;
        for (int p = 0; p < count; ++p) {
            while (!open.empty() && items[open.back()]->getLevel() >= items[p]->getLevel()) {
                subtreeEnd[open.back()] = p;
                open.pop_back();
            }
            open.push_back(p);
        }
    }

    const int folderEnd = std::max(path.ReverseFind('/'), path.ReverseFind('\\'));
    DiskLinks links(path.Left(folderEnd + 1));
    const CString toSite = upPrefix(level + 1);
    auto productCell = [&](CStringListePlus* references) {
        CString cell;
        for (int i = 1; i <= references->count(); ++i) {
            const CString& reference = *references->at(i);
            if (i > 1)
                cell += ", ";
            ProcessItem* product = findWorkProduct(reference);
            if (!product) {
                cell += reference;
                continue;
            }
            const CString page =
                language == 0 ? product->getUrl() : product->getFolder(1, 0) + "overviewL2.htm";
            const CString name = product->getNameByLanguage(language);
            cell += "<a href=\"" + links.get(toSite + page) + "\" target=\"main\">" +
                    (chosen(product) ? name : " <i>" + name + "</i>") + "</a>";
        }
        return "\t\t<td width=\"" + decimal(width) + "%\">" + (cell.IsEmpty() ? CString("&nbsp;") : cell) +
               "</td>\n";
    };

    TextOutStream out(path);
    out << styledPageHeadStart(*this, nullptr, title, links, upPrefix(level + 2)) << "</head>\n\n"
        << "<body>\n"
        << "<h1 class=\"banner\">" << title << "</h1>\n"
        << "<table border=\"1\" width=\"100%\">\n"
        << "\t<tr>\n"
        << "\t\t<td width=\"" << decimal(deepest * 100 / (deepest + 2)) << "%\" colspan=\""
        << decimal(deepest) << "\" bgcolor=\"#FFFFCC\"><b>" << getLabel(language, "Activities")
        << "</b></td>\n";
    for (const char* key : {"UsedWP", "ProducedWP"})
        out << "\t\t<td width=\"" << decimal(width) << "%\" bgcolor=\"#FFFFCC\"><b>"
            << getLabel(language, key) << "</b></td>\n";
    out << "\t</tr>\n";

    Item* previous = nullptr;
    Item* workflow = nullptr;
    bool inside = false;
    int scopeLevel = 0;
    for (int p = 0; p < count; previous = items[p], ++p) {
        Item* item = items[p];
        const CString name = item->getNameByLanguage(language);
        if (classKindOf(item) == kWorkflowClass) {
            scopeLevel = item->getLevel();
            if (chosen(item)) {
                inside = true;
                workflow = item;
            }
            continue;
        }
        if (!inside)
            continue;
        if (item->getLevel() == scopeLevel) {
            inside = false;
            continue;
        }
        if (previous == workflow || previous->getLevel() >= item->getLevel())
            out << "\t<tr>\n";
        if (p + 1 < count && items[p + 1]->getLevel() > item->getLevel()) {
            const int rows = flatSteps[subtreeEnd[p]] - flatSteps[p];
            out << "\t\t<td width=\"" << decimal(width) << "%\""
                << (rows == 1 ? CString() : " rowspan=\"" + decimal(rows) + "\"") << ">" << name << "</td>\n";
            continue;
        }
        const ItemActivity* activity =
            isActivity(item) ? static_cast<ProcessItem*>(item)->getItemActivity() : nullptr;
        if (!activity)
            continue;
        const int span = deepest - (item->getLevel() - scopeLevel) + 1;
        if (span == 1)
            out << "\t\t<td width=\"" << decimal(width) << "%\">" << name << "</td>\n";
        else
            out << "\t\t<td width=\"" << decimal(span * width) << "%\" colspan=\"" << decimal(span) << "\">"
                << name << "</td>\n";
        out << productCell(activity->getInWorkProducts()) << productCell(activity->getOutWorkProducts())
            << "\t</tr>\n";
    }
    out << "</table>\n"
        << "</body>\n</html>\n";
    if (out.close())
        return true;
    tellUnwrittenFile(path);
    return false;
}
