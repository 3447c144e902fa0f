#include "ActionData.h"

#include "Text.h"

std::u16string ActionData::escape(std::u16string_view field) {
    std::u16string out;
    out.reserve(field.size());
    for (const char16_t c : field) {
        if (c >= kFieldSeparator && c <= kEscape) {
            out += kEscape;
            out += static_cast<char16_t>(u'0' + c);
        } else {
            out += c;
        }
    }
    return out;
}

std::u16string ActionData::unescape(std::u16string_view field) {
    std::u16string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == kEscape && i + 1 < field.size() && field[i + 1] >= u'1' && field[i + 1] <= u'4') {
            out += static_cast<char16_t>(field[++i] - u'0');
        } else {
            out += field[i];
        }
    }
    return out;
}

std::u16string ActionData::packRow(const Row& fields) {
    std::vector<std::u16string> escaped;
    escaped.reserve(fields.size());
    for (const std::u16string& field : fields)
        escaped.push_back(escape(field));
    return join(escaped, kFieldSeparator);
}

std::u16string ActionData::join(const std::vector<std::u16string>& pieces, char16_t separator) {
    std::u16string out;
    for (size_t i = 0; i < pieces.size(); ++i) {
        // The separator goes by position, so an empty first piece keeps the
        // ones after it in place.
        if (i > 0)
            out += separator;
        out += pieces[i];
    }
    return out;
}

std::u16string ActionData::pack(const std::vector<Section>& sections) {
    std::vector<std::u16string> packed;
    for (const Section& section : sections) {
        std::vector<std::u16string> rows;
        for (const Row& row : section)
            rows.push_back(packRow(row));
        packed.push_back(join(rows, kRowSeparator));
    }
    return join(packed, kSectionSeparator);
}

std::vector<ActionData::Section> ActionData::unpack(std::u16string_view packed) {
    std::vector<Section> sections;
    for (const std::u16string& sectionText : text::split(packed, std::u16string(1, kSectionSeparator))) {
        Section section;
        for (const std::u16string& rowText : text::split(sectionText, std::u16string(1, kRowSeparator))) {
            Row row;
            for (const std::u16string& field : text::split(rowText, std::u16string(1, kFieldSeparator)))
                row.push_back(unescape(field));
            section.push_back(std::move(row));
        }
        sections.push_back(std::move(section));
    }
    return sections;
}
