#include "Encoding.h"

namespace encoding {
namespace {

// Code points of the bytes 0x80-0x9F; the rest of the page equals Latin-1.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t codePointOf(unsigned char b) {
    if (b >= 0x80 && b < 0xA0)
        return kHighControls[b - 0x80];
    return b;
}

// -1 when the code point has no byte in the code page.
int byteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == cp)
            return 0x80 + i;
    return -1;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one UTF-8 sequence at text[i]; returns its length, 0 when invalid.
size_t decodeUtf8(std::string_view text, size_t i, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    }
    size_t len;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size())
        return 0;
    for (size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

// Like decodeUtf8, but a byte that begins no valid sequence is read as a
// Windows-1252 character; always at least 1.
size_t decodeUtf8OrCp1252(std::string_view text, size_t i, char32_t& cp) {
    const size_t len = decodeUtf8(text, i, cp);
    if (len > 0)
        return len;
    cp = codePointOf(static_cast<unsigned char>(text[i]));
    return 1;
}

// Decodes the character at text[i], moving i past a surrogate pair; a lone
// surrogate gives U+FFFD.
char32_t decodeUtf16(std::u16string_view text, size_t& i) {
    const char32_t cp = text[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
        ++i;
        return 0x10000 + ((cp - 0xD800) << 10) + (text[i] - 0xDC00);
    }
    return cp >= 0xD800 && cp <= 0xDFFF ? 0xFFFD : cp;
}

// UTF-8 text with each character passed through map (bytes that are not
// UTF-8 read as Windows-1252).
template <class Map> std::string mapUtf8(std::string_view text, Map map) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t cp;
        i += decodeUtf8OrCp1252(text, i, cp);
        appendUtf8(out, map(cp));
    }
    return out;
}

} // namespace

std::string cp1252ToUtf8(std::string_view text) {
    if (isAscii(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    if (isAscii(text))
        return std::string(text);
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t cp;
        const size_t len = decodeUtf8(text, i, cp);
        if (len == 0) {
            out += text[i];
            ++i;
            continue;
        }
        const int b = byteOf(cp);
        out += b < 0 ? '?' : static_cast<char>(b);
        i += len;
    }
    return out;
}

bool isValidUtf8(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        char32_t cp;
        const size_t len = decodeUtf8(text, i, cp);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

std::u16string cp1252ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char c : text)
        out += static_cast<char16_t>(codePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string utf16ToCp1252(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const int b = byteOf(decodeUtf16(text, i));
        out += b < 0 ? '?' : static_cast<char>(b);
    }
    return out;
}

std::string utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i)
        appendUtf8(out, decodeUtf16(text, i));
    return out;
}

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t cp;
        i += decodeUtf8OrCp1252(text, i, cp);
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string toValidUtf8(std::string_view text) {
    if (isAscii(text))
        return std::string(text);
    return mapUtf8(text, [](char32_t cp) { return cp; });
}

std::string toLowerUtf8(std::string_view text) {
    if (isAscii(text))
        return toLower(text);
    return mapUtf8(text, [](char32_t cp) {
        const int b = byteOf(cp);
        return b < 0 ? cp : codePointOf(static_cast<unsigned char>(toLower(static_cast<char>(b))));
    });
}

// Most text the program converts (names, keys, paths) is ASCII, the same in
// every encoding here: it is copied as it is.
bool isAscii(std::string_view text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

char toLower(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'A' && b <= 'Z')
        return static_cast<char>(b + 32);
    if (b >= 0xC0 && b <= 0xDE && b != 0xD7)
        return static_cast<char>(b + 32);
    switch (b) {
    case 0x8A:
        return static_cast<char>(0x9A);
    case 0x8C:
        return static_cast<char>(0x9C);
    case 0x8E:
        return static_cast<char>(0x9E);
    case 0x9F:
        return static_cast<char>(0xFF);
    default:
        return c;
    }
}

char toUpper(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z')
        return static_cast<char>(b - 32);
    if (b >= 0xE0 && b <= 0xFE && b != 0xF7)
        return static_cast<char>(b - 32);
    switch (b) {
    case 0x9A:
        return static_cast<char>(0x8A);
    case 0x9C:
        return static_cast<char>(0x8C);
    case 0x9E:
        return static_cast<char>(0x8E);
    case 0xFF:
        return static_cast<char>(0x9F);
    default:
        return c;
    }
}

std::string toLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = toLower(c);
    return out;
}

std::string toUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = toUpper(c);
    return out;
}

int compareNoCase(std::string_view a, std::string_view b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(toLower(a[i]));
        const auto y = static_cast<unsigned char>(toLower(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace encoding
