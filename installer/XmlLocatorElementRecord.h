#pragma once

// One row of FW_XmlLocatorElement: an element pattern of the locator, with
// the file that a root pattern searches and the tests of its locators.

#include "XmlElementRecord.h"
#include "XmlLocatorRecord.h"

#include <vector>

class XmlLocatorElementRecord : public XmlElementRecord {
public:
    XmlLocatorElementRecord(std::u16string key, std::u16string xmlFile, std::u16string parentKey,
                            std::u16string name, std::int32_t order)
        : XmlElementRecord(std::move(key), std::move(name), order, u""), m_xmlFile(std::move(xmlFile)),
          m_parentKey(std::move(parentKey)) {}

    // The full path of the file to search (only a root's is used).
    const std::u16string& xmlFile() const { return m_xmlFile; }
    const std::u16string& parentKey() const { return m_parentKey; }
    // By Order once loaded.
    std::vector<XmlLocatorRecord>& locators() { return m_locators; }
    const std::vector<XmlLocatorRecord>& locators() const { return m_locators; }

private:
    std::u16string m_xmlFile;
    std::u16string m_parentKey;
    std::vector<XmlLocatorRecord> m_locators;
};
