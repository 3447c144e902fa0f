#pragma once

// The text form in which cells cross the clipboard and drags: one line per
// row, lines separated by CR LF, fields separated by tabs. A pasted or
// dropped text is cut into lines at line feeds and into fields at tabs or
// commas, and every field is trimmed of surrounding white space.
//
// A cell whose text holds one of those separators (a comma, a tab, a line
// break) or starts with a double quote is written between double quotes,
// with its own quotes doubled, and read back whole, so that copying such a
// cell and pasting it gives back one cell with the same text instead of
// spreading its pieces over the cells beside it. Any other text reads as
// before.

#include "CString.h"

#include <vector>

class GridClipboardText {
public:
    // The field as it is written into the text.
    static CString quoteField(const CString& text);
    // The lines of a text and the fields of each line, as they are pasted:
    // an empty field after a line's last separator and an empty line give
    // no field. The text ends at its first NUL byte.
    static std::vector<std::vector<CString>> split(const CString& text);
};
