#pragma once

// Writes XML text: the declaration, start and end tags with their
// attributes, text, comments, each on its own line ended by CR LF and
// indented by depth, with the stack of open elements.
//
// What it writes always parses: an empty version is written "1.0", a
// comment's "--" is broken by a space, values and text are escaped, a name
// that is no XML name or that the encoding cannot hold is an error (4116),
// never a broken tag, and a value, text or comment that holds a character
// no XML document can hold is an error (4113), never left out in silence.

#include "XmlOutput.h"

#include <string>
#include <utility>
#include <vector>

class XmlWriter : public XmlOutput {
public:
    using Attribute = std::pair<std::u16string, std::u16string>; // name, value

    XmlWriter(XmlOutputErrorHandler* errorHandler, std::u16string fileName)
        : XmlOutput(errorHandler, std::move(fileName)) {}

    // One indentation level: unit repeated count times (none below 1).
    void setIndent(int count, std::u16string_view unit);
    void setVersion(std::u16string version) { m_version = std::move(version); }
    // A name of the encoding table, in any case; any other is error 4114.
    void setEncodingByName(const std::u16string& name);
    void setStandalone(bool standalone) { m_standalone = standalone; }
    void setDepth(int depth) { m_depth = depth; }

    void writeDeclaration();
    // An element without children (empty) is closed on its line, with its
    // text between the tags; otherwise its text goes on a line of its own,
    // one level deeper, and the element stays open. Attributes with an
    // empty name are not written.
    void startElement(const std::vector<Attribute>& attributes, const std::u16string& name, bool empty,
                      const std::u16string& text);
    void endElement();
    void comment(const std::u16string& text);
    // Closes every open element, then writes the file and closes it.
    void finish();

    // Whether a name is one of XML and the encoding holds it: a name that is
    // not is refused, never written.
    static bool canWriteName(const std::u16string& name, const XmlEncoding& encoding);
    // Refuses a text that holds a character no XML document can hold:
    // error 4113 for the file at path, with line and column 0 (no line of
    // the file holds it) and the character, raised before anything is
    // written.
    static void checkText(std::u16string_view text, const std::u16string& path);
    // Comment text in which no "--" remains.
    static std::u16string safeComment(std::u16string_view text);

private:
    std::u16string indentation() const;
    void checkName(const std::u16string& name) const;

    int m_depth = 0;
    std::vector<std::u16string> m_openElements;
    bool m_declarationWritten = false;
    std::u16string m_newline = u"\r\n";
    std::u16string m_indentUnit = u"  ";
    bool m_standalone = true;
    std::u16string m_version = u"1.0";
    std::u16string m_encodingName = u"UTF-8";
};
