// Description texts on generated pages: entities, item references and the
// tooltips of glossary terms and referenced items.

#include "ProcessManager.h"

#include "DescriptionReference.h"
#include "FileSystem.h"
#include "GlossaryTerms.h"
#include "MarkedDescription.h"
#include "PageRunTables.h"
#include "TooltipEntry.h"
#include "ui/UserInterface.h"

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
    m_manager.m_toldUnwritten.clear();
    m_manager.m_glossaryTerms[0].reset();
    m_manager.m_glossaryTerms[1].reset();
    m_manager.m_runTables.reset();
}

ProcessManager::PageRun::~PageRun() {
    if (!m_outermost)
        return;
    m_manager.m_generating = false;
    m_manager.m_toldUnwritten.clear();
    m_manager.m_glossaryTerms[0].reset();
    m_manager.m_glossaryTerms[1].reset();
    m_manager.m_runTables.reset();
}

std::shared_ptr<const PageRunTables> ProcessManager::pageRunTables() {
    if (m_generating && m_runTables && m_runTablesStamp == treeStamp() &&
        m_runTablesRefresh == m_refreshCount)
        return m_runTables;
    auto tables = std::make_shared<const PageRunTables>(*this);
    if (m_generating) {
        m_runTables = tables;
        m_runTablesStamp = treeStamp();
        m_runTablesRefresh = m_refreshCount;
    }
    return tables;
}

void ProcessManager::tellUnwrittenFile(const CString& path) {
    if (m_generating && !m_toldUnwritten.insert(path).second)
        return;
    ui::AfxMessageBox("File " + platform::shownPath(path) + " writing error");
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
    const CString protectedText = protectEntities(text);
    // Plain, or without a page to link from: references are only names.
    if (plain || !pageItem)
        return onOneLine(referencesToNames(*this, protectedText, language));
    // One pass per reference: the text before it gets its glossary
    // tooltips, then the reference is replaced and the text after it is
    // added for the next pass. What a reference puts in is not searched for
    // references again, so a name holding "[@" cannot make the passes endless.
    MarkedDescription marked(glossaryTerms(language));
    int from = 0;
    for (DescriptionReference reference;; from = reference.next) {
        const bool found = findDescriptionReference(protectedText, from, &reference);
        marked.append(found ? protectedText.Mid(from, reference.at - from) : protectedText.Mid(from));
        CString link;
        Item* item = found && reference.closed ? findItemByUid(reference.uid) : nullptr;
        if (item)
            link = referenceToLink(*this, *item, pageItem, language, tooltipCounter);
        marked.markPass(tooltipCounter);
        if (!found)
            break;
        marked.append(link);
    }
    return onOneLine(marked.result());
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
