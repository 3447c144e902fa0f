#include "XmlText.h"

#include "Encoding.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

// Whether the text from at begins an entity reference that XML knows:
// one of its five names, or a decimal or hexadecimal character reference.
bool beginsXmlEntity(const std::string& text, size_t at) {
    const size_t end = text.find(';', at);
    if (end == std::string::npos)
        return false;
    const std::string name = text.substr(at + 1, end - at - 1);
    if (name == "amp" || name == "lt" || name == "gt" || name == "quot" || name == "apos")
        return true;
    if (name.size() < 2 || name[0] != '#')
        return false;
    const bool hex = name[1] == 'x';
    const size_t digits = hex ? 2 : 1;
    return name.size() > digits && std::all_of(name.begin() + digits, name.end(), [hex](unsigned char c) {
               return hex ? std::isxdigit(c) != 0 : std::isdigit(c) != 0;
           });
}

bool isForbidden(unsigned char c) {
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

bool fitsCharset(const std::string& bytes, const std::string& charset) {
    auto any = [&bytes](auto test) {
        return std::any_of(bytes.begin(), bytes.end(),
                           [&](char c) { return test(static_cast<unsigned char>(c)); });
    };
    if (charset == "iso-8859-1" || charset == "iso8859-1" || charset == "latin1")
        return !any([](unsigned char c) { return c >= 0x80 && c <= 0x9F; });
    if (charset == "windows-1252" || charset == "cp1252")
        return !any(
            [](unsigned char c) { return c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D; });
    if (charset == "us-ascii" || charset == "ascii")
        return !any([](unsigned char c) { return c >= 0x80; });
    return false;
}

} // namespace

CString XmlText::escape(const CString& value) {
    CString text = value;
    text.Replace("&", "&amp;");
    text.Replace("<", "&lt;");
    text.Replace(">", "&gt;");
    return text;
}

CString XmlText::content(const CString& markup) {
    std::string text = markup.str();
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '<')
            result += "&lt;";
        else if (c == '>')
            result += "&gt;";
        else if (c == '&' && text.compare(i, 6, "&nbsp;") == 0) {
            result += "&#160;";
            i += 5;
        } else if (c == '&' && !beginsXmlEntity(text, i))
            result += "&amp;";
        else
            result += c;
    }
    return CString(result);
}

CString XmlText::withoutForbidden(const CString& text) {
    std::string kept;
    kept.reserve(text.str().size());
    for (const char c : text.str())
        if (!isForbidden(static_cast<unsigned char>(c)))
            kept += c;
    return CString(std::move(kept));
}

CString XmlText::characterData(const CString& text) {
    CString data = text;
    data.Replace("]]>", "]]]]><![CDATA[>");
    return data;
}

CString XmlText::unescape(const CString& xml) {
    const std::string& text = xml.str();
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&' || !beginsXmlEntity(text, i)) {
            result += text[i];
            continue;
        }
        const size_t end = text.find(';', i);
        const std::string name = text.substr(i + 1, end - i - 1);
        i = end;
        if (name == "amp")
            result += '&';
        else if (name == "lt")
            result += '<';
        else if (name == "gt")
            result += '>';
        else if (name == "quot")
            result += '"';
        else if (name == "apos")
            result += '\'';
        else {
            const bool hex = name[1] == 'x';
            const unsigned long code = std::strtoul(name.c_str() + (hex ? 2 : 1), nullptr, hex ? 16 : 10);
            std::u16string character;
            if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
                character = u"?";
            else if (code >= 0x10000)
                character = {static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)),
                             static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF))};
            else
                character = {static_cast<char16_t>(code)};
            result += encoding::utf16ToCp1252(character);
        }
    }
    return CString(std::move(result));
}

XmlText::Encoded XmlText::encode(const std::string& document, const CString& charset) {
    const std::string bytes = withoutForbidden(CString(document)).str();
    const std::string name = encoding::toLower(charset.str());
    if (name == "utf-8" || name == "utf8")
        return {charset, encoding::cp1252ToUtf8(bytes)};
    if (fitsCharset(bytes, name))
        return {charset, bytes};
    return {"UTF-8", encoding::cp1252ToUtf8(bytes)};
}
