#include "VisibleTree.h"

#include "Item.h"
#include "ItemListePlus.h"

VisibleTree::VisibleTree(const ItemListePlus& list) {
    int hiddenLevel = -1;
    for (int i = 1; i <= list.count(); ++i) {
        Item* item = list.at(i);
        if (item->isVisible()) {
            if (item->getParent())
                m_parentsWithVisibleChildren.insert(item->getParent());
            m_lastVisibleChild[item->getParent()] = item;
        }
        if (hiddenLevel >= 0 && item->getLevel() > hiddenLevel)
            continue;
        hiddenLevel = -1;
        if (!item->isVisible()) {
            hiddenLevel = item->getLevel();
            continue;
        }
        m_shown.push_back(item);
    }
}

bool VisibleTree::isLastVisibleSibling(const Item* item) const {
    const auto last = m_lastVisibleChild.find(item->getParent());
    return last != m_lastVisibleChild.end() && last->second == item;
}
