#pragma once

// Reads values out of XML files that exist on the target machine into
// installer properties. FW_XmlLocatorElement describes trees of element
// patterns, each rooted at a file; FW_XmlLocator puts tests on a pattern
// and names the property that its element fills. For every pattern with
// locators, the first element of the file (in document order) on its name
// path that passes its tests, and whose ancestors pass those of the
// pattern's ancestors, sets the properties. Files are never changed.

#include "Msi.h"
#include "XmlLocatorElementRecord.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class XmlDocumentElementRecord;
class XmlTargetDatabase;
class XmlUpdateDataReader;

class XmlLocatorManager {
public:
    explicit XmlLocatorManager(MSIHANDLE install) : m_install(install) {}
    XmlLocatorManager(const XmlLocatorManager&) = delete;
    XmlLocatorManager& operator=(const XmlLocatorManager&) = delete;

    // Section 0 of the data holds the pattern rows, section 1 the locator
    // rows; a locator of no pattern is dropped.
    void load(const XmlUpdateDataReader& data);
    // Searches the file of every root pattern; a missing file is skipped.
    // An error (a file that cannot be read or parsed) is reported and ends
    // the run: 1603; else 0.
    UINT run();

    const std::vector<std::unique_ptr<XmlLocatorElementRecord>>& records() const { return m_records; }

    // Whether the element passes every test of the pattern.
    static bool conditionsHold(const XmlLocatorElementRecord& pattern,
                               const XmlDocumentElementRecord& element);
    // What a locator takes from the element it found.
    static std::u16string result(const XmlLocatorRecord& locator, const XmlDocumentElementRecord& element);

private:
    void searchFile(const XmlLocatorElementRecord& root);
    void searchRecord(const XmlLocatorElementRecord& pattern, const XmlTargetDatabase& database);
    static bool ancestorsHold(const XmlLocatorElementRecord& pattern,
                              const XmlDocumentElementRecord& element);

    MSIHANDLE m_install;
    std::vector<std::unique_ptr<XmlLocatorElementRecord>> m_records;
    std::unordered_map<std::u16string, XmlLocatorElementRecord*> m_index;
    std::unordered_map<const XmlElementRecord*, std::vector<XmlLocatorElementRecord*>> m_children;
};
