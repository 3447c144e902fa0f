#pragma once

// An existing target XML file, read once to learn where each element lies
// in its bytes and then edited in place: start-tag attributes rewritten,
// text replaced or added, elements inserted as indented text or removed
// with their line. Everything else stays byte for byte. Positions come
// from the parser's own byte counts (so line ends, references, CDATA
// sections and ">" inside attribute values are measured as they are in the
// file) and follow every edit; the file is written back once, at save.

#include "ByteStreamUpdater.h"
#include "XmlDocumentElementRecord.h"
#include "XmlReader.h"

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class XmlTableElementRecord;
class XmlUpdateModel;
struct XmlFileRecord;

class XmlTargetDatabase : public XmlReader, public ByteStreamListener {
public:
    explicit XmlTargetDatabase(std::u16string path);

    // What a caller may look for: elements on a name path that carry
    // attributes of these names and values.
    struct Wanted {
        std::u16string path;
        std::vector<XmlAttributeRecord> attributes;
    };
    // Keeps, at the next load, records only of the root and of the elements
    // that some of wanted describes, paths compared ignoring the case of A
    // to Z: any other element can be no match, no parent of one and no
    // ancestor of one, and neither can anything inside it. A large file is
    // so read at little more than the parser's own cost. Without a call
    // every element is kept.
    void keepOnly(const std::vector<Wanted>& wanted);
    // Reads the bytes and parses them (errors 4110 to 4115).
    void load();
    // Writes the file back when an edit was made.
    void save();
    // The document element; null when the document had none.
    XmlDocumentElementRecord* rootElement() const { return m_root; }
    // Every element, in document order.
    const std::vector<std::unique_ptr<XmlDocumentElementRecord>>& elements() const { return m_elements; }
    const ByteStreamUpdater& updater() const { return m_updater; }

    // The document elements that correspond to a table element in mode, in
    // document order: the same name path, the key attributes of the record
    // and of its ancestors, and at uninstall the same trimmed text and
    // every added attribute.
    std::vector<XmlDocumentElementRecord*> findMatches(const XmlTableElementRecord& record, int mode) const;
    // The elements whose name path equals path, ignoring the case of A to
    // Z, in document order.
    std::vector<XmlDocumentElementRecord*> findByPath(const std::u16string& path) const;

    // Writes record with its subtree into the first match of its parent.
    void insertElement(XmlUpdateModel& model, const XmlFileRecord& file, XmlTableElementRecord& record,
                       int mode);
    // Applies the record's attributes of the pass and, at install, its text.
    void updateElement(XmlTableElementRecord& record, const XmlFileRecord& file,
                       XmlDocumentElementRecord& match, int mode);
    // Removes the element with its indentation and the rest of its line.
    void removeElement(XmlDocumentElementRecord& match);

    // The attribute list after the record's operations of mode; changed
    // tells whether any operation changed it.
    static std::vector<XmlAttributeRecord> mergeAttributes(const XmlDocumentElementRecord& match,
                                                           const XmlElementRecord& record, int mode,
                                                           bool& changed);

    void onXmlDeclaration(const char16_t* version, const char16_t* encoding, int standalone) override;
    void onStartElement(const char16_t* name, const char16_t** attributes) override;
    void onEndElement(const char16_t* name) override;
    void onCharacterData(const char16_t* text, int length) override;
    void onStartCdataSection() override;
    void onEndCdataSection() override;

    void removed(BytePosition start, BytePosition end) override;
    void inserted(BytePosition position, BytePosition length) override;

private:
    std::u16string uniqueKey(const std::u16string& name);
    // Whether an element that starts, below the root, is left out; its
    // folded path is left in m_path when it is kept.
    bool leftOut(const char16_t* name, const char16_t** attributes);
    XmlDocumentElementRecord& openElement(int line);
    void addTextRange(BytePosition start, BytePosition end);
    // The bytes of the current event join the open element's text runs.
    void addEventToText();
    bool isWhitespace(int unit, bool anyWhitespace) const;
    bool isBlank(BytePosition start, BytePosition end) const;
    BytePosition whitespaceStartBefore(BytePosition pos, bool anyWhitespace) const;
    BytePosition whitespaceEndAfter(BytePosition pos, bool anyWhitespace, bool stopAfterNewline) const;
    void setText(XmlDocumentElementRecord& match, const XmlFileRecord& file, const std::u16string& text);
    void markRemoved(XmlDocumentElementRecord& match);

    // Positions follow the edits lazily: an edit moves every element that
    // starts after it by one entry in a tree of shifts over the list, and
    // fixes by hand only the elements around it (those that start before
    // it and may end after it: a chain of ancestors). An element's own
    // positions are brought up to date (settled) before they are used. So
    // an edit costs the depth of the document and the logarithm of its
    // size, and a file whose every element is edited is patched in time
    // that grows with the file, not with its square.
    void shiftFrom(size_t index, BytePosition delta);
    BytePosition pendingShift(size_t index) const;
    XmlDocumentElementRecord& settle(XmlDocumentElementRecord& record);
    // The index of the first element whose start tag begins at or after pos
    // (after it, when strict); the list's size when there is none.
    size_t firstStartingAt(BytePosition pos, bool strict) const;
    // Applies move to the element just before index and to its ancestors.
    template <class Move> void moveChain(size_t before, Move&& move);

    std::u16string m_path;
    std::vector<std::unique_ptr<XmlDocumentElementRecord>> m_elements;
    std::vector<BytePosition> m_shifts; // a Fenwick tree over m_elements
    std::unordered_map<std::u16string, XmlDocumentElementRecord*> m_keys;
    std::unordered_map<std::u16string, int> m_nextSuffix;
    std::vector<XmlDocumentElementRecord*> m_elementStack;
    // For each open element, its last blank text run that touched nothing before it.
    std::vector<XmlDocumentElementRecord::Range> m_pendingBlanks;
    XmlDocumentElementRecord* m_root = nullptr;
    ByteStreamUpdater m_updater;
    // Folded paths, each with the attribute lists of which an element needs one.
    std::optional<std::unordered_map<std::u16string, std::vector<std::vector<XmlAttributeRecord>>>> m_wanted;
    std::vector<std::u16string> m_foldedPaths; // of the open elements
    std::u16string m_foldedPath;
    int m_skipDepth = 0; // how deep the parser is inside an element left out
};
