#include "GlossaryPage.h"

#include "ItemClasses.h"
#include "ItemGlossaryEntry.h"
#include "PageRunTables.h"
#include "PageText.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "StdOption.h"
#include "TextOutStream.h"
#include "TooltipScript.h"

#include <algorithm>

std::vector<GlossaryPage::Entry> GlossaryPage::sortedEntries(ProcessManager& manager,
                                                             const PageRunTables& tables, int language) {
    std::vector<Entry> entries;
    for (Item* item : tables.getItems()) {
        auto* processItem = dynamic_cast<ProcessItem*>(item);
        const bool ofClass = classKindOf(item) == kGlossaryEntryClass;
        if (!processItem || (!ofClass && !processItem->isGlossaryEntryFlag()))
            continue;
        Entry entry{processItem,
                    item->getNameByLanguage(language),
                    language == 0 ? item->getNameByLanguage(1) : item->getName(),
                    manager.descriptionToPlainHtml(item->getDescription(language), language),
                    CString(),
                    CString(),
                    0};
        if (const ItemGlossaryEntry* glossaryEntry =
                ofClass ? processItem->getItemGlossaryEntry() : nullptr) {
            entry.source = glossaryEntry->getSource(language);
            entry.equivalent = glossaryEntry->getEquivalent(language);
        }
        if (!entry.name.IsEmpty()) {
            const char first = entry.name[0];
            const char upper = first >= 'a' && first <= 'z' ? char(first - 'a' + 'A') : first;
            entry.letter = upper >= 'A' && upper <= 'Z' ? upper : 0;
        }
        entries.push_back(entry);
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return a.name.CompareNoCase(b.name) < 0; });
    return entries;
}

GlossaryPage::GlossaryPage(ProcessManager& manager, const std::vector<Entry>& entries, ProcessItem& glossary,
                           int language)
    : m_manager(manager), m_entries(entries), m_item(glossary), m_language(language),
      m_rootPrefix(upPrefix(glossary.getLevel() + 2)),
      m_links(manager.getProjectDirectory() + glossary.getFolder(1, 1)) {}

bool GlossaryPage::write() {
    const CString path = m_manager.getItemPagePath(&m_item, m_language);
    if (path.IsEmpty())
        return true;
    TextOutStream out(path);
    if (!out.is_open())
        return false;
    const CString name = m_item.getNameByLanguage(m_language);
    out << kTransitionalDocType << "\n"
        << "<html>\n"
        << "<head>\n"
        << m_manager.writeMetaTags(&m_item) << "<title>" << name << "</title>\n"
        << "<script language=\"JavaScript1.2\" src=\"" << m_links.get(m_rootPrefix + "JScript/Tooltip.js")
        << "\" type=\"text/javascript\"></script>\n"
        << "<link rel=\"stylesheet\" href=\"" << m_links.get(m_rootPrefix + "css/project.css")
        << "\" type=\"text/css\">\n"
        << "<link rel=\"stylesheet\" href=\"" << m_links.get(m_rootPrefix + "css/glossary.css")
        << "\" type=\"text/css\">\n"
        << "</head>\n\n"
        << "<body>\n";
    writeTooltipScript(out, 500);
    out << m_manager.getPageBanner(name, m_rootPrefix, m_item.getPageHeaderImage(), 1, "", &m_links);
    if (!m_item.isFrame())
        for (char c = 'A'; c <= 'Z'; ++c)
            out << "<a href=#" << c << ">" << c << "</a> ";

    // The entries of the glossary's discipline and domain, by letter in
    // the order of the sorted list.
    const CString& discipline = m_item.getDiscipline();
    const CString& domain = m_item.getDomain();
    std::vector<const Entry*> byLetter[26];
    for (const Entry& entry : m_entries)
        if (entry.letter && (discipline.IsEmpty() || entry.item->getDiscipline() == discipline) &&
            (domain.IsEmpty() || entry.item->getDomain() == domain))
            byLetter[entry.letter - 'A'].push_back(&entry);
    const bool twoLanguages = StdOption::instance().getTwoLanguages();
    auto label = [&](const char* key) { return m_manager.getLabel(m_language, key); };
    for (int l = 0; l < 26; ++l) {
        const char letter = char('A' + l);
        if (!byLetter[l].empty())
            out << "<p class=\"Glossary_Letter\"><a name=\"" << letter << "\">" << letter << "</a></p>\n";
        for (const Entry* entry : byLetter[l]) {
            out << "<p class=\"Glossary_Entry\">" << entry->name;
            if (twoLanguages && !entry->otherName.IsEmpty() && entry->otherName != "Empty translation")
                out << "&nbsp;<span class=\"Glossary_Entry_L2\">(" << entry->otherName << ")</span>\n";
            out << "</p>\n<p class=\"Glossary_Description\">" << entry->description << "</p>\n";
            if (!entry->source.IsEmpty())
                out << "<p class=\"Glossary_Source\">" << label("Source") << ": " << entry->source
                    << "</p>\n";
            if (!entry->equivalent.IsEmpty())
                out << "<p class=\"Glossary_Equivalent\">" << label("Equivalent") << ": " << entry->equivalent
                    << "</p>\n";
        }
    }
    out << "<br>\n";
    m_manager.writePageFooter(&m_item, out, 0, m_language, 0, "");
    out << "</body></html>\n";
    return out.close();
}
