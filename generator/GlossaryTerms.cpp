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

// In a description, a '<' that is text is written "&lt;" and a line end is
// no part of a word: a name holding either cannot stand as words of the text
// and its entry is never marked, so no mark can take in a piece of a tag.
bool canStandInText(const CString& name) {
    return name.str().find_first_of("<\r\n") == std::string::npos;
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
        if (canStandInText(name)) {
            term.lowerName = name;
            term.lowerName.MakeLower();
        }
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
