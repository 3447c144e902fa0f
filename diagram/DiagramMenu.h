#pragma once

// A popup menu as data: items with their command ids and texts, in order,
// greyed or not, radio items with their check mark, and submenus. An entity
// or the editor builds it and has the window track it (the canvas as a
// wxMenu).

#include "CString.h"
#include "WinTypes.h"

#include <vector>

struct DiagramMenuItem {
    UINT id = 0; // 0: a separator, or a submenu when it has items
    CString text;
    bool enabled = true;
    bool radio = false;   // one of a group of choices
    bool checked = false; // the choice made
    std::vector<DiagramMenuItem> submenu;

    bool isSeparator() const { return id == 0 && submenu.empty(); }
    bool isSubmenu() const { return !submenu.empty(); }
    bool operator==(const DiagramMenuItem&) const = default;
};

class DiagramMenu {
public:
    void append(UINT id, const CString& text) {
        DiagramMenuItem item;
        item.id = id;
        item.text = text;
        m_items.push_back(item);
    }
    void appendSeparator() { m_items.push_back(DiagramMenuItem()); }
    void appendRadio(UINT id, const CString& text, bool checked) {
        append(id, text);
        m_items.back().radio = true;
        m_items.back().checked = checked;
    }
    void appendSubmenu(const CString& text, const DiagramMenu& submenu) {
        append(0, text);
        m_items.back().submenu = submenu.items();
    }
    // Greys or enables the item of the command (in submenus too).
    void enable(UINT id, bool enabled) {
        if (DiagramMenuItem* item = find(m_items, id))
            item->enabled = enabled;
    }
    // The item of the command, null when the menu has none.
    const DiagramMenuItem* find(UINT id) const {
        return find(const_cast<std::vector<DiagramMenuItem>&>(m_items), id);
    }
    const std::vector<DiagramMenuItem>& items() const { return m_items; }

private:
    static DiagramMenuItem* find(std::vector<DiagramMenuItem>& items, UINT id) {
        for (DiagramMenuItem& item : items) {
            if (item.id == id && id != 0)
                return &item;
            if (DiagramMenuItem* inner = find(item.submenu, id))
                return inner;
        }
        return nullptr;
    }

    std::vector<DiagramMenuItem> m_items;
};
