#pragma once

// The text files of an item folder that the user writes: the descriptions,
// the tailoring guidelines and "notes.txt". Every line is read whole,
// whatever its length, and the lines are joined again by one of the
// program's line rules, so that a text read and saved comes back as it was.

#include "CString.h"

class ItemTextFile {
public:
    // What goes between two lines: Html drops a CR that ends the text so far
    // and adds "<br>\n"; HtmlKeepCr adds "<br>\n" alone; Escaped adds "\n";
    // Plain adds CR LF, or LF alone after a CR or with the no-CR flag.
    enum class Join { Html, HtmlKeepCr, Escaped, Plain };

    // The file's lines joined; each line goes through textToHtml with the
    // convert mode unless it is -1. Empty lines at the start vanish, since
    // nothing is put between lines while the text is empty. False, with an
    // empty text, when the file cannot be opened.
    static bool read(const CString& path, Join join, int noCarriageReturn, int convertMode, CString& text);
    // True when the file exists and reads, joined by the plain rule, as the
    // text: writing the text would change nothing the program reads.
    static bool holds(const CString& path, const CString& text);
};
