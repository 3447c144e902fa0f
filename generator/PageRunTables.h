#pragma once

// What the page writers of one generation ask of the tree again and again,
// made once from the project's item list so that a page costs what it
// shows and never a walk of the whole tree: each item's position and the
// end of its subtree (its span), each shortcut's target, each item's
// neighbours at its level, the items that refer to each uid, and, on first
// use, the disciplines of each domain, the work products of the project
// and the work products each role authors. The item data they hold (classes, disciplines, domains) is that
// of the last link refresh; the process manager makes them again after
// each refresh and whenever the tree changed.

#include "CString.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class Item;
class ProcessItem;
class ProcessManager;

class PageRunTables {
public:
    explicit PageRunTables(ProcessManager& manager);
    PageRunTables(const PageRunTables&) = delete;
    PageRunTables& operator=(const PageRunTables&) = delete;

    // The items below item in tree order as the shortcut-expanding walk
    // meets them: a shortcut is replaced by its target and the target's
    // subtree (inShortcut set), where shortcuts are met as themselves. A
    // shortcut item, or an item not in the tree, has nothing below it.
    void forEachBelow(const Item* item, const std::function<void(Item* below, bool inShortcut)>& f) const;
    // The same walk with the depth each item takes in it: its level, or
    // inside a shortcut's expansion the shortcut's level plus the item's
    // depth below the target.
    void forEachBelowAtDepth(const Item* item,
                             const std::function<void(Item* below, bool inShortcut, int depth)>& f) const;
    // The items of item's subtree, in tree order, as they stand in the
    // list (shortcuts as themselves); empty for an item not in the tree.
    std::span<Item* const> getSubtree(const Item* item) const;
    // Every item of the tree in tree order, as it stands in the list.
    std::span<Item* const> getItems() const { return m_items; }
    // The items after item in tree order, to the end of the list; empty for
    // an item not in the tree.
    std::span<Item* const> getItemsAfter(const Item* item) const;
    // The items after item up to, not including, the next one at item's
    // level (items at a smaller level do not end them), or to the end of
    // the list; empty for an item not in the tree.
    std::span<Item* const> getItemsToSameLevel(const Item* item) const;
    // The items of the class that are no shortcut nor external item, in tree order.
    std::vector<ProcessItem*> getDualItemsOfClass(int classKind) const;
    // The items of item's subtree one level below it, in tree order.
    std::vector<Item*> getChildren(const Item* item) const;
    // The target of a shortcut of the tree; null for any other item and
    // for a shortcut without target.
    Item* getShortcutTarget(const Item* item) const;
    // The item just before (after) item in the list when it stands at the
    // same level; null otherwise.
    Item* getPreviousItem(const Item* item) const;
    Item* getNextItem(const Item* item) const;
    // The items whose referenced uid equals uid exactly, in tree order;
    // none for an empty uid.
    const std::vector<Item*>& getItemsReferring(const CString& uid) const;

    // The DISCIPLINE items whose domain equals domain exactly (every one
    // for an empty domain), the first of each first-language name ignoring
    // case, in tree order.
    const std::vector<ProcessItem*>& getDisciplinesOfDomain(const CString& domain) const;
    // The WORKPRODUCT items (states aside) in tree order.
    const std::vector<ProcessItem*>& getWorkProducts() const;
    // Those whose discipline equals discipline exactly, in tree order.
    const std::vector<ProcessItem*>& getWorkProductsOfDiscipline(const CString& discipline) const;
    // The work products whose author list names the item with the
    // responsibility "author", each once, in tree order.
    const std::vector<ProcessItem*>& getAuthoredWorkProducts(const Item* author) const;

    // The ACTIVITY items whose general procedures name uid exactly, in tree
    // order, an activity once for each time it names it.
    const std::vector<ProcessItem*>& getActivitiesNamingProcedure(const CString& uid) const;

    // The work products whose traceability links name uid (a link is
    // compared upper-cased), in tree order, a work product once for each
    // link that names it.
    const std::vector<ProcessItem*>& getWorkProductsTracing(const CString& uid) const;
    // Whether the activity's input (output) work products name the work
    // product in the state ("" for none), by first-language names ignoring
    // case: two work products of one name are not told apart.
    bool isUsedByActivity(const Item* activity, const CString& product, const CString& state,
                          int input) const;

private:
    int position(const Item* item) const;

    std::vector<Item*> m_items;
    std::unordered_map<const Item*, int> m_positions;
    // The first position after each item's subtree.
    std::vector<int> m_spanEnds;
    // Each shortcut's target, null for every other item.
    std::vector<Item*> m_targets;
    std::unordered_map<CString, std::vector<Item*>> m_referring;

    // The position of the next item at each item's level (the list's end
    // for none), made on first use.
    mutable std::optional<std::vector<int>> m_nextAtSameLevel;
    mutable std::map<CString, std::vector<ProcessItem*>> m_disciplines;
    mutable std::optional<std::vector<ProcessItem*>> m_workProducts;
    mutable std::unordered_map<CString, std::vector<ProcessItem*>> m_workProductsByDiscipline;
    mutable std::optional<std::unordered_map<const Item*, std::vector<ProcessItem*>>> m_authoredWorkProducts;
    mutable std::optional<std::unordered_map<CString, std::vector<ProcessItem*>>> m_procedureActivities;
    mutable std::optional<std::unordered_map<CString, std::vector<ProcessItem*>>> m_tracingWorkProducts;
    mutable std::optional<std::unordered_set<std::string>> m_workProductUses;
};
