#include "CssText.h"

#include <algorithm>

namespace css {

namespace {

std::string trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n\f");
    if (first == std::string_view::npos)
        return std::string();
    const size_t last = text.find_last_not_of(" \t\r\n\f");
    return std::string(text.substr(first, last - first + 1));
}

// Where the quoted string that starts at position ends (after its quote, a
// line end, or at the end of the text); a backslash escapes the next character.
size_t stringEnd(std::string_view text, size_t position) {
    const char quote = text[position++];
    while (position < text.size() && text[position] != quote && text[position] != '\n')
        position +=
            text[position] == '\\' && position + 1 < text.size() && text[position + 1] != '\n' ? 2 : 1;
    return std::min(position + 1, text.size());
}

// The text without its comments (a comment inside a string is none).
std::string withoutComments(std::string_view text) {
    std::string out;
    size_t position = 0;
    while (position < text.size()) {
        const char c = text[position];
        if (c == '"' || c == '\'') {
            const size_t end = stringEnd(text, position);
            out += text.substr(position, end - position);
            position = end;
        } else if (text.compare(position, 2, "/*") == 0) {
            const size_t close = text.find("*/", position + 2);
            position = close == std::string_view::npos ? text.size() : close + 2;
        } else {
            out += c;
            ++position;
        }
    }
    return out;
}

// Where the first comment or blank that is not one ends, from position.
size_t skipBlanksAndComments(std::string_view text, size_t position) {
    while (position < text.size()) {
        if (text.compare(position, 2, "/*") == 0) {
            const size_t close = text.find("*/", position + 2);
            position = close == std::string_view::npos ? text.size() : close + 2;
        } else if (std::string_view(" \t\r\n\f").find(text[position]) != std::string_view::npos) {
            ++position;
        } else {
            break;
        }
    }
    return position;
}

// The first of the characters at or after position that stands outside
// comments and quoted strings; npos when none does.
size_t findOutside(std::string_view text, size_t position, std::string_view characters) {
    while (position < text.size()) {
        const char c = text[position];
        if (text.compare(position, 2, "/*") == 0) {
            const size_t close = text.find("*/", position + 2);
            position = close == std::string_view::npos ? text.size() : close + 2;
        } else if (c == '"' || c == '\'') {
            position = stringEnd(text, position);
        } else if (characters.find(c) != std::string_view::npos) {
            return position;
        } else {
            ++position;
        }
    }
    return std::string_view::npos;
}

// ASCII letters in lower case; every other byte as it is.
std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Follows quoted strings (ended by their quote, a line end or the text;
// a backslash escapes the next character) and brackets, one character at a
// time, as the sheet's reader sees them.
class Scanner {
public:
    // Takes the character at position; answers how many characters it covers.
    size_t take(std::string_view text, size_t position) {
        const char c = text[position];
        if (m_quote) {
            if (c == '\\' && position + 1 < text.size() && text[position + 1] != '\n')
                return 2;
            if (c == m_quote || c == '\n')
                m_quote = 0;
            return 1;
        }
        if (c == '"' || c == '\'')
            m_quote = c;
        else if (c == '(')
            ++m_parentheses;
        else if (c == ')' && m_parentheses > 0)
            --m_parentheses;
        else if (c == '{')
            ++m_braces;
        else if (c == '}' && m_braces > 0)
            --m_braces;
        return 1;
    }
    // Outside strings and brackets.
    bool atTop() const { return !m_quote && m_parentheses == 0 && m_braces == 0; }
    char quote() const { return m_quote; }
    int parentheses() const { return m_parentheses; }
    int braces() const { return m_braces; }

private:
    char m_quote = 0;
    int m_parentheses = 0;
    int m_braces = 0;
};

// Cuts at separator outside strings and brackets.
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    Scanner scanner;
    size_t start = 0;
    for (size_t i = 0; i < text.size();) {
        if (text[i] == separator && scanner.atTop()) {
            pieces.push_back(text.substr(start, i - start));
            start = ++i;
            continue;
        }
        i += scanner.take(text, i);
    }
    pieces.push_back(text.substr(std::min(start, text.size())));
    return pieces;
}

// Whether the string that starts the text ends with its quote (one no backslash escapes).
bool isClosedString(std::string_view text) {
    if (text.size() < 2 || text.back() != text.front())
        return false;
    size_t backslashes = 0;
    for (size_t i = text.size() - 1; i > 1 && text[i - 1] == '\\'; --i)
        ++backslashes;
    return backslashes % 2 == 0;
}

// Closes a string the text leaves open; a backslash that would escape the
// closing quote goes, as at the end of a sheet.
void closeString(std::string& text, char quote) {
    size_t backslashes = 0;
    while (backslashes < text.size() && text[text.size() - 1 - backslashes] == '\\')
        ++backslashes;
    if (backslashes % 2 == 1)
        text.pop_back();
    text += quote;
}

// The text with a string it leaves open closed: a selector whose string
// ran to its line end, written before " { ".
std::string withStringClosed(std::string_view text) {
    std::string out(text);
    for (size_t position = 0; position < text.size();) {
        if (text.compare(position, 2, "/*") == 0) {
            const size_t close = text.find("*/", position + 2);
            position = close == std::string_view::npos ? text.size() : close + 2;
            continue;
        }
        if (text[position] != '"' && text[position] != '\'') {
            ++position;
            continue;
        }
        const size_t end = stringEnd(text, position);
        if (end == text.size() && !isClosedString(text.substr(position)))
            closeString(out, text[position]);
        position = end;
    }
    return out;
}

// A piece of a block that is no declaration, closed so that written into a
// rule it stays inside it: closing brackets it does not open go, and what
// it leaves open (a string, brackets) is closed.
std::string closed(std::string_view piece) {
    std::string out;
    Scanner scanner;
    for (size_t i = 0; i < piece.size();) {
        const char c = piece[i];
        const int braces = scanner.braces(), parentheses = scanner.parentheses();
        const bool quoted = scanner.quote() != 0;
        const size_t length = scanner.take(piece, i);
        if (!quoted && ((c == '}' && braces == 0) || (c == ')' && parentheses == 0))) {
            i += length;
            continue;
        }
        out += piece.substr(i, length);
        i += length;
    }
    if (scanner.quote())
        closeString(out, scanner.quote());
    out.append(scanner.parentheses(), ')');
    out.append(scanner.braces(), '}');
    return out;
}

} // namespace

Declarations parseDeclarations(std::string_view text) {
    Declarations declarations;
    const std::string clean = withoutComments(text);
    for (const std::string_view piece : split(clean, ';')) {
        const std::string whole = trimmed(piece);
        if (whole.empty())
            continue;
        const size_t colon = piece.find(':');
        const std::string property =
            colon == std::string_view::npos ? std::string() : asciiLower(trimmed(piece.substr(0, colon)));
        // What is no declaration (a nested block, a word) is kept as it is.
        if (property.empty() || property.find_first_of("{}\"'()") != std::string::npos) {
            declarations.push_back({std::string(), closed(whole)});
            continue;
        }
        setValue(declarations, property, closed(trimmed(piece.substr(colon + 1))));
    }
    return declarations;
}

std::string writeDeclarations(const Declarations& declarations) {
    std::string out;
    for (const Declaration& declaration : declarations) {
        if (!out.empty())
            out += "; ";
        out += declaration.property.empty() ? declaration.value
                                            : declaration.property + ": " + declaration.value;
    }
    return out;
}

std::string getValue(const Declarations& declarations, std::string_view property) {
    if (!property.empty())
        for (const Declaration& declaration : declarations)
            if (declaration.property == asciiLower(property))
                return declaration.value;
    return std::string();
}

void setValue(Declarations& declarations, std::string_view property, std::string_view value) {
    if (property.empty())
        return;
    for (auto it = declarations.begin(); it != declarations.end(); ++it)
        if (it->property == asciiLower(property)) {
            if (value.empty())
                declarations.erase(it);
            else
                it->value = std::string(value);
            return;
        }
    if (!value.empty())
        declarations.push_back({asciiLower(property), std::string(value)});
}

bool hasSelector(const Rule& rule, std::string_view selector) {
    return rule.raw.empty() && !rule.selector.empty() && asciiLower(rule.selector) == asciiLower(selector);
}

std::vector<Rule> parseSheet(std::string_view text) {
    std::vector<Rule> rules;
    size_t position = 0;
    while (position < text.size()) {
        const size_t start = skipBlanksAndComments(text, position);
        const size_t open = start < text.size() ? findOutside(text, start, "{") : std::string_view::npos;
        if (open == std::string_view::npos) {
            // Text that is no rule, kept as it is.
            Rule rest;
            rest.raw = rest.text = std::string(text.substr(position));
            rules.push_back(std::move(rest));
            break;
        }
        // The block ends at its matching brace, or with the sheet.
        size_t close = open + 1;
        int depth = 1;
        for (;; ++close) {
            close = findOutside(text, close, "{}");
            if (close == std::string_view::npos) {
                close = text.size();
                break;
            }
            if (text[close] == '{')
                ++depth;
            else if (--depth == 0)
                break;
        }
        const size_t end = close < text.size() ? close + 1 : close;
        Rule rule;
        rule.lead = std::string(text.substr(position, start - position));
        rule.text = std::string(text.substr(start, end - start));
        rule.unclosed = close < text.size() ? 0 : depth;
        rule.prelude = trimmed(text.substr(start, open - start));
        // The selector as the rule is written when edited.
        const std::string selector = trimmed(withoutComments(withStringClosed(rule.prelude)));
        if (!selector.empty() && selector[0] == '@') {
            rule.raw = rule.text;
        } else {
            rule.selector = selector;
            rule.declarations = parseDeclarations(text.substr(open + 1, close - open - 1));
        }
        rules.push_back(std::move(rule));
        position = end;
    }
    return rules;
}

std::string writeSheet(const std::vector<Rule>& rules) {
    std::string out;
    for (size_t i = 0; i < rules.size(); ++i) {
        const Rule& rule = rules[i];
        if (!rule.text.empty() && !rule.edited) {
            out += rule.lead;
            out += rule.text;
            if (i + 1 < rules.size())
                out.append(rule.unclosed, '}');
            continue;
        }
        out += rule.text.empty() ? (out.empty() ? "" : "\n") : rule.lead;
        if (!rule.raw.empty())
            out += rule.raw;
        else
            out += (rule.prelude.empty() ? rule.selector : withStringClosed(rule.prelude)) + " { " +
                   writeDeclarations(rule.declarations) + " }";
    }
    return out;
}

} // namespace css
