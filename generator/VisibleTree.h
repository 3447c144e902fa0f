#pragma once

// What the site shows of the menu tree, from one pass over the item list:
// the items shown in list order (an invisible item is left out together
// with its whole subtree), who has visible direct children, and which
// visible child of each parent (null for the top items) comes last. The
// project keeps one per tree version, so that the tree pages and the site
// maps ask it per item without walking the list again.

#include <unordered_map>
#include <unordered_set>
#include <vector>

class Item;
class ItemListePlus;

class VisibleTree {
public:
    explicit VisibleTree(const ItemListePlus& list);

    const std::vector<Item*>& getShownItems() const { return m_shown; }
    // Whether some item of the list has this one as parent and is visible.
    bool hasVisibleChildren(const Item* item) const { return m_parentsWithVisibleChildren.count(item) > 0; }
    // Whether this is the last visible item of the list under its parent.
    bool isLastVisibleSibling(const Item* item) const;

private:
    std::vector<Item*> m_shown;
    std::unordered_set<const Item*> m_parentsWithVisibleChildren;
    std::unordered_map<const Item*, const Item*> m_lastVisibleChild;
};
