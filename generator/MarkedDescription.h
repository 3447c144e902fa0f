#pragma once

// A description on its way to a page: its text, with the tooltips of the
// glossary terms it uses. The description is converted in passes, one for
// each item reference: a pass marks the terms of everything converted so
// far and puts the tooltip entries of its marks in front of the text, where
// every later pass finds them. Each pass marks, for each term in tree order,
// the first occurrence of the term, when that occurrence stands as a word
// of its own (a separator or nothing before it, a separator, an "s" or the
// end of the text after it).
//
// The first occurrence of a term is the first place where its name, in any
// case, lies wholly in the text a reader sees or begins inside a script
// element. Places inside a tag (an image's alt text, a link's title),
// inside a comment or inside a style sheet are no words of the text and are
// passed over, so a picture described by a word does not keep the word from
// being marked where it is used. When the first occurrence lies in a script
// the term is not marked: the tooltip entries at the front are scripts, so
// a term marked by one pass is never marked again by the next, and a term
// used in a referenced item's tooltip or in the author's own script is left
// alone.
//
// Searching the whole text again in every pass would cost the square of its
// length; instead each term keeps how far its name has been searched and
// where its first occurrence lies, which a pass only has to confirm. What
// marks and appended text can change stays within reach: a mark only adds
// markup, so it can split an occurrence but never make one; text is only
// appended; and a character keeps its region (MarkupRegions) once read.

#include "CString.h"
#include "GlossaryTerms.h"
#include "MarkupRegions.h"

#include <set>
#include <string>
#include <vector>

class MarkedDescription {
public:
    explicit MarkedDescription(const GlossaryTerms& terms);

    // Appends text to the description, for the next pass to search.
    void append(const CString& text);
    // One pass over all that has been appended; every tooltip entry it
    // writes takes the counter's next number.
    void markPass(int* tooltipCounter);
    // The tooltip entries, the last pass's first, followed by the text with
    // its marked terms.
    CString result() const;

private:
    // A term wrapped in the span that shows tooltip number.
    struct Mark {
        size_t at;
        size_t length;
        CString number;
    };
    struct Search {
        bool done = false;                // never to be marked again
        size_t first = std::string::npos; // the first occurrence, when found
        size_t searchedTo = 0;            // no occurrence begins before here
    };

    void skipTermsInFront();
    size_t firstOccurrence(size_t term);
    bool liesInText(size_t at, size_t length) const;
    bool standsAsWord(size_t at, size_t length) const;

    const std::vector<GlossaryTerms::Term>& m_terms;
    std::vector<Search> m_searches;
    std::string m_text;
    std::string m_lowerText;
    MarkupRegions m_regions;
    std::vector<Mark> m_marks;
    // Where the marks' spans begin and end: a mark stands between two text
    // characters, so the text runs they split are no longer one text.
    std::set<size_t> m_markEdges;
    std::vector<std::string> m_passEntries;
    // The entries of the last pass, which the next pass has still to search.
    std::string m_newEntries;
};
