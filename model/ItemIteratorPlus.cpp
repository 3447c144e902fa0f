#include "ItemIteratorPlus.h"

#include "ItemListePlus.h"

ItemIteratorPlus* ItemListePlus::createIterator() { return new ItemIteratorPlus(this); }

ItemIteratorPlus::ItemIteratorPlus(ItemListePlus* list) : m_inner(list->ItemListe::createIterator()), m_list(list) {}

ItemIteratorPlus::~ItemIteratorPlus() { delete m_inner; }

int ItemIteratorPlus::first() {
    m_inShortcut = 0;
    return m_inner->first();
}

void ItemIteratorPlus::next() {
    m_inner->next();
    // Leaving the shortcut's target subtree: back after the shortcut.
    if (m_inShortcut && (m_inner->isAtEnd() || (m_inner->current() != m_targetItem &&
                                                m_inner->current()->getLevel() <= m_targetLevel))) {
        m_inShortcut = 0;
        m_inner->gotoSecondMark();
        m_inner->next();
    }
    expandShortcut();
}

void ItemIteratorPlus::seek(Item* item) {
    m_inner->seek(item);
    m_inShortcut = 0;
    expandShortcut();
}

void ItemIteratorPlus::expandShortcut() {
    if (m_inner->isAtEnd() || m_inShortcut)
        return;
    Item* shortcut = m_inner->current();
    if (shortcut->getKind() != kShortcut)
        return;
    Item* target = shortcut->getShortcutTarget(m_list);
    if (!target)
        return;
    m_inShortcut = 1;
    m_shortcutLevel = shortcut->getLevel();
    m_targetItem = target;
    m_inner->setSecondMark();
    m_inner->seek(target);
    m_targetLevel = target->getLevel();
}
