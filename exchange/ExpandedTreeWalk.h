#pragma once

// The walk of the whole tree in which a shortcut stands for its target and
// the target's subtree, placed where the shortcut is; shortcuts met inside
// such a subtree, and shortcuts without a target, are met as themselves.
// Each item met comes with its effective level: its own level, or inside
// an expanded shortcut the shortcut's level plus its depth below the
// target (so the target sits at the shortcut's level).

#include <functional>

class Item;
class PageRunTables;

class ExpandedTreeWalk {
public:
    struct Step {
        Item* item;
        int level;       // the effective level
        bool inShortcut; // met inside the subtree of an expanded shortcut
    };
    static void forEach(const PageRunTables& tables, const std::function<void(const Step&)>& f);
};
