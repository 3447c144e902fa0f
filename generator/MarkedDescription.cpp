#include "MarkedDescription.h"

#include "TooltipEntry.h"

#include <algorithm>
#include <utility>

namespace {

// Line ends count as separators too, so that a term that begins or ends a
// line of the description is found like any other.
bool isSeparator(char c) {
    return c != '\0' && std::string_view(" \t,;:!.?\r\n").find(c) != std::string_view::npos;
}

std::string lowerCase(const CString& text) {
    CString lower = text;
    lower.MakeLower();
    return lower.str();
}

} // namespace

MarkedDescription::MarkedDescription(const GlossaryTerms& terms)
    : m_terms(terms.terms()), m_searches(m_terms.size()) {
    for (size_t i = 0; i < m_terms.size(); ++i)
        m_searches[i].done = m_terms[i].lowerName.IsEmpty();
}

void MarkedDescription::append(const CString& text) {
    const std::string lower = lowerCase(text);
    m_text += text.str();
    m_lowerText += lower;
    m_regions.append(lower);
}

void MarkedDescription::markPass(int* tooltipCounter) {
    skipTermsInFront();
    std::string entries;
    for (size_t i = 0; i < m_terms.size(); ++i) {
        const GlossaryTerms::Term& term = m_terms[i];
        const size_t at = firstOccurrence(i);
        const size_t length = term.lowerName.GetLength();
        if (at == std::string::npos || !standsAsWord(at, length))
            continue;
        const CString number = takeTooltipNumber(tooltipCounter);
        entries += tooltipEntry(number, term.title, term.content).str();
        m_marks.push_back({at, length, number});
        m_markEdges.insert(at);
        m_markEdges.insert(at + length);
    }
    if (!entries.empty())
        m_passEntries.push_back(entries);
    m_newEntries = std::move(entries);
}

CString MarkedDescription::result() const {
    std::string out;
    for (auto entries = m_passEntries.rbegin(); entries != m_passEntries.rend(); ++entries)
        out += *entries;
    // Span edges in text order; no two marks share an edge (a mark's word
    // cannot begin or end right at another's span), nested spans close
    // inside out.
    std::vector<std::pair<size_t, std::string>> edges;
    for (const Mark& mark : m_marks) {
        edges.emplace_back(mark.at, tooltipSpanOpening(mark.number).str());
        edges.emplace_back(mark.at + mark.length, "</span>");
    }
    std::stable_sort(edges.begin(), edges.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    size_t copied = 0;
    for (const auto& [at, span] : edges) {
        out.append(m_text, copied, at - copied);
        out += span;
        copied = at;
    }
    out.append(m_text, copied);
    return CString(out);
}

// The entries of the last pass now stand in front of the text: a term whose
// name begins inside one of their scripts has its first occurrence there.
// (The entries' only text is line ends, which no name holds.)
void MarkedDescription::skipTermsInFront() {
    if (m_newEntries.empty())
        return;
    const std::string lower = lowerCase(CString(m_newEntries));
    MarkupRegions regions;
    regions.append(lower);
    for (size_t i = 0; i < m_terms.size(); ++i) {
        const std::string& name = m_terms[i].lowerName.str();
        for (size_t at = lower.find(name); !m_searches[i].done && at != std::string::npos;
             at = lower.find(name, at + 1))
            m_searches[i].done = regions.at(at) == MarkupRegions::Region::Script;
    }
    m_newEntries.clear();
}

// The first occurrence of the term in the text, or npos when it has none or
// its first occurrence lies in a script (the term is then done for good).
size_t MarkedDescription::firstOccurrence(size_t term) {
    Search& search = m_searches[term];
    if (search.done)
        return std::string::npos;
    const std::string& name = m_terms[term].lowerName.str();
    size_t from = search.searchedTo;
    if (search.first != std::string::npos) {
        if (liesInText(search.first, name.size()))
            return search.first;
        // A later mark split it: the next occurrence comes first now.
        from = search.first + 1;
        search.first = std::string::npos;
    }
    for (size_t at = m_lowerText.find(name, from); at != std::string::npos;
         at = m_lowerText.find(name, at + 1)) {
        if (m_regions.at(at) == MarkupRegions::Region::Script) {
            search.done = true;
            return std::string::npos;
        }
        if (liesInText(at, name.size()))
            return search.first = at;
    }
    // An occurrence may yet begin in the last characters, when text is appended.
    search.searchedTo =
        std::max(from, m_lowerText.size() + 1 > name.size() ? m_lowerText.size() + 1 - name.size() : 0);
    return std::string::npos;
}

bool MarkedDescription::liesInText(size_t at, size_t length) const {
    if (!m_regions.isText(at, length))
        return false;
    const auto edge = m_markEdges.upper_bound(at);
    return edge == m_markEdges.end() || *edge >= at + length;
}

// A span's '>' before the word or its '<' after it is no separator. At the
// start of the text the word follows the entries in front (ending with a line
// feed) or nothing.
bool MarkedDescription::standsAsWord(size_t at, size_t length) const {
    const size_t end = at + length;
    if (m_markEdges.count(at) || m_markEdges.count(end))
        return false;
    if (at > 0 && !isSeparator(m_lowerText[at - 1]))
        return false;
    return end == m_lowerText.size() || isSeparator(m_lowerText[end]) || m_lowerText[end] == 's';
}
