#include "CssText.h"

#include "Encoding.h"

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
        std::string property = encoding::toLower(trimmed(piece.substr(0, colon)));
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
        if (encoding::equalsNoCase(declaration.property, property))
            return declaration.value;
    return std::string();
}

void setValue(Declarations& declarations, std::string_view property, std::string_view value) {
    for (auto it = declarations.begin(); it != declarations.end(); ++it)
        if (encoding::equalsNoCase(it->property, property)) {
            if (value.empty())
                declarations.erase(it);
            else
                it->value = std::string(value);
            return;
        }
    if (!value.empty())
        declarations.push_back({encoding::toLower(property), std::string(value)});
}

std::vector<Rule> parseSheet(std::string_view text) {
    std::vector<Rule> rules;
    const std::string clean = withoutComments(text);
    const std::string_view sheet(clean);
    size_t position = 0;
    while (position < sheet.size()) {
        const size_t open = sheet.find('{', position);
        if (open == std::string_view::npos)
            break;
        const std::string selector = trimmed(sheet.substr(position, open - position));
        // The block ends at its matching brace.
        size_t close = open + 1;
        for (int depth = 1; close < sheet.size(); ++close) {
            if (sheet[close] == '{')
                ++depth;
            else if (sheet[close] == '}' && --depth == 0)
                break;
        }
        Rule rule;
        if (!selector.empty() && selector[0] == '@') {
            rule.raw = trimmed(sheet.substr(position, (close < sheet.size() ? close + 1 : close) - position));
        } else {
            rule.selector = selector;
            rule.declarations = parseDeclarations(sheet.substr(open + 1, close - open - 1));
        }
        rules.push_back(std::move(rule));
        position = close + 1;
    }
    return rules;
}

std::string writeSheet(const std::vector<Rule>& rules) {
    std::string out;
    for (const Rule& rule : rules) {
        if (!out.empty())
            out += '\n';
        if (!rule.raw.empty())
            out += rule.raw;
        else
            out += rule.selector + " { " + writeDeclarations(rule.declarations) + " }";
    }
    return out;
}

} // namespace css
