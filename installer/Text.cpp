#include "Text.h"

#include <algorithm>
#include <climits>

namespace text {

namespace {

char16_t foldAscii(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
}

bool sameText(std::u16string_view a, std::u16string_view b, bool caseSensitive) {
    if (caseSensitive)
        return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return foldAscii(x) == foldAscii(y); });
}

std::u16string decimal(std::uint64_t value, bool negative) {
    std::u16string out;
    do {
        out.insert(out.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value);
    if (negative)
        out.insert(out.begin(), u'-');
    return out;
}

// Attribute values also escape both quotes and write tab and line ends as
// references; character data keeps them as they are.
std::u16string escapeMarkup(std::u16string_view text, bool attribute) {
    std::u16string out;
    for (const char16_t c : text) {
        switch (c) {
        case u'&':
            out += u"&amp;";
            break;
        case u'<':
            out += u"&lt;";
            break;
        case u'>':
            out += u"&gt;";
            break;
        case u'"':
            out += attribute ? u"&quot;" : u"\"";
            break;
        case u'\'':
            out += attribute ? u"&apos;" : u"'";
            break;
        default:
            if (attribute && c < 0x20)
                out += u"&#" + decimal(c, false) + u";";
            else
                out += c;
        }
    }
    return out;
}

} // namespace

size_t findNonXmlCharacter(std::u16string_view text) {
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            ++i; // a whole pair
            continue;
        }
        const bool allowed = c == u'\t' || c == u'\n' || c == u'\r' || (c >= 0x20 && c < 0xD800) ||
                             (c >= 0xE000 && c <= 0xFFFD);
        if (!allowed)
            return i;
    }
    return std::u16string_view::npos;
}

std::vector<std::u16string> split(std::u16string_view text, std::u16string_view separator) {
    std::vector<std::u16string> pieces;
    if (text.empty())
        return pieces;
    if (separator.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    size_t start = 0;
    for (;;) {
        const size_t found = text.find(separator, start);
        if (found == std::u16string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, found - start));
        start = found + separator.size();
    }
}

std::u16string replaceAll(std::u16string_view text, std::u16string_view what, std::u16string_view with) {
    std::u16string out(text);
    if (out.empty() || what.empty())
        return out;
    size_t pos = 0;
    while ((pos = out.find(what, pos)) != std::u16string::npos) {
        out.replace(pos, what.size(), with);
        pos += with.size();
    }
    return out;
}

bool startsWith(std::u16string_view prefix, std::u16string_view text, bool caseSensitive) {
    if (prefix.empty() || text.size() < prefix.size())
        return false;
    return sameText(text.substr(0, prefix.size()), prefix, caseSensitive);
}

bool endsWith(std::u16string_view text, std::u16string_view suffix, bool caseSensitive) {
    if (suffix.empty() || text.size() < suffix.size())
        return false;
    return sameText(text.substr(text.size() - suffix.size()), suffix, caseSensitive);
}

std::u16string trimRight(std::u16string_view text, std::u16string_view set) {
    const size_t last = text.find_last_not_of(set);
    return last == std::u16string_view::npos ? std::u16string() : std::u16string(text.substr(0, last + 1));
}

std::u16string trimLeft(std::u16string_view text, std::u16string_view set) {
    const size_t first = text.find_first_not_of(set);
    return first == std::u16string_view::npos ? std::u16string() : std::u16string(text.substr(first));
}

std::u16string trim(std::u16string_view text, std::u16string_view set) {
    return trimLeft(trimRight(text, set), set);
}

bool equals(std::u16string_view a, std::u16string_view b, bool caseSensitive) {
    return a.size() == b.size() && sameText(a, b, caseSensitive);
}

std::u16string toText(std::int32_t value) {
    const bool negative = value < 0;
    const std::uint64_t magnitude = negative ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(value))
                                             : static_cast<std::uint64_t>(value);
    return decimal(magnitude, negative);
}

std::u16string toTextUnsigned(std::uint32_t value) {
    return decimal(value, false);
}

std::int32_t toInt(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min<std::int64_t>(value * 10 + (text[i] - u'0'), std::int64_t(INT_MAX) + 1);
    if (negative)
        value = -value;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

std::u16string escapeAttribute(std::u16string_view text) {
    return escapeMarkup(text, true);
}

std::u16string escapeText(std::u16string_view text) {
    return escapeMarkup(text, false);
}

} // namespace text
