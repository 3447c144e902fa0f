#pragma once

// The string list with search, join and split.

#include "CStringListe.h"

class CStringListePlus : public CStringListe {
public:
    // Position of the first string equal to text ignoring case, both sides cut
    // before the first occurrence of a non-empty separator; 0 when none.
    int find(const CString& text, const CString& separator) const;
    // How many strings of other are found here (duplicates each counted).
    int countCommon(CStringListe* other) const;
    // Appends, in order, the very string objects of other that are not found
    // here yet; they then belong to this list (empty other with removeAll).
    void addMissing(CStringListe* other);
    // The strings joined with the separator; an empty result so far takes the
    // next string alone, so a leading empty string is lost.
    CString join(const CString& separator) const;
    // Appends the pieces of text cut at every occurrence of separator, after
    // the first skip pieces; a trailing separator gives no empty piece, an
    // empty text one empty piece. Always 1.
    int split(const CString& text, const CString& separator, int skip);
    // Appends the pieces of a "," list text, lower-cased, skipping empty ones.
    void appendLowerCasedPieces(const CString& text);
    // Appends a copy of every string of other.
    void copyFrom(CStringListe* other);
};
