#pragma once

// An item page that is written partly by hand and partly by the generator:
// the author's part lies above the marker line "<!--PROCESS_HYPERLINK-->",
// the generated section below it. A page without the marker gets it where
// its closing body tag was. The page writers open the page, scan it, write
// their section into the stream and finish; everything above the marker
// stays byte for byte. The new page replaces the old one whole when it is
// finished, so a failure part-way leaves the old page as it was.

#include "CString.h"
#include "TextOutStream.h"

class MarkedPage {
public:
    enum class Scan {
        Found,      // the generated section begins at the marker (or closing body tag)
        NoKey,      // neither marker nor closing body tag: the page is left as it is
        CannotOpen, // the page cannot be read
    };

    static constexpr const char* kMarker = "<!--PROCESS_HYPERLINK-->";

    explicit MarkedPage(const CString& path) : m_path(path) {}

    // Reads the page and finds the first line holding a key (blanks and
    // tabs ignored): the marker, the marker in lower case, "</BODY>",
    // "</body>", or a damaged marker (a comment still holding the word
    // "PROCESS_HYPERLINK"). The leftmost key of that line is where the
    // generated section begins.
    Scan scan();
    // After Found: opens the new page and writes the kept part, the part of
    // the key line before the key on a line of its own (when there is any),
    // and the marker line. Null when the new page cannot be written.
    TextOutStream* begin();
    // A page generated whole: an empty new page. Null when it cannot be written.
    TextOutStream* beginWhole();
    // Opens the new page for its writer: whole, or at the marker found by
    // scan (begin). A page that cannot be read or written is told to the
    // user ("File ... opening error") and gives null; so does a page without
    // key, which sets *noKey and is left for the caller to tell.
    TextOutStream* open(bool whole, bool* noKey);
    // Puts the new page in place; false (old page kept) when anything failed.
    bool finish();

    const CString& getPath() const { return m_path; }

private:
    CString m_path;
    std::string m_bytes;
    size_t m_lineStart = 0;
    CString m_lineHead;
    TextOutStream m_out;
};
