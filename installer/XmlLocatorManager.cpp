#include "XmlLocatorManager.h"

#include "InstallerMessages.h"
#include "Text.h"
#include "XmlDocumentElementRecord.h"
#include "XmlFileRecord.h"
#include "XmlTargetDatabase.h"
#include "XmlUpdateDataReader.h"

#include <algorithm>

namespace {

enum Section { kPatternRows = 0, kLocatorRows = 1 };

// The first attribute of the element whose name (or value) is the text.
const XmlAttributeRecord* findAttribute(const XmlDocumentElementRecord& element, const std::u16string& text,
                                        bool byName) {
    for (const XmlAttributeRecord& attribute : element.attributes()) {
        if ((byName ? attribute.name : attribute.value) == text)
            return &attribute;
    }
    return nullptr;
}

} // namespace

void XmlLocatorManager::load(const XmlUpdateDataReader& data) {
    const auto field = XmlUpdateDataReader::field;
    for (const ActionData::Row& row : data.section(kPatternRows)) {
        auto record = std::make_unique<XmlLocatorElementRecord>(field(row, 0), field(row, 1), field(row, 2),
                                                                field(row, 3), text::toInt(field(row, 4)));
        if (m_index.emplace(record->key(), record.get()).second)
            m_records.push_back(std::move(record));
    }
    for (const ActionData::Row& row : data.section(kLocatorRows)) {
        const auto element = m_index.find(field(row, 1));
        if (element == m_index.end())
            continue;
        XmlLocatorRecord locator;
        locator.key = field(row, 0);
        locator.elementKey = field(row, 1);
        locator.property = field(row, 2);
        locator.type = text::toInt(field(row, 3));
        locator.value = field(row, 4);
        locator.resultType = text::toInt(field(row, 5));
        locator.order = text::toInt(field(row, 6));
        element->second->locators().push_back(std::move(locator));
    }
    for (const auto& record : m_records) {
        const auto parent = m_index.find(record->parentKey());
        record->setParent(record->parentKey().empty() || parent == m_index.end() ? nullptr : parent->second);
        std::stable_sort(
            record->locators().begin(), record->locators().end(),
            [](const XmlLocatorRecord& a, const XmlLocatorRecord& b) { return a.order < b.order; });
    }
    for (const auto& record : m_records) {
        if (record->parentsLoop(m_records.size()))
            record->setParent(nullptr);
    }
    m_children.clear();
    for (const auto& record : m_records) {
        if (record->parent())
            m_children[record->parent()].push_back(record.get());
    }
}

UINT XmlLocatorManager::run() {
    const bool done = messages::runGuarded(m_install, [&] {
        for (const auto& record : m_records) {
            if (!record->parent())
                searchFile(*record);
        }
    });
    return done ? ERROR_SUCCESS : ERROR_INSTALL_FAILURE;
}

void XmlLocatorManager::searchFile(const XmlLocatorElementRecord& root) {
    if (!XmlFileRecord::pathExists(root.xmlFile()))
        return;
    messages::sendActionData(m_install, root.xmlFile());
    // The root's tree in pre-order: each pattern, then its children's trees.
    std::vector<const XmlLocatorElementRecord*> patterns;
    std::vector<const XmlLocatorElementRecord*> pending = {&root};
    while (!pending.empty()) {
        const XmlLocatorElementRecord* pattern = pending.back();
        pending.pop_back();
        patterns.push_back(pattern);
        const auto children = m_children.find(pattern);
        if (children != m_children.end())
            pending.insert(pending.end(), children->second.rbegin(), children->second.rend());
    }
    std::vector<XmlTargetDatabase::Wanted> wanted;
    for (const XmlLocatorElementRecord* pattern : patterns)
        wanted.push_back({pattern->namePath(), {}});
    XmlTargetDatabase database(root.xmlFile());
    database.keepOnly(wanted);
    database.load();
    for (const XmlLocatorElementRecord* pattern : patterns)
        searchRecord(*pattern, database);
}

void XmlLocatorManager::searchRecord(const XmlLocatorElementRecord& pattern,
                                     const XmlTargetDatabase& database) {
    if (pattern.locators().empty())
        return;
    for (const XmlDocumentElementRecord* element : database.findByPath(pattern.namePath())) {
        if (!conditionsHold(pattern, *element) || !ancestorsHold(pattern, *element))
            continue;
        for (const XmlLocatorRecord& locator : pattern.locators()) {
            if (!locator.property.empty())
                MsiSetPropertyW(m_install, locator.property.c_str(), result(locator, *element).c_str());
        }
        return;
    }
}

bool XmlLocatorManager::ancestorsHold(const XmlLocatorElementRecord& pattern,
                                      const XmlDocumentElementRecord& element) {
    const XmlElementRecord* up = pattern.parent();
    const XmlElementRecord* documentUp = element.parent();
    for (; up && documentUp; up = up->parent(), documentUp = documentUp->parent()) {
        if (!conditionsHold(static_cast<const XmlLocatorElementRecord&>(*up),
                            static_cast<const XmlDocumentElementRecord&>(*documentUp)))
            return false;
    }
    return true;
}

bool XmlLocatorManager::conditionsHold(const XmlLocatorElementRecord& pattern,
                                       const XmlDocumentElementRecord& element) {
    for (const XmlLocatorRecord& locator : pattern.locators()) {
        bool passes = true;
        switch (locator.type) {
        case XmlLocatorRecord::kPosition:
            passes = element.order() == text::toInt(locator.value);
            break;
        case XmlLocatorRecord::kText:
            passes = element.text().find(locator.value) != std::u16string::npos;
            break;
        case XmlLocatorRecord::kAttributeName:
            passes = findAttribute(element, locator.value, true) != nullptr;
            break;
        case XmlLocatorRecord::kAttributeValue:
            passes = findAttribute(element, locator.value, false) != nullptr;
            break;
        default:
            break;
        }
        if (!passes)
            return false;
    }
    return true;
}

std::u16string XmlLocatorManager::result(const XmlLocatorRecord& locator,
                                         const XmlDocumentElementRecord& element) {
    const XmlAttributeRecord* attribute = nullptr;
    switch (locator.resultType) {
    case XmlLocatorRecord::kPosition:
        return element.name();
    case XmlLocatorRecord::kText:
        return element.text();
    case XmlLocatorRecord::kAttributeName:
        attribute = findAttribute(element, locator.value, false);
        return attribute ? attribute->name : std::u16string();
    case XmlLocatorRecord::kAttributeValue:
        attribute = findAttribute(element, locator.value, true);
        return attribute ? attribute->value : std::u16string();
    default:
        return {};
    }
}
