// Description texts on generated pages: entities, item references and the
// tooltips of glossary terms and referenced items.

#include "ProcessManager.h"

#include "GlossaryTerms.h"
#include "Item.h"
#include "ProcessItem.h"
#include "TooltipEntry.h"

namespace {

// The four entities that survive; every other "&" is escaped.
CString protectEntities(CString text) {
    text.Replace("&nbsp;", "@@@NBSP@@@");
    text.Replace("&amp;", "@@@AND@@@");
    text.Replace("&lt;", "@@@lt@@@");
    text.Replace("&gt;", "@@@gt@@@");
    text.Replace("&", "&amp;");
    text.Replace("@@@AND@@@", "&amp;");
    text.Replace("@@@lt@@@", "&lt;");
    text.Replace("@@@gt@@@", "&gt;");
    text.Replace("@@@NBSP@@@", "&nbsp;");
    return text;
}

} // namespace

ProcessManager::PageRun::PageRun(ProcessManager& manager)
    : m_manager(manager), m_outermost(!manager.m_generating) {
    if (!m_outermost)
        return;
    m_manager.m_generating = true;
    m_manager.m_glossaryTerms[0].reset();
    m_manager.m_glossaryTerms[1].reset();
}

ProcessManager::PageRun::~PageRun() {
    if (!m_outermost)
        return;
    m_manager.m_generating = false;
    m_manager.m_glossaryTerms[0].reset();
    m_manager.m_glossaryTerms[1].reset();
}

const GlossaryTerms& ProcessManager::glossaryTerms(int language) {
    std::unique_ptr<GlossaryTerms>& terms = m_glossaryTerms[language == 0 ? 0 : 1];
    if (!terms || !m_generating)
        terms = std::make_unique<GlossaryTerms>(*this, language);
    return *terms;
}

CString ProcessManager::descriptionToHtml(const CString& text, int* tooltipCounter, Item* pageItem,
                                          int language, int plain) {
    // Script strings may hold no line end; CR LF files leave CRs behind.
    auto onOneLine = [](CString html) {
        html.Replace("\r", "");
        html.Replace("\n", " ");
        return html;
    };
    // Plain, or without a page to link from: references are only names.
    if (plain || !pageItem)
        return onOneLine(referencesToNames(*this, protectEntities(text), language));
    CString rest = protectEntities(text);
    const GlossaryTerms& terms = glossaryTerms(language);
    // One pass per reference: the text before it is final (and gets its
    // glossary tooltips), the reference is replaced, the rest waits for the
    // next pass. What a reference puts in is not searched for references
    // again, so a name holding "[@" cannot make the passes endless.
    int from = 0;
    for (;;) {
        const int at = rest.Find("[@", from);
        CString before = at < 0 ? rest : rest.Left(at);
        CString inserted;
        CString remainder;
        if (at >= 0) {
            rest.Delete(at, 2);
            const int close = rest.Find(']', at);
            if (close < 0) {
                remainder = rest.Mid(at);
            } else {
                Item* item = findItemByUid(rest.Mid(at, close - at));
                remainder = rest.Mid(close + 1);
                if (item) {
                    const CString name = item->getNameByLanguage(language);
                    const CString link =
                        item->getRelativeLink(pageItem, "") + "/" + Item::getOverviewPageName(language);
                    auto* processItem = dynamic_cast<ProcessItem*>(item);
                    const CString html = processItem ? processItem->getHtmlDescription(language) : CString();
                    if (html.IsEmpty())
                        inserted = "<a href=\"" + link + "\">" + name + "</a>";
                    else
                        inserted = "<a href=\"" + link + "\" target=\"main\">" +
                                   writeTermTooltip(name, tooltipCounter, html, language, "") + "</a>";
                }
            }
        }
        before = terms.mark(before, tooltipCounter);
        rest = before + inserted + remainder;
        if (at < 0)
            break;
        from = before.GetLength() + inserted.GetLength();
    }
    return onOneLine(rest);
}

CString ProcessManager::descriptionToPlainHtml(const CString& text, int language) {
    int counter = 0;
    return descriptionToHtml(text, &counter, nullptr, language, 1);
}

CString ProcessManager::toTooltipText(const CString& text, int language) {
    CString html = text;
    html.Replace("\r", "");
    html.Replace("\n", "<br>");
    return toScriptString(*this, html, language);
}

CString ProcessManager::writeTermTooltip(const CString& term, int* tooltipCounter, const CString& html,
                                         int language, const CString& title) {
    const CString number = takeTooltipNumber(tooltipCounter);
    return tooltipEntry(number, escapeScriptString(title.IsEmpty() ? term : title),
                        "<font size=1>" + toTooltipText(html, language) + "<\\/font>") +
           tooltipSpanOpening(number) + term + "</span>";
}
