#pragma once

// A link from an item to another item, with what the link says about it (a
// responsibility, a name or a reference text). The linked item is not owned.

#include "CString.h"

class ProcessItem;

class ItemLink {
public:
    ItemLink(ProcessItem* item, const CString& text) : m_text(text), m_item(item) {}
    const CString& getText() const { return m_text; }
    void setText(const CString& text) { m_text = text; }
    ProcessItem* getItem() const { return m_item; }

private:
    CString m_text;
    ProcessItem* m_item;
};
