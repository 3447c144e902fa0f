#pragma once

// The little CSS the page editor reads and writes: the declarations of an
// inline style attribute and the rules of an embedded style sheet. Rules it
// does not understand (at-rules) are kept as written.

#include <string>
#include <string_view>
#include <vector>

namespace css {

struct Declaration {
    std::string property; // lower case
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
    std::string raw; // an at-rule, kept whole; selector and declarations are then empty
};

std::vector<Rule> parseSheet(std::string_view text);
// One rule a line: "SELECTOR { name: value; name: value }".
std::string writeSheet(const std::vector<Rule>& rules);

} // namespace css
