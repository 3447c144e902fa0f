#pragma once

// One attribute: a row of FW_XmlAttribute (origin 0, with its flags and
// Order) or an attribute read from a document's start tag (origin 1, flags
// 0, its position in the tag as order).

#include <cstdint>
#include <string>

struct XmlAttributeRecord {
    enum Origin { kFromTable = 0, kFromDocument = 1 };

    std::int32_t origin = kFromTable;
    std::u16string name;
    std::u16string value;
    std::int32_t flags = 0;
    std::int32_t order = 0;

    // Stores text when it differs from the value (exact comparison); true then.
    bool setValueIfDifferent(const std::u16string& text) {
        if (value == text)
            return false;
        value = text;
        return true;
    }

    static bool orderLess(const XmlAttributeRecord& a, const XmlAttributeRecord& b) {
        return a.order < b.order;
    }
    // Attributes already in a document come before attributes from rows;
    // then by order.
    static bool mergeLess(const XmlAttributeRecord& a, const XmlAttributeRecord& b) {
        if (a.origin != b.origin)
            return a.origin == kFromDocument;
        return a.order < b.order;
    }
};
