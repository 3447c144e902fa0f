#include "CssText.h"

namespace css {

namespace {

std::string trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r\n\f");
    if (first == std::string_view::npos)
        return std::string();
    const size_t last = text.find_last_not_of(" \t\r\n\f");
    return std::string(text.substr(first, last - first + 1));
}

// The text without its comments.
std::string withoutComments(std::string_view text) {
    std::string out;
    size_t position = 0;
    while (position < text.size()) {
        const size_t open = text.find("/*", position);
        if (open == std::string_view::npos) {
            out += text.substr(position);
            break;
        }
        out += text.substr(position, open - position);
        const size_t close = text.find("*/", open + 2);
        position = close == std::string_view::npos ? text.size() : close + 2;
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
            // A string ends at its quote, at a line end, or with the text.
            ++position;
            while (position < text.size() && text[position] != c && text[position] != '\n')
                position += text[position] == '\\' ? 2 : 1;
            ++position;
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

// Cuts at separator outside quotes and brackets.
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    char quote = 0;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (c == separator && depth == 0) {
            pieces.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    pieces.push_back(text.substr(start));
    return pieces;
}

} // namespace

Declarations parseDeclarations(std::string_view text) {
    Declarations declarations;
    const std::string clean = withoutComments(text);
    for (const std::string_view piece : split(clean, ';')) {
        const size_t colon = piece.find(':');
        if (colon == std::string_view::npos)
            continue;
        std::string property = asciiLower(trimmed(piece.substr(0, colon)));
        if (property.empty())
            continue;
        setValue(declarations, property, trimmed(piece.substr(colon + 1)));
    }
    return declarations;
}

std::string writeDeclarations(const Declarations& declarations) {
    std::string out;
    for (const Declaration& declaration : declarations) {
        if (!out.empty())
            out += "; ";
        out += declaration.property + ": " + declaration.value;
    }
    return out;
}

std::string getValue(const Declarations& declarations, std::string_view property) {
    for (const Declaration& declaration : declarations)
        if (declaration.property == asciiLower(property))
            return declaration.value;
    return std::string();
}

void setValue(Declarations& declarations, std::string_view property, std::string_view value) {
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
        const std::string selector = trimmed(withoutComments(text.substr(start, open - start)));
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
            out += rule.selector + " { " + writeDeclarations(rule.declarations) + " }";
    }
    return out;
}

} // namespace css
