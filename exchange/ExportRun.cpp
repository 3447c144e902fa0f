#include "ExportRun.h"

#include "Item.h"
#include "ItemClasses.h"
#include "PageRunTables.h"
#include "ProcessItem.h"

ExportRun::ExportRun(ProcessManager& manager, Links links) : m_manager(manager), m_run(manager) {
    if (links != Links::Keep)
        manager.updateLinks(links == Links::Refresh ? 1 : 0, 0);
}

const PageRunTables& ExportRun::getTables() {
    // The run keeps one set of tables while the tree and its links stay as they are.
    m_tables = m_manager.pageRunTables();
    return *m_tables;
}

std::span<Item* const> ExportRun::getItems() {
    return getTables().getItems();
}

std::vector<ProcessItem*> ExportRun::getItemsOfClass(int classKind) {
    std::vector<ProcessItem*> items;
    for (Item* item : getItems())
        if (item->getKind() == kDual && classKindOf(item) == classKind)
            items.push_back(static_cast<ProcessItem*>(item));
    return items;
}
