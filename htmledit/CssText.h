#pragma once

// The little CSS the page editor reads and writes: the declarations of an
// inline style attribute and the rules of an embedded style sheet. A sheet
// is written back as it was read but for the rules an edit changed; rules it
// does not understand (at-rules) and text that is no rule are kept as
// written. Property names are compared and written in lower case, ASCII
// letters only, so that a name in any script stays as it is.

#include <string>
#include <string_view>
#include <vector>

namespace css {

struct Declaration {
    std::string property; // lower case; empty for a piece that is no declaration, kept whole as value
    std::string value;
};
using Declarations = std::vector<Declaration>;

Declarations parseDeclarations(std::string_view text);
// "name: value; name: value"
std::string writeDeclarations(const Declarations& declarations);
// The value of a property (name ignoring case); empty when absent.
std::string getValue(const Declarations& declarations, std::string_view property);
// Replaces the property in place or appends it; an empty value removes it.
void setValue(Declarations& declarations, std::string_view property, std::string_view value);

struct Rule {
    std::string selector;
    Declarations declarations;
    // An at-rule, or text after the last rule: kept whole; selector and
    // declarations are then empty.
    std::string raw;
    // As the sheet has it: the blanks and comments before the rule, the
    // rule's own text, and the part of it before its block, comments
    // included (all empty for a rule an edit adds).
    std::string lead;
    std::string text;
    std::string prelude;
    // Braces the rule leaves open at the end of the sheet; closed when a
    // rule is added after it, which would otherwise fall inside it.
    int unclosed = 0;
    // Set by an edit of the selector or the declarations: the rule is then
    // written anew, "SELECTOR { name: value; name: value }".
    bool edited = false;
};

// Whether the rule is a style rule of that selector (UTF-8), compared
// ignoring the case of ASCII letters.
bool hasSelector(const Rule& rule, std::string_view selector);

std::vector<Rule> parseSheet(std::string_view text);
// The rules read, as they were read; edited ones written anew in their
// place, added ones on lines of their own.
std::string writeSheet(const std::vector<Rule>& rules);

} // namespace css
