#pragma once

// The page file that the editor shows and writes back. The part from the
// marker "<!--PROCESS_HYPERLINK-->" on belongs to the site generator: it is
// kept as the bytes read, and written back after the edited part exactly as
// it was, whatever the browser made of it. The edited part is written with
// CR LF line ends, in the page's character set.

#include "CString.h"

#include <string>

class EditedPage {
public:
    EditedPage() = default;
    explicit EditedPage(const CString& path) : m_path(path) {}

    // Reads the page: its text as UTF-8 for the browser, decoded from the
    // character set it declares (Windows-1252 unless UTF-8). False when the
    // file cannot be read; the page then has no kept part.
    bool read(std::string& utf8);
    // The kept part (from the marker to the end), empty without a marker.
    const std::string& getTail() const { return m_tail; }
    // The bytes of the page for the edited document html (UTF-8): its part
    // above the marker (or above its closing body tag when the edit lost the
    // marker), then the kept part.
    std::string compose(const std::string& html, bool utf8Charset) const;
    // Replaces the file whole; false (the file as it was) on failure.
    bool write(const std::string& bytes) const;
    const CString& getPath() const { return m_path; }

private:
    CString m_path;
    std::string m_tail;
};
