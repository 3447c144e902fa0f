#include "XmlWriter.h"

#include "Exception.h"
#include "InstallerMessages.h"
#include "Text.h"
#include "XmlOutputErrorHandler.h"
#include "XmlReader.h"

namespace {

const std::u16string kSource = u"os\\XmlOutput";

} // namespace

void XmlWriter::setIndent(int count, std::u16string_view unit) {
    m_indentUnit.clear();
    for (int i = 0; i < count; ++i)
        m_indentUnit += unit;
}

void XmlWriter::setEncodingByName(const std::u16string& name) {
    const int code = XmlEncoding::codeOfName(name);
    setEncoding(code);
    m_encodingName = XmlEncoding::nameOf(code);
}

std::u16string XmlWriter::indentation() const {
    std::u16string out;
    for (int i = 0; i < m_depth; ++i)
        out += m_indentUnit;
    return out;
}

bool XmlWriter::canWriteName(const std::u16string& name, const XmlEncoding& encoding) {
    return encoding.canEncode(name) && XmlReader::isName(name, encoding);
}

void XmlWriter::checkText(std::u16string_view text, const std::u16string& path) {
    const size_t at = text::findNonXmlCharacter(text);
    if (at == std::u16string_view::npos)
        return;
    static const char16_t kHex[] = u"0123456789ABCDEF";
    std::u16string code = u"U+";
    for (int shift = 12; shift >= 0; shift -= 4)
        code += kHex[(text[at] >> shift) & 0xF];
    throw Exception(kSource, 250, messages::kParseError,
                    {path, u"0", u"0", code + u" is no character of XML"});
}

void XmlWriter::checkName(const std::u16string& name) const {
    if (!canWriteName(name, encoding()))
        reportError(240, XmlOutputErrorHandler::kCannotWrite);
}

void XmlWriter::writeDeclaration() {
    if (m_declarationWritten)
        return;
    write(u"<?xml version=\"");
    write(m_version.empty() ? u"1.0" : m_version);
    write(u"\" encoding=\"");
    write(m_encodingName);
    write(u"\" standalone=\"");
    write(m_standalone ? u"yes" : u"no");
    write(u"\"?>");
    write(m_newline);
    m_declarationWritten = true;
}

void XmlWriter::startElement(const std::vector<Attribute>& attributes, const std::u16string& name, bool empty,
                             const std::u16string& text) {
    checkName(name);
    checkText(text, fileName());
    std::u16string tag = indentation() + u"<" + name;
    for (const auto& [attributeName, value] : attributes) {
        if (attributeName.empty())
            continue;
        checkName(attributeName);
        checkText(value, fileName());
        tag += u" " + attributeName + u"=\"" + text::escapeAttribute(value) + u"\"";
    }
    if (empty) {
        if (text.empty())
            tag += u"/>";
        else
            tag += u">" + text::escapeText(text) + u"</" + name + u">";
        write(tag + m_newline);
        return;
    }
    write(tag + u">" + m_newline);
    m_openElements.push_back(name);
    ++m_depth;
    if (!text.empty())
        write(indentation() + text::escapeText(text) + m_newline);
}

void XmlWriter::endElement() {
    if (m_openElements.empty())
        return;
    --m_depth;
    write(indentation() + u"</" + m_openElements.back() + u">" + m_newline);
    m_openElements.pop_back();
}

void XmlWriter::comment(const std::u16string& text) {
    checkText(text, fileName());
    write(indentation() + u"<!-- " + safeComment(text) + u" -->" + m_newline);
}

void XmlWriter::finish() {
    while (!m_openElements.empty())
        endElement();
    m_depth = 0;
    m_declarationWritten = false;
    flush(true);
}

std::u16string XmlWriter::safeComment(std::u16string_view text) {
    std::u16string out;
    for (const char16_t c : text) {
        if (c == u'-' && !out.empty() && out.back() == u'-')
            out += u' ';
        out += c;
    }
    return out;
}
