// Description texts on generated pages: entities, item references and the
// tooltips of glossary terms and referenced items.

#include "ProcessManager.h"

#include "GlossaryTerms.h"
#include "Item.h"
#include "ProcessItem.h"

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

const GlossaryTerms& ProcessManager::glossaryTerms(int language) {
    std::unique_ptr<GlossaryTerms>& terms = m_glossaryTerms[language == 0 ? 0 : 1];
    if (!terms || !m_generating)
        terms = std::make_unique<GlossaryTerms>(*this, language);
    return *terms;
}

CString ProcessManager::descriptionToHtml(const CString& text, int* tooltipCounter, Item* pageItem,
                                          int language, int plain) {
    CString rest = protectEntities(text);
    const GlossaryTerms* terms = plain ? nullptr : &glossaryTerms(language);
    // One pass per reference: the text before it is final (and gets its
    // glossary tooltips), the reference is replaced, the rest waits for the
    // next pass.
    for (;;) {
        const int at = rest.Find("[@");
        CString before = at < 0 ? rest : rest.Left(at);
        CString after;
        if (at >= 0) {
            rest.Delete(at, 2);
            const int close = rest.Find(']', at);
            if (close < 0) {
                after = rest.Mid(at);
            } else {
                Item* item = findItemByUid(rest.Mid(at, close - at));
                const CString remainder = rest.Mid(close + 1);
                if (!item) {
                    after = remainder;
                } else if (plain) {
                    after = item->getNameByLanguage(language) + remainder;
                } else {
                    const CString name = item->getNameByLanguage(language);
                    const CString link =
                        item->getRelativeLink(pageItem, "") + "/" + Item::getOverviewPageName(language);
                    auto* processItem = dynamic_cast<ProcessItem*>(item);
                    const CString html = processItem ? processItem->getHtmlDescription(language) : CString();
                    if (html.IsEmpty())
                        after = "<a href=\"" + link + "\">" + name + "</a>" + remainder;
                    else
                        after = "<a href=\"" + link + "\" target=\"main\">" +
                                writeTermTooltip(name, tooltipCounter, html, language, "") + "</a>" +
                                remainder;
                }
            }
        }
        if (terms)
            before = terms->mark(before, tooltipCounter);
        rest = before + after;
        if (at < 0)
            break;
    }
    // Script strings may hold no line end; CR LF files leave CRs behind.
    rest.Replace("\r", "");
    rest.Replace("\n", " ");
    return rest;
}

CString ProcessManager::descriptionToPlainHtml(const CString& text, int language) {
    int counter = 0;
    return descriptionToHtml(text, &counter, nullptr, language, 1);
}

CString ProcessManager::toTooltipText(const CString& text, int language) {
    CString html = text;
    // Backslashes and CRs would break the script string that holds the text.
    html.Replace("\\", "\\\\");
    html.Replace("\r", "");
    html.Replace("\n", "<br>");
    html.Replace("</", "<\\/");
    html.Replace("\"", "&#147");
    return referencesToNames(*this, html, language);
}

CString ProcessManager::writeTermTooltip(const CString& term, int* tooltipCounter, const CString& html,
                                         int language, const CString& title) {
    CString number;
    number.Format("%d", (*tooltipCounter)++);
    return "\n<script language=\"JavaScript1.2\"  type=\"text/javascript\">\nText[" + number + "]=[\"" +
           (title.IsEmpty() ? term : title) + "\",\"<font size=1>" + toTooltipText(html, language) +
           "<\\/font>\"]\n</script>\n" + "<span class=\"ToolTip\" " + getTooltipAttributes(number) + ">" +
           term + "</span>";
}
