#include "GlossaryTerms.h"

#include "Item.h"
#include "ItemClasses.h"
#include "ItemGlossaryEntry.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "Project.h"
#include "TooltipEntry.h"

namespace {

// Line ends count as separators too, so that a term that begins or ends a
// line of the description is found like any other.
const char* const kWordSeparators = " \t,;:!.?\r\n";

bool isSeparator(char c) {
    return c != '\0' && CString(kWordSeparators).Find(c) >= 0;
}

} // namespace

GlossaryTerms::GlossaryTerms(ProcessManager& manager, int language) {
    ItemListePlus* items = manager.getItemList();
    for (int i = 1; i <= items->count(); ++i) {
        auto* item = dynamic_cast<ProcessItem*>(items->at(i));
        if (!item || item->getClassKind() != kGlossaryEntryClass)
            continue;
        const CString name = item->getNameByLanguage(language);
        Term term;
        term.lowerName = name;
        term.lowerName.MakeLower();
        // Everything goes into script strings: references become plain names
        // (a link's quotes would end the string) and quotes, backslashes and
        // CRs are made harmless.
        term.title = escapeScriptString(name);
        term.content =
            "<font size=1>" + toScriptString(manager, item->getDescription(language), language) + "<\\/font>";
        if (const ItemGlossaryEntry* entry = item->getItemGlossaryEntry()) {
            const struct {
                const char* label;
                CString text;
            } notes[] = {{"Source", entry->getSource(language)},
                         {"Equivalent", entry->getEquivalent(language)}};
            for (const auto& note : notes)
                if (!note.text.IsEmpty())
                    term.content += "<p><i><font size=1>" +
                                    escapeScriptString(manager.getLabel(language, note.label)) + ": " +
                                    toScriptString(manager, note.text, language) + "<\\/font><\\/i><\\/p>";
        }
        m_terms.push_back(term);
    }
}

CString GlossaryTerms::mark(const CString& text, int* tooltipCounter) const {
    CString marked = text;
    CString lower = text;
    lower.MakeLower();
    CString scripts;
    for (const Term& term : m_terms) {
        if (term.lowerName.IsEmpty())
            continue;
        const int at = lower.Find(term.lowerName);
        if (at < 0)
            continue;
        const int end = at + term.lowerName.GetLength();
        if (at > 0 && !isSeparator(lower[at - 1]))
            continue;
        if (end < lower.GetLength() && !isSeparator(lower[end]) && lower[end] != 's')
            continue;
        // Inside a script element when the last "<script" before the term is
        // closed only after it; an unclosed one does not count.
        int script = -1;
        for (int p = lower.Find("<script"); p >= 0 && p < at; p = lower.Find("<script", p + 1))
            script = p;
        if (script >= 0) {
            const int close = lower.Find("</script", script);
            if (close > at)
                continue;
        }
        const CString number = takeTooltipNumber(tooltipCounter);
        scripts += tooltipEntry(number, term.title, term.content);
        const CString open = tooltipSpanOpening(number);
        const CString close = "</span>";
        marked = marked.Left(at) + open + marked.Mid(at, end - at) + close + marked.Mid(end);
        lower = lower.Left(at) + open + lower.Mid(at, end - at) + close + lower.Mid(end);
    }
    return scripts + marked;
}
