#pragma once

// The glossary entries of a project in one language, prepared for marking
// the terms of description texts: each entry's search name and the body of
// its tooltip entry. A generation run prepares them once per language; the
// marking (MarkedDescription) then only searches the text.

#include "CString.h"

#include <vector>

class ProcessManager;

class GlossaryTerms {
public:
    struct Term {
        // The name in the language, lower-cased; empty for an entry that is
        // never marked.
        CString lowerName;
        // The title and body of its tooltip entry, as script strings.
        CString title;
        CString content;
    };

    // Reads every glossary entry of the project's item list, in tree order.
    GlossaryTerms(ProcessManager& manager, int language);

    const std::vector<Term>& terms() const { return m_terms; }

private:
    std::vector<Term> m_terms;
};
