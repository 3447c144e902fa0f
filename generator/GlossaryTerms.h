#pragma once

// The glossary entries of a project in one language, prepared for marking
// the terms of description texts: each entry's search name and the body of
// its tooltip entry. A generation run prepares them once per language; the
// marking pass then only searches the text.

#include "CString.h"

#include <vector>

class ProcessManager;

class GlossaryTerms {
public:
    // Reads every glossary entry of the project's item list, in tree order.
    GlossaryTerms(ProcessManager& manager, int language);

    // The glossary pass over a text: the first occurrence of each term that
    // stands as a word of its own (a trailing "s" allowed) and lies outside
    // any script element gets a tooltip. Returns the tooltip entries of the
    // pass followed by the marked text; counter numbers the entries.
    CString mark(const CString& text, int* tooltipCounter) const;

private:
    struct Term {
        CString lowerName;
        // The title and body of its tooltip entry, as script strings.
        CString title;
        CString content;
    };
    std::vector<Term> m_terms;
};
