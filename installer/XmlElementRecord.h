#pragma once

// An element as the update engine sees it: a row of FW_XmlElement, an
// element of a target document, or a pattern of the locator. Records link
// to their parent in the same container, which owns them.

#include "XmlAttributeRecord.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class XmlElementRecord {
public:
    XmlElementRecord(std::u16string key, std::u16string name, std::int32_t order, std::u16string text)
        : m_key(std::move(key)), m_name(std::move(name)), m_order(order), m_text(std::move(text)) {}
    virtual ~XmlElementRecord() = default;
    XmlElementRecord(const XmlElementRecord&) = delete;
    XmlElementRecord& operator=(const XmlElementRecord&) = delete;

    // Set once the record has been handled in the current run; never cleared.
    virtual bool isDone() const { return m_done; }
    virtual void setDone(bool done) { m_done = done; }

    const std::u16string& key() const { return m_key; }
    const std::u16string& name() const { return m_name; }
    std::int32_t order() const { return m_order; }
    const std::u16string& text() const { return m_text; }
    void setText(std::u16string text) { m_text = std::move(text); }
    void appendText(std::u16string_view text) { m_text += text; }
    XmlElementRecord* parent() const { return m_parent; }
    void setParent(XmlElementRecord* parent) { m_parent = parent; }
    std::vector<XmlAttributeRecord>& attributes() { return m_attributes; }
    const std::vector<XmlAttributeRecord>& attributes() const { return m_attributes; }

    // Whether the parent chain comes back to this record within steps
    // (parent keys that form a loop would make the ancestors endless).
    bool parentsLoop(size_t steps) const;
    // The number of ancestors: 0 for a root.
    int depth() const;
    // The names from the root down to this record's, joined by "/".
    std::u16string namePath() const;

    // The processing and document order of records: level by level, and
    // within a level by the orders along the ancestor chains from the top.
    // Only ever used with a stable sort.
    static bool orderLess(const XmlElementRecord* a, const XmlElementRecord* b);

private:
    std::u16string m_key;
    std::u16string m_name;
    std::int32_t m_order;
    std::u16string m_text;
    XmlElementRecord* m_parent = nullptr;
    std::vector<XmlAttributeRecord> m_attributes;
    bool m_done = false;
};
