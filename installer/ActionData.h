#pragma once

// The text in which the immediate actions hand installer properties and
// table rows to the deferred, rollback and commit actions: sections
// separated by U+0003, rows of a section by U+0002, fields of a row by
// U+0001. A field that holds one of these characters, or the escape
// U+0004, has it written as U+0004 followed by "1", "2", "3" or "4", so
// every value comes back whole; all other text is written as it is.

#include <string>
#include <string_view>
#include <vector>

class ActionData {
public:
    using Row = std::vector<std::u16string>;
    using Section = std::vector<Row>;

    static constexpr char16_t kFieldSeparator = 0x0001;
    static constexpr char16_t kRowSeparator = 0x0002;
    static constexpr char16_t kSectionSeparator = 0x0003;
    static constexpr char16_t kEscape = 0x0004;

    // The fields of a row, joined.
    static std::u16string packRow(const Row& fields);
    // Packed rows (or sections), joined with a separator.
    static std::u16string join(const std::vector<std::u16string>& pieces, char16_t separator);
    static std::u16string pack(const std::vector<Section>& sections);

    // The sections of a packed text. An empty piece splits into nothing: an
    // empty text has no sections, an empty section no rows, an empty row no
    // fields.
    static std::vector<Section> unpack(std::u16string_view text);

    static std::u16string escape(std::u16string_view field);
    static std::u16string unescape(std::u16string_view field);
};
