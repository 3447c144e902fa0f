#pragma once

// The action data that a deferred, rollback or commit action receives (or
// that the locator packs for itself), unpacked into sections, rows and
// fields. In the data of the install and uninstall actions, section 0
// holds the properties.

#include "ActionData.h"
#include "Msi.h"

#include <string>
#include <vector>

class XmlUpdateDataReader {
public:
    // The data of the running action: its "CustomActionData".
    explicit XmlUpdateDataReader(MSIHANDLE install);
    explicit XmlUpdateDataReader(std::u16string text) : m_text(std::move(text)) {}

    // Fills the sections; false, with none, for an empty text.
    bool unpack();

    const std::u16string& text() const { return m_text; }
    const std::vector<ActionData::Section>& sections() const { return m_sections; }
    // The rows of a section; none for a section the data lacks.
    const ActionData::Section& section(size_t index) const;
    // The value of a property of section 0 (exact name); empty when missing.
    std::u16string property(const std::u16string& name) const;
    // A field of a row; empty past the row's end.
    static std::u16string field(const ActionData::Row& row, size_t index);

private:
    std::u16string m_text;
    std::vector<ActionData::Section> m_sections;
};
