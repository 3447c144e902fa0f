#pragma once

// A row of FW_XmlElement: its parent's key and its flags (XmlFlags).

#include "XmlElementRecord.h"

class XmlTableElementRecord : public XmlElementRecord {
public:
    XmlTableElementRecord(std::u16string key, std::u16string parentKey, std::u16string name,
                          std::int32_t order, std::int32_t flags, std::u16string text)
        : XmlElementRecord(std::move(key), std::move(name), order, std::move(text)),
          m_parentKey(std::move(parentKey)), m_flags(flags) {}

    const std::u16string& parentKey() const { return m_parentKey; }
    std::int32_t flags() const { return m_flags; }

private:
    std::u16string m_parentKey;
    std::int32_t m_flags;
};
