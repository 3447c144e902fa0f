#include "ExpandedTreeWalk.h"

#include "Item.h"
#include "PageRunTables.h"

void ExpandedTreeWalk::forEach(const PageRunTables& tables, const std::function<void(const Step&)>& f) {
    walk(tables, tables.getItems(), f);
}

void ExpandedTreeWalk::forEachBelow(const PageRunTables& tables, const Item& top,
                                    const std::function<void(const Step&)>& f) {
    walk(tables, tables.getSubtree(&top), f);
}

void ExpandedTreeWalk::walk(const PageRunTables& tables, std::span<Item* const> items,
                            const std::function<void(const Step&)>& f) {
    for (Item* item : items) {
        Item* target = tables.getShortcutTarget(item);
        if (!target) {
            f({item, item->getLevel(), nullptr});
            continue;
        }
        f({target, item->getLevel(), item});
        for (Item* below : tables.getSubtree(target))
            f({below, item->getLevel() + below->getLevel() - target->getLevel(), item});
    }
}
