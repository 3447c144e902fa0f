#include "XHtmlParser.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {

struct Entity {
    const char* name;
    char character;
};
// The entities of the mini-HTML text; a placeholder's code is 2 + the index.
const Entity kEntities[] = {
    {"&amp;", '&'},       {"&bull;", '\x95'}, {"&copy;", '\xA9'},  {"&euro;", '\x80'}, {"&gt;", '>'},
    {"&iquest;", '\xBF'}, {"&lt;", '<'},      {"&nbsp;", ' '},     {"&para;", '\xB6'}, {"&pound;", '\xA3'},
    {"&quot;", '"'},      {"&reg;", '\xAE'},  {"&trade;", '\x99'},
};
constexpr int kFirstCode = 2;

struct SimpleTag {
    const char* text;
    XHtmlToken::Kind kind;
};
// The tags without attributes that come before "<FONT" in the order of matching.
const SimpleTag kStyleTags[] = {
    {"<B>", XHtmlToken::BoldOn},        {"</B>", XHtmlToken::BoldOff},
    {"<I>", XHtmlToken::ItalicOn},      {"</I>", XHtmlToken::ItalicOff},
    {"<U>", XHtmlToken::UnderlineOn},   {"</U>", XHtmlToken::UnderlineOff},
    {"<STRIKE>", XHtmlToken::StrikeOn}, {"</STRIKE>", XHtmlToken::StrikeOff},
    {"<BIG>", XHtmlToken::BigOn},       {"</BIG>", XHtmlToken::BigOff},
    {"<SMALL>", XHtmlToken::SmallOn},   {"</SMALL>", XHtmlToken::SmallOff},
    {"<SUB>", XHtmlToken::SubOn},       {"</SUB>", XHtmlToken::SubOff},
    {"<SUP>", XHtmlToken::SupOn},       {"</SUP>", XHtmlToken::SupOff},
};

// A number as atoi reads it (blanks, a sign, digits), held within a
// million either way, so that no written size overflows.
int readNumber(const char* text) {
    constexpr long kMost = 1000000;
    long value = std::strtol(text, nullptr, 10);
    return static_cast<int>(std::clamp(value, -kMost, kMost));
}

bool startsWith(const char* text, const char* tag) {
    return strncasecmp(text, tag, std::strlen(tag)) == 0;
}

// The FONT tag's attributes, from after "<FONT" to its '>': NAME="value"
// pairs separated by blanks; an unknown name is skipped up to the next
// blank, and a value without its opening quote ends the list.
void readFontAttributes(const char* p, const char* end, XHtmlToken& token) {
    while (p < end) {
        while (p < end && *p == ' ')
            ++p;
        if (p >= end)
            break;
        const char* equals = static_cast<const char*>(std::memchr(p, '=', end - p));
        const char* blank = static_cast<const char*>(std::memchr(p, ' ', end - p));
        if (!equals || (blank && blank < equals)) {
            if (!blank)
                break;
            p = blank;
            continue;
        }
        const CString name(p, static_cast<int>(equals - p));
        const bool known = name.CompareNoCase("COLOR") == 0 || name.CompareNoCase("BGCOLOR") == 0 ||
                           name.CompareNoCase("FACE") == 0 || name.CompareNoCase("SIZE") == 0;
        if (!known) {
            if (!blank)
                break;
            p = blank;
            continue;
        }
        const char* quote = equals + 1;
        if (quote >= end || *quote != '"')
            break;
        const char* close = static_cast<const char*>(std::memchr(quote + 1, '"', end - quote - 1));
        if (!close)
            close = end;
        const CString value(quote + 1, static_cast<int>(close - quote - 1));
        if (name.CompareNoCase("COLOR") == 0) {
            token.hasColor = true;
            token.color = value;
        } else if (name.CompareNoCase("BGCOLOR") == 0) {
            token.hasBackground = true;
            token.background = value;
        } else if (name.CompareNoCase("FACE") == 0) {
            token.hasFace = true;
            token.text = value;
        } else {
            token.hasSize = true;
            token.size = readNumber(value);
        }
        p = close < end ? close + 1 : end;
    }
}

} // namespace

CString XHtmlParser::encodeEntities(const CString& text) {
    CString result;
    const char* p = text;
    while (*p) {
        bool replaced = false;
        if (*p == '&') {
            for (size_t i = 0; i < sizeof kEntities / sizeof kEntities[0]; ++i) {
                const size_t length = std::strlen(kEntities[i].name);
                if (std::strncmp(p, kEntities[i].name, length) == 0) {
                    result += kPlaceholder;
                    result += static_cast<char>(kFirstCode + i);
                    p += length;
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            result += *p++;
    }
    return result;
}

char XHtmlParser::entityCharacter(char code) {
    const int index = static_cast<unsigned char>(code) - kFirstCode;
    if (index < 0 || index >= static_cast<int>(sizeof kEntities / sizeof kEntities[0]))
        return ' ';
    return kEntities[index].character;
}

std::vector<XHtmlToken> XHtmlParser::parse(const CString& source) {
    const CString encoded = encodeEntities(source);
    std::vector<XHtmlToken> tokens;
    const char* p = encoded;
    const char* const end = p + encoded.GetLength();
    // The rest of a matched tag up to and including its '>'.
    auto tagEnd = [end](const char* from) {
        const char* close = static_cast<const char*>(std::memchr(from, '>', end - from));
        return close ? close + 1 : end;
    };
    while (p < end) {
        XHtmlToken token;
        bool matched = false;
        for (const SimpleTag& tag : kStyleTags) {
            if (startsWith(p, tag.text)) {
                token.kind = tag.kind;
                p += std::strlen(tag.text);
                matched = true;
                break;
            }
        }
        if (!matched) {
            matched = true;
            if (startsWith(p, "<FONT")) {
                token.kind = XHtmlToken::Font;
                const char* close = tagEnd(p);
                readFontAttributes(p + 5, close[-1] == '>' ? close - 1 : close, token);
                p = close;
            } else if (startsWith(p, "</FONT>")) {
                token.kind = XHtmlToken::FontEnd;
                p = tagEnd(p);
            } else if (startsWith(p, "<CODE>")) {
                token.kind = XHtmlToken::CodeOn;
                p = tagEnd(p);
            } else if (startsWith(p, "</CODE>")) {
                token.kind = XHtmlToken::CodeOff;
                p = tagEnd(p);
            } else if (startsWith(p, "<A HREF=")) {
                token.kind = XHtmlToken::Link;
                const char* close = tagEnd(p);
                const char* from = p + 8;
                token.text = CString(from, static_cast<int>((close[-1] == '>' ? close - 1 : close) - from));
                p = close;
            } else if (startsWith(p, "</A>")) {
                token.kind = XHtmlToken::LinkEnd;
                p = tagEnd(p);
            } else if (startsWith(p, "<HR")) {
                token.kind = XHtmlToken::Rule;
                const char* close = tagEnd(p);
                for (const char* q = p + 3; q + 5 <= close; ++q) {
                    if (strncasecmp(q, "SIZE=", 5) == 0) {
                        token.hasSize = true;
                        token.size = readNumber(CString(q + 5, static_cast<int>(close - q - 5)));
                        break;
                    }
                }
                p = close;
            } else if (startsWith(p, "<BR>")) {
                token.kind = XHtmlToken::LineBreak;
                p = tagEnd(p);
            } else {
                matched = false;
            }
        }
        if (!matched) {
            // Text up to the next '<'; a '<' that starts no tag stands alone.
            const char* next = *p == '<' ? p + 1 : static_cast<const char*>(std::memchr(p, '<', end - p));
            if (!next)
                next = end;
            token.kind = XHtmlToken::Text;
            token.text = CString(p, static_cast<int>(next - p));
            p = next;
        }
        tokens.push_back(std::move(token));
    }
    return tokens;
}
