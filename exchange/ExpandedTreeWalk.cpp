#include "ExpandedTreeWalk.h"

#include "Item.h"
#include "PageRunTables.h"

void ExpandedTreeWalk::forEach(const PageRunTables& tables, const std::function<void(const Step&)>& f) {
    for (Item* item : tables.getItems()) {
        Item* target = tables.getShortcutTarget(item);
        if (!target) {
            f({item, item->getLevel(), false});
            continue;
        }
        f({target, item->getLevel(), true});
        for (Item* below : tables.getSubtree(target))
            f({below, item->getLevel() + below->getLevel() - target->getLevel(), true});
    }
}
