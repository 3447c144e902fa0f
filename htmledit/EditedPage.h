#pragma once

// The page file that the editor shows and writes back. The part from the
// marker "<!--PROCESS_HYPERLINK-->" on belongs to the site generator: it is
// kept as the bytes read, and written back after the edited part exactly as
// it was, whatever the browser made of it. The marker counts only where the
// page's HTML has it as a comment in its body (not inside an attribute
// value, a script or a document type line, not between a table's rows),
// found once, by the parser that reads the edited document, which cuts the
// edited document at that same comment. The edited part is written with
// CR LF line ends, in the page's character set.

#include "CString.h"

#include <string>
#include <string_view>

class cHtmlDocument;

class EditedPage {
public:
    EditedPage() = default;
    explicit EditedPage(const CString& path) : m_path(path) {}

    // Reads the page: its text as UTF-8 for the browser, decoded by
    // isUtf8Page. False when the file cannot be read; the page then has no
    // kept part.
    bool read(std::string& utf8);
    // The kept part (from the marker to the end), empty without a marker.
    const std::string& getTail() const { return m_tail; }
    // Whether the page was read as UTF-8.
    bool isUtf8() const { return m_utf8; }
    // The bytes of the page for the edited document: its part above the
    // marker (or above its closing body tag when the edit lost the marker),
    // then the kept part; the whole document when the page has no kept part.
    std::string compose(const cHtmlDocument& document) const;
    // Replaces the file whole; false (the file as it was) on failure.
    bool write(const std::string& bytes) const;
    const CString& getPath() const { return m_path; }

    // The one rule for the page's character set, on reading and on writing:
    // the charset the text declares before "<body" decides (UTF-8 for
    // "utf-8" or "utf8", Windows-1252 for any other); without one the page
    // is UTF-8 when its bytes were valid UTF-8 as read (valid).
    static bool isUtf8Page(std::string_view text, bool valid);

private:
    CString m_path;
    std::string m_tail;
    bool m_utf8 = false;
};
