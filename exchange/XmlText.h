#pragma once

// What makes the text of the XML exports well formed whatever the items
// hold: values escaped for element content, character data that never
// ends early, no character that XML forbids, and a declared encoding that
// the file's bytes really have.

#include "CString.h"

#include <string>

class XmlText {
public:
    // A value as it is stored (a uid, a file name, an address) as element content.
    static CString escape(const CString& value);
    // Text that already holds entities and may hold markup (what the
    // exporter's markup conversion gives), made fit for element content:
    // its angle brackets escaped, an ampersand that begins no XML entity
    // escaped, and the HTML non-breaking space written as a character
    // reference.
    static CString content(const CString& markup);
    // The text without the characters that XML forbids even as references:
    // the control characters other than tab, line feed and carriage return.
    static CString withoutForbidden(const CString& text);
    // Text put into a character-data block: a "]]>" inside would end the
    // block, so the block is closed and opened again between its "]]" and ">".
    static CString characterData(const CString& text);
    // What an XML parser reads from element content or an attribute value
    // written here: the five named entities and the character references
    // resolved, into the code page ('?' for a character it has not).
    static CString unescape(const CString& xml);

    // The document's bytes for the charset the settings name, and the
    // encoding its declaration then names: the code-page bytes as they are
    // when the charset holds every one of them, else the text converted to
    // UTF-8 (so declared). Characters that XML forbids (control characters
    // other than tab, line feed and carriage return) are left out.
    struct Encoded {
        CString declared;
        std::string bytes;
    };
    static Encoded encode(const std::string& document, const CString& charset);
};
