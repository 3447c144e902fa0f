#pragma once

// The walk of the whole tree in which a shortcut stands for its target and
// the target's subtree, placed where the shortcut is; shortcuts met inside
// such a subtree, and shortcuts without a target, are met as themselves.
// Each item met comes with its effective level: its own level, or inside
// an expanded shortcut the shortcut's level plus its depth below the
// target (so the target sits at the shortcut's level).

#include <functional>
#include <span>

class Item;
class PageRunTables;

class ExpandedTreeWalk {
public:
    struct Step {
        Item* item;
        int level;      // the effective level
        Item* shortcut; // the expanded shortcut the item is met in, null outside one
    };
    static void forEach(const PageRunTables& tables, const std::function<void(const Step&)>& f);
    // The same walk over the items below top, top itself left out.
    static void forEachBelow(const PageRunTables& tables, const Item& top,
                             const std::function<void(const Step&)>& f);

private:
    static void walk(const PageRunTables& tables, std::span<Item* const> items,
                     const std::function<void(const Step&)>& f);
};
