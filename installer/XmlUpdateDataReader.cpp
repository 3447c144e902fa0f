#include "XmlUpdateDataReader.h"

#include "InstallerCalls.h"

XmlUpdateDataReader::XmlUpdateDataReader(MSIHANDLE install)
    : m_text(installer::getProperty(install, u"CustomActionData")) {}

bool XmlUpdateDataReader::unpack() {
    m_sections = ActionData::unpack(m_text);
    return !m_text.empty();
}

const ActionData::Section& XmlUpdateDataReader::section(size_t index) const {
    static const ActionData::Section none;
    return index < m_sections.size() ? m_sections[index] : none;
}

std::u16string XmlUpdateDataReader::property(const std::u16string& name) const {
    for (const ActionData::Row& row : section(0)) {
        if (field(row, 0) == name)
            return field(row, 1);
    }
    return {};
}

std::u16string XmlUpdateDataReader::field(const ActionData::Row& row, size_t index) {
    return index < row.size() ? row[index] : std::u16string();
}
