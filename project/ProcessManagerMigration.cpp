// Tree files of the versions before the menu-tree file of today: 0.13 and
// 0.14. Nothing in the program calls these conversions; they stay for a
// project folder that still holds such a file.

#include "ItemListePlus.h"
#include "MenuTreeRecord.h"
#include "ProcessItem.h"
#include "ProcessManager.h"
#include "TextInStream.h"

#include <climits>

void ProcessManager::migrate013_015(TextInStream& treeFile) {
    guarded("migrate013_015", [&] {
        migrateTreeFile(treeFile, true);
        m_linksNeedRefresh = 1;
        updateLinks(0, 0);
        saveMenuTree();
        rebuildTreeView();
    });
}

void ProcessManager::migrate014_015(TextInStream& treeFile) {
    guarded("migrate014_015", [&] {
        // The items of the tree give way to those of the file; they stay
        // allocated for whoever still holds one.
        detachSubtree(nullptr);
        migrateTreeFile(treeFile, false);
        m_linksNeedRefresh = 1;
        saveMenuTree();
        rebuildTreeView();
    });
}

void ProcessManager::migrateTreeFile(TextInStream& treeFile, bool format013) {
    Item* parents[MenuTreeRecord::kMaxLevel + 2] = {};
    int previousLevel = -1;
    CString line;
    while (treeFile.getline(line, INT_MAX)) {
        MenuTreeRecord record;
        if (!(format013 ? MenuTreeRecord::parse013(line, record) : MenuTreeRecord::parse(line, record)))
            continue;
        const int level = MenuTreeRecord::placedLevel(record.level, previousLevel);
        Item* item = createItem(parents[level], record.name, record.url, record.blankTarget, record.icon,
                                record.openIcon, level, 0, "");
        // A 0.14 record without uid gets one too, so that every item can be found.
        if (format013 || record.uid.IsEmpty())
            item->generateUid();
        else
            item->setUid(record.uid);
        if (!format013) {
            item->setVisible(record.visible);
            if (auto* processItem = dynamic_cast<ProcessItem*>(item))
                processItem->readFrameFlag();
        }
        m_itemList->append(item);
        parents[level + 1] = item;
        previousLevel = level;
    }
}
