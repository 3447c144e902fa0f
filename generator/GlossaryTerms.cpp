#include "GlossaryTerms.h"

#include "Item.h"
#include "ItemClasses.h"
#include "ItemGlossaryEntry.h"
#include "ItemListePlus.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "Project.h"

namespace {

// Line ends count as separators too, so that a term that begins or ends a
// line of the description is found like any other.
const char* const kWordSeparators = " \t,;:!.?\r\n";

bool isSeparator(char c) {
    return c != '\0' && CString(kWordSeparators).Find(c) >= 0;
}

// Double quotes would end the script string that holds the text.
CString withoutDoubleQuotes(CString text) {
    text.Replace("\"", "&#147");
    return text;
}

} // namespace

CString referencesToNames(const Project& project, const CString& text, int language) {
    CString result = text;
    for (int at = result.Find("[@"); at >= 0; at = result.Find("[@")) {
        result.Delete(at, 2);
        const int close = result.Find(']', at);
        if (close < 0)
            continue;
        const Item* item = project.findItemByUid(result.Mid(at, close - at));
        result =
            result.Left(at) + (item ? item->getNameByLanguage(language) : CString()) + result.Mid(close + 1);
    }
    return result;
}

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
        // The description goes into a script string: references become plain
        // names (a link's quotes would end the string), and backslashes and
        // line ends are made harmless there.
        CString description = referencesToNames(manager, item->getDescription(language), language);
        description.Replace("\r", "");
        description.Replace("\\", "\\\\");
        description = withoutDoubleQuotes(description);
        description.Replace("</", "<\\/");
        term.entry = "[\"" + name + "\",\"<font size=1>" + description + "<\\/font>";
        if (const ItemGlossaryEntry* entry = item->getItemGlossaryEntry()) {
            const struct {
                const char* label;
                CString text;
            } notes[] = {{"Source", entry->getSource(language)},
                         {"Equivalent", entry->getEquivalent(language)}};
            for (const auto& note : notes)
                if (!note.text.IsEmpty())
                    term.entry += "<p><i><font size=1>" + manager.getLabel(language, note.label) + ": " +
                                  withoutDoubleQuotes(note.text) + "<\\/font><\\/i><\\/p>";
        }
        term.entry += "\"]\n</script>\n";
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
        CString number;
        number.Format("%d", (*tooltipCounter)++);
        scripts += "\n<script language=\"JavaScript1.2\"  type=\"text/javascript\">\nText[" + number +
                   "]=" + term.entry;
        const CString open = "<span class=\"ToolTip\" " + Project::getTooltipAttributes(number) + ">";
        const CString close = "</span>";
        marked = marked.Left(at) + open + marked.Mid(at, end - at) + close + marked.Mid(end);
        lower = lower.Left(at) + open + lower.Mid(at, end - at) + close + lower.Mid(end);
    }
    return scripts + marked;
}
