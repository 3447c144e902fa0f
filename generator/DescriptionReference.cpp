#include "DescriptionReference.h"

#include "DiskLinks.h"
#include "Item.h"
#include "ProcessItem.h"
#include "ProcessManager.h"

bool findDescriptionReference(const CString& text, int from, DescriptionReference* reference) {
    const int at = text.Find("[@", from);
    if (at < 0)
        return false;
    reference->at = at;
    const int close = text.Find(']', at + 2);
    reference->closed = close >= 0;
    reference->uid = reference->closed ? text.Mid(at + 2, close - at - 2) : CString();
    reference->next = reference->closed ? close + 1 : at + 2;
    return true;
}

CString referencesToNames(const Project& project, const CString& text, int language) {
    std::string result;
    int from = 0;
    for (DescriptionReference reference; findDescriptionReference(text, from, &reference);
         from = reference.next) {
        result.append(text.str(), from, reference.at - from);
        if (!reference.closed)
            continue;
        if (const Item* item = project.findItemByUid(reference.uid))
            result += item->getNameByLanguage(language).str();
    }
    result.append(text.str(), from);
    return CString(result);
}

CString referenceToLink(ProcessManager& manager, Item& item, Item* pageItem, int language,
                        int* tooltipCounter) {
    const CString name = item.getNameByLanguage(language);
    // Spelt as the page is named on disk, as every link of the site.
    const CString link = DiskLinks(manager.getProjectDirectory() + pageItem->getFolder(1, 1))
                             .get(item.getRelativeLink(pageItem, "") + "/" + Item::getOverviewPageName(language));
    auto* processItem = dynamic_cast<ProcessItem*>(&item);
    const CString html = processItem ? processItem->getHtmlDescription(language) : CString();
    if (html.IsEmpty())
        return "<a href=\"" + link + "\">" + name + "</a>";
    return "<a href=\"" + link + "\" target=\"main\">" +
           manager.writeTermTooltip(name, tooltipCounter, html, language, "") + "</a>";
}
