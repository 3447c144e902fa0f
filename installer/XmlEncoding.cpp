#include "XmlEncoding.h"

#include "Text.h"

#include "Encoding.h"

namespace {

const char16_t* const kNames[] = {u"UTF-8", u"UTF-16", u"ISO-8859-1", u"Windows-1252", u"US-ASCII"};
constexpr int kNameCount = sizeof(kNames) / sizeof(kNames[0]);

bool isHighSurrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}

bool isLowSurrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

std::string reference(char32_t c) {
    std::string out = "&#";
    out += std::to_string(static_cast<unsigned long>(c));
    return out + ";";
}

void appendUnit(std::string& out, char16_t unit, bool bigEndian) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

// Calls f with each character of text, a surrogate pair joined into one;
// a lone surrogate stands for itself.
template <class F> void forEachCharacter(std::u16string_view text, F&& f) {
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            f(c, text.substr(i, 2));
            ++i;
        } else {
            f(c, text.substr(i, 1));
        }
    }
}

} // namespace

int XmlEncoding::codeOfName(std::u16string_view name) {
    for (int code = 0; code < kNameCount; ++code) {
        if (text::equals(name, kNames[code], false))
            return code;
    }
    return -1;
}

std::u16string XmlEncoding::nameOf(int code) {
    return code >= 0 && code < kNameCount ? kNames[code] : u"";
}

XmlEncoding XmlEncoding::detect(std::string_view bytes) {
    if (bytes.size() < 2)
        return XmlEncoding();
    const unsigned char first = static_cast<unsigned char>(bytes[0]);
    const unsigned char second = static_cast<unsigned char>(bytes[1]);
    if (first == 0xFF && second == 0xFE)
        return XmlEncoding(kUtf16, false);
    if (first == 0xFE && second == 0xFF)
        return XmlEncoding(kUtf16, true);
    if (first == 0 && second != 0)
        return XmlEncoding(kUtf16, true);
    if (first != 0 && second == 0)
        return XmlEncoding(kUtf16, false);
    return XmlEncoding();
}

bool XmlEncoding::canEncode(char32_t c) const {
    switch (m_code) {
    case kUtf8:
    case kUtf16:
        return true;
    case kIso88591:
        return c <= 0xFF;
    case kWindows1252:
        if (c < 0x80)
            return true;
        // The code page has no "?" above 0x7F, so a "?" means the character is missing.
        return c <= 0xFFFF && encoding::utf16ToCp1252(std::u16string(1, static_cast<char16_t>(c))) != "?";
    case kUsAscii:
        return c < 0x80;
    default:
        return false;
    }
}

bool XmlEncoding::canEncode(std::u16string_view text) const {
    bool all = true;
    forEachCharacter(text, [&](char32_t c, std::u16string_view) { all = all && canEncode(c); });
    return all;
}

std::string XmlEncoding::encode(std::u16string_view text) const {
    std::string out;
    switch (m_code) {
    case kUtf8:
        return encoding::utf16ToUtf8(text);
    case kUtf16:
        out.reserve(text.size() * 2);
        for (const char16_t unit : text)
            appendUnit(out, unit, m_bigEndian);
        return out;
    default:
        break;
    }
    out.reserve(text.size());
    forEachCharacter(text, [&](char32_t c, std::u16string_view units) {
        if (units.size() == 1 && (isHighSurrogate(units[0]) || isLowSurrogate(units[0])))
            c = 0xFFFD; // a lone surrogate is no character; its reference would not parse
        if (!canEncode(c))
            out += reference(c);
        else if (m_code == kWindows1252)
            out += encoding::utf16ToCp1252(units);
        else
            out += static_cast<char>(c);
    });
    return out;
}

int XmlEncoding::unitAt(std::string_view bytes, std::int64_t pos) const {
    const std::int64_t size = static_cast<std::int64_t>(bytes.size());
    if (pos < 0 || pos + unitSize() > size)
        return -1;
    const auto byte = [&](std::int64_t at) {
        return static_cast<unsigned char>(bytes[static_cast<size_t>(at)]);
    };
    if (!isUtf16())
        return byte(pos);
    return m_bigEndian ? (byte(pos) << 8) | byte(pos + 1) : byte(pos) | (byte(pos + 1) << 8);
}
