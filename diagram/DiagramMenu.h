#pragma once

// A popup menu as data: items with their command ids and texts, in order.
// An entity builds it and has the DiagramDialogs service track it.

#include "CString.h"
#include "WinTypes.h"

#include <vector>

struct DiagramMenuItem {
    UINT id = 0; // 0: a separator
    CString text;

    bool isSeparator() const { return id == 0; }
    bool operator==(const DiagramMenuItem&) const = default;
};

class DiagramMenu {
public:
    void append(UINT id, const CString& text) { m_items.push_back({id, text}); }
    void appendSeparator() { m_items.push_back({}); }
    const std::vector<DiagramMenuItem>& items() const { return m_items; }

private:
    std::vector<DiagramMenuItem> m_items;
};
