#pragma once

// What every export, import and report of the project does first: it works
// inside a page run (what descriptions need, and the tables of the tree,
// are prepared once, not once per item) after the item links were brought
// up to date, and visits the items in tree order from the run's tables.

#include "ProcessManager.h"

#include <memory>
#include <span>
#include <vector>

class Item;
class PageRunTables;
class ProcessItem;

class ExportRun {
public:
    enum class Links { Keep, RefreshWhenStale, Refresh };
    explicit ExportRun(ProcessManager& manager, Links links = Links::RefreshWhenStale);

    ProcessManager& getManager() const { return m_manager; }
    // The tables of the tree as it stands now.
    const PageRunTables& getTables();
    // Every item in tree order, shortcuts as themselves.
    std::span<Item* const> getItems();
    // The items of the class in tree order: the items themselves, never
    // the shortcuts that stand for them.
    std::vector<ProcessItem*> getItemsOfClass(int classKind);

private:
    ProcessManager& m_manager;
    ProcessManager::PageRun m_run;
    std::shared_ptr<const PageRunTables> m_tables;
};
