#pragma once

// The update model of one run: the FW_XmlFile, FW_XmlElement and
// FW_XmlAttribute rows as file records, element records linked into trees
// and attributes hung on their elements; the orders in which they are
// handled; and the decisions that the Flags columns make when a file is
// patched (see XmlFlags).
//
// Keys are looked up by exact text; the first record of a key is kept.
// Records are walked in the order their rows came, so records of equal
// Order keep that order.

#include "XmlAttributeRecord.h"
#include "XmlFileRecord.h"
#include "XmlTableElementRecord.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class XmlTargetDatabase;
class XmlUpdateDataReader;
class XmlWriter;

class XmlUpdateModel {
public:
    XmlUpdateModel() = default;
    XmlUpdateModel(const XmlUpdateModel&) = delete;
    XmlUpdateModel& operator=(const XmlUpdateModel&) = delete;

    // Reads the three table sections of unpacked action data (1 FW_XmlFile,
    // 2 FW_XmlElement, 3 FW_XmlAttribute) and links them. The properties
    // FW_TEST_XML_FILE_DIRECTORY and FW_TEST_XML_FILE_NAME, when set, take
    // the place of every file's folder and name.
    void load(const XmlUpdateDataReader& data);

    void addFile(std::unique_ptr<XmlFileRecord> record);
    void addElement(std::unique_ptr<XmlTableElementRecord> record);
    // Appends an attribute to the element of that key; an attribute of no
    // element is dropped (false).
    bool addAttribute(const std::u16string& elementKey, const XmlAttributeRecord& attribute);
    // Links files to their roots and elements to their parents, and sorts
    // each element's attributes by Order. Called once, after every row.
    void link();

    XmlTableElementRecord* findElement(const std::u16string& key) const;
    const std::vector<std::unique_ptr<XmlFileRecord>>& files() const { return m_files; }
    const std::vector<std::unique_ptr<XmlTableElementRecord>>& elements() const { return m_elements; }

    // The file's element records in processing order: its root's tree,
    // level by level; parents always before their children.
    std::vector<XmlTableElementRecord*> fileElements(const XmlFileRecord& file) const;
    // The records whose parent is record; by Order when sorted.
    std::vector<XmlTableElementRecord*> children(const XmlElementRecord& record, bool sorted) const;
    // Marks the record and its children (not their children) done.
    void markDoneWithChildren(XmlTableElementRecord& record);

    // The attributes used to match a document element: the added or
    // overwritten ones outside the uninstall pass that are keys, or all of
    // them when forElement.
    static std::vector<XmlAttributeRecord> matchAttributes(const XmlElementRecord& element, bool forElement);
    // The attributes written when the element is created in mode: the added
    // or overwritten ones of the pass, the first of each name, by Order.
    static std::vector<XmlAttributeRecord> attributesToWrite(const XmlElementRecord& element, int mode);

    // Writes record with its subtree (a comment row as a comment) and marks
    // every record written done.
    void writeElement(XmlWriter& writer, XmlTableElementRecord* record, int mode);

    // Patches a loaded target document from the file's records in mode:
    // which records are inserted, which matches are updated or removed, as
    // the element flags decide.
    void updateDocument(XmlTargetDatabase& database, const XmlFileRecord& file, int mode);

private:
    std::vector<std::unique_ptr<XmlFileRecord>> m_files;
    std::unordered_map<std::u16string, XmlFileRecord*> m_fileIndex;
    std::vector<std::unique_ptr<XmlTableElementRecord>> m_elements;
    std::unordered_map<std::u16string, XmlTableElementRecord*> m_elementIndex;
    std::unordered_map<const XmlElementRecord*, std::vector<XmlTableElementRecord*>> m_children;
};
