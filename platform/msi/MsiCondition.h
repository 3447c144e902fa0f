#pragma once

// Evaluates a conditional statement of the installer: property names (true
// when set), %environment variables, ?component and $component states
// (!feature and &feature states are unknown: the stand-in installs no
// features), integers, "quoted texts", the comparisons = <> < <= > >= with
// >< (contains, or bitwise and), << (starts with, or high word) and >>
// (ends with, or low word), each case-insensitive after ~, and the logical
// operators NOT, AND, OR, XOR, EQV, IMP in this order of precedence.

#include "Msi.h"

#include <string>

class MsiValueSource;

class MsiCondition {
public:
    // MSICONDITION_NONE for an empty condition, MSICONDITION_ERROR for one
    // that does not parse.
    static MSICONDITION evaluate(const std::u16string& condition, const MsiValueSource& source);
};
