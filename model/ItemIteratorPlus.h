#pragma once

// Walks the project's item list in tree order, replacing each shortcut met
// outside an expanded subtree by its target and the target's subtree; the
// walk then resumes behind the shortcut. Shortcuts inside an expanded
// subtree, and shortcuts without a target, are yielded themselves.
//
// The inner iterator's second mark holds the shortcut being expanded.

#include "ItemListe.h"

class ItemListePlus;

class ItemIteratorPlus {
public:
    explicit ItemIteratorPlus(ItemListePlus* list);
    virtual ~ItemIteratorPlus();
    ItemIteratorPlus(const ItemIteratorPlus&) = delete;
    ItemIteratorPlus& operator=(const ItemIteratorPlus&) = delete;

    // To the first item, which is not expanded even when it is a shortcut.
    int first();
    // One plain step, without shortcut handling.
    void advance() { m_inner->next(); }
    void next();
    void setMark() { m_inner->setMark(); }
    void gotoMark() { m_inner->gotoMark(); }
    int isAtEnd() const { return m_inner->isAtEnd(); }
    Item* current() const { return m_inner->current(); }
    // The inner seek; a shortcut found is expanded as next does.
    void seek(Item* item);

    // Set while the walk is inside the subtree of a shortcut's target.
    int isInShortcut() const { return m_inShortcut; }
    int getShortcutLevel() const { return m_shortcutLevel; }
    int getTargetLevel() const { return m_targetLevel; }
    Item* getTargetItem() const { return m_targetItem; }

private:
    void expandShortcut();

    ItemIterateur* m_inner;
    int m_inShortcut = 0;
    int m_targetLevel = 0;
    int m_shortcutLevel = 0;
    Item* m_targetItem = nullptr;
    ItemListePlus* m_list;
};
