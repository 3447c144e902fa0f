#include "XmlUpdateModel.h"

#include "Text.h"
#include "XmlFlags.h"
#include "XmlTargetDatabase.h"
#include "XmlUpdateDataReader.h"
#include "XmlWriter.h"

#include <algorithm>

using namespace xmlflags;

namespace {

enum Section { kProperties = 0, kFileRows = 1, kElementRows = 2, kAttributeRows = 3 };

void sortByOrder(std::vector<XmlTableElementRecord*>& records) {
    std::stable_sort(records.begin(), records.end(), XmlElementRecord::orderLess);
}

} // namespace

void XmlUpdateModel::load(const XmlUpdateDataReader& data) {
    const auto field = XmlUpdateDataReader::field;
    const std::u16string testDirectory = data.property(u"FW_TEST_XML_FILE_DIRECTORY");
    const std::u16string testName = data.property(u"FW_TEST_XML_FILE_NAME");
    for (const ActionData::Row& row : data.section(kFileRows)) {
        auto file = std::make_unique<XmlFileRecord>();
        file->key = field(row, 0);
        file->fileName = testName.empty() ? XmlFileRecord::fileNamePart(field(row, 1)) : testName;
        file->directory = testDirectory.empty() ? field(row, 2) : testDirectory;
        file->rootKey = field(row, 4);
        file->flags = text::toInt(field(row, 5));
        file->version = field(row, 6);
        file->encoding = field(row, 7);
        file->indentUnits = text::toInt(field(row, 8));
        file->backupFileName = field(row, 9);
        addFile(std::move(file));
    }
    for (const ActionData::Row& row : data.section(kElementRows)) {
        addElement(std::make_unique<XmlTableElementRecord>(field(row, 0), field(row, 1), field(row, 2),
                                                           text::toInt(field(row, 3)),
                                                           text::toInt(field(row, 4)), field(row, 5)));
    }
    for (const ActionData::Row& row : data.section(kAttributeRows)) {
        XmlAttributeRecord attribute;
        attribute.origin = XmlAttributeRecord::kFromTable;
        attribute.name = field(row, 2);
        attribute.value = field(row, 5);
        attribute.flags = text::toInt(field(row, 3));
        attribute.order = text::toInt(field(row, 4));
        addAttribute(field(row, 1), attribute);
    }
    link();
}

void XmlUpdateModel::addFile(std::unique_ptr<XmlFileRecord> record) {
    if (m_fileIndex.emplace(record->key, record.get()).second)
        m_files.push_back(std::move(record));
}

void XmlUpdateModel::addElement(std::unique_ptr<XmlTableElementRecord> record) {
    if (m_elementIndex.emplace(record->key(), record.get()).second)
        m_elements.push_back(std::move(record));
}

bool XmlUpdateModel::addAttribute(const std::u16string& elementKey, const XmlAttributeRecord& attribute) {
    XmlTableElementRecord* element = findElement(elementKey);
    if (!element)
        return false;
    element->attributes().push_back(attribute);
    return true;
}

void XmlUpdateModel::link() {
    for (const auto& file : m_files)
        file->root = findElement(file->rootKey);
    m_children.clear();
    for (const auto& element : m_elements) {
        element->setParent(element->parentKey().empty() ? nullptr : findElement(element->parentKey()));
        std::stable_sort(element->attributes().begin(), element->attributes().end(),
                         XmlAttributeRecord::orderLess);
    }
    // Parent keys that lead back to a record would make its ancestors
    // endless; the first record found on such a loop loses its parent.
    for (const auto& element : m_elements) {
        if (element->parentsLoop(m_elements.size()))
            element->setParent(nullptr);
    }
    for (const auto& element : m_elements) {
        if (element->parent())
            m_children[element->parent()].push_back(element.get());
    }
}

XmlTableElementRecord* XmlUpdateModel::findElement(const std::u16string& key) const {
    const auto found = m_elementIndex.find(key);
    return found == m_elementIndex.end() ? nullptr : found->second;
}

std::vector<XmlTableElementRecord*> XmlUpdateModel::fileElements(const XmlFileRecord& file) const {
    std::vector<XmlTableElementRecord*> records;
    if (!file.root)
        return records;
    records.push_back(file.root);
    for (size_t i = 0; i < records.size(); ++i) {
        for (XmlTableElementRecord* child : children(*records[i], false))
            records.push_back(child);
    }
    sortByOrder(records);
    return records;
}

std::vector<XmlTableElementRecord*> XmlUpdateModel::children(const XmlElementRecord& record,
                                                             bool sorted) const {
    const auto found = m_children.find(&record);
    std::vector<XmlTableElementRecord*> out =
        found == m_children.end() ? std::vector<XmlTableElementRecord*>() : found->second;
    if (sorted)
        sortByOrder(out);
    return out;
}

void XmlUpdateModel::markDoneWithChildren(XmlTableElementRecord& record) {
    record.setDone(true);
    for (XmlTableElementRecord* child : children(record, false))
        child->setDone(true);
}

std::vector<XmlAttributeRecord> XmlUpdateModel::matchAttributes(const XmlElementRecord& element,
                                                                bool forElement) {
    std::vector<XmlAttributeRecord> out;
    for (const XmlAttributeRecord& attribute : element.attributes()) {
        const int operation = attributeOperation(attribute.flags);
        if (attribute.flags & kAttributeUninstallPass)
            continue;
        if (operation != kAddWhenMissing && operation != kAddOrOverwrite)
            continue;
        if (forElement || (attribute.flags & kAttributeKey))
            out.push_back(attribute);
    }
    return out;
}

std::vector<XmlAttributeRecord> XmlUpdateModel::attributesToWrite(const XmlElementRecord& element, int mode) {
    std::vector<XmlAttributeRecord> out;
    for (const XmlAttributeRecord& attribute : element.attributes()) {
        const int operation = attributeOperation(attribute.flags);
        if (!takesPartIn(attribute.flags, mode) ||
            (operation != kAddWhenMissing && operation != kAddOrOverwrite))
            continue;
        const bool named = std::any_of(out.begin(), out.end(), [&](const XmlAttributeRecord& kept) {
            return kept.name == attribute.name;
        });
        if (!named)
            out.push_back(attribute);
    }
    std::stable_sort(out.begin(), out.end(), XmlAttributeRecord::mergeLess);
    return out;
}

void XmlUpdateModel::writeElement(XmlWriter& writer, XmlTableElementRecord* record, int mode) {
    if (!record)
        return;
    if (record->flags() & kElementComment) {
        writer.comment(record->text());
        record->setDone(true);
        return;
    }
    std::vector<XmlWriter::Attribute> attributes;
    for (const XmlAttributeRecord& attribute : attributesToWrite(*record, mode))
        attributes.emplace_back(attribute.name, attribute.value);
    const std::vector<XmlTableElementRecord*> childRecords = children(*record, true);
    writer.startElement(attributes, record->name(), childRecords.empty(), record->text());
    for (XmlTableElementRecord* child : childRecords)
        writeElement(writer, child, mode);
    if (!childRecords.empty())
        writer.endElement();
    record->setDone(true);
}

void XmlUpdateModel::updateDocument(XmlTargetDatabase& database, const XmlFileRecord& file, int mode) {
    const bool install = mode == kModeInstall;
    for (XmlTableElementRecord* record : fileElements(file)) {
        if (record->isDone())
            continue;
        const std::int32_t flags = record->flags();
        if (flags & kElementComment) {
            if (install)
                database.insertElement(*this, file, *record, mode);
            continue;
        }
        const std::vector<XmlDocumentElementRecord*> matches = database.findMatches(*record, mode);
        if (matches.empty()) {
            if (install && (flags & kElementInsertMissing))
                database.insertElement(*this, file, *record, mode);
            continue;
        }
        for (XmlDocumentElementRecord* match : matches) {
            if (match->isDone())
                continue;
            if (!record->parent()) {
                database.updateElement(*record, file, *match, mode);
                break;
            }
            if (!install) {
                if (flags & kElementRemove) {
                    database.removeElement(*match);
                    markDoneWithChildren(*record);
                } else {
                    database.updateElement(*record, file, *match, mode);
                }
                if (isMatchFirst(flags) || isMatchBoth(flags))
                    break;
                continue;
            }
            if (isMatchBoth(flags)) {
                database.insertElement(*this, file, *record, mode);
                break;
            }
            if (!isMatchUpdate(flags))
                continue;
            database.updateElement(*record, file, *match, mode);
            if (isMatchFirst(flags))
                break;
        }
    }
}
