#pragma once

// The splitter every diagram record reader uses: a text cut at each
// occurrence of a one-character separator. The list always has at least one
// part: an empty text gives one empty part, and a text ending with the
// separator gives an empty last part.

#include "CString.h"

#include <vector>

class CTokenizer {
public:
    CTokenizer() = default;
    CTokenizer(const CString& text, char separator) { init(text, separator); }

    void init(const CString& text, char separator);

    int getSize() const { return static_cast<int>(m_parts.size()); }
    // An index at or beyond the size gives an empty text, 0 or 0.0.
    void getAtString(int index, CString& out) const { out = getElement(index); }
    void getAtInt(int index, int& out) const;
    void getAtDouble(int index, double& out) const;
    CString getElement(int index) const;

    // The parts from index on, joined again with the separator (empty when
    // there are none): what a record reader leaves of the fields it did not
    // take.
    CString joinFrom(int index) const;

private:
    std::vector<CString> m_parts;
    char m_separator = ',';
};
