#pragma once

// One row of FW_XmlLocator: a test on an element of a pattern and the value
// that the element then gives to a property.

#include <cstdint>
#include <string>

struct XmlLocatorRecord {
    // Codes of Type (the test) and of ResultType (what is taken).
    enum Kind { kPosition = 1, kText = 2, kAttributeName = 4, kAttributeValue = 16 };

    std::u16string key;
    std::u16string elementKey; // the pattern it belongs to
    std::u16string property;   // may be empty: the test still applies
    std::int32_t type = 0;
    std::int32_t resultType = 0;
    std::u16string value; // operand of the test and of the result
    std::int32_t order = 0;
};
