#include "PageRunTables.h"
#include "ItemListePlus.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Walk = std::vector<std::pair<Item*, bool>>;

Walk walkBelow(ProcessManager& manager, Item* item) {
    Walk walk;
    manager.forEachBelow(item,
                         [&walk](Item* below, bool inShortcut) { walk.emplace_back(below, inShortcut); });
    return walk;
}

// Inside a page run the tables answer what the walks over the list answer
// outside one: the items below each item (shortcuts expanded), the
// neighbours at the same level and the items that refer to each uid.
TEST(PageRunTablesTest, AnswerAsTheWalksOverTheListDo) {
    for (const char* fixture : {"pages-project", "process-project"}) {
        SCOPED_TRACE(fixture);
        TempDir dir;
        RecordingUserInterface ui;
        dir.copyFixture(fixture, "proj");
        ProcessManager manager((dir / "proj/site.tvx").c_str(), nullptr, 0, 0);
        std::vector<Item*> items;
        ItemListePlus* list = manager.getItemList();
        for (int i = 1; i <= list->count(); ++i)
            items.push_back(list->at(i));
        std::vector<Walk> walks;
        for (Item* item : items)
            walks.push_back(walkBelow(manager, item));

        ProcessManager::PageRun run(manager);
        const std::shared_ptr<const PageRunTables> tables = manager.pageRunTables();
        bool expanded = false;
        for (size_t i = 0; i < items.size(); ++i) {
            Item* item = items[i];
            SCOPED_TRACE(item->getName().str());
            const Walk walk = walkBelow(manager, item);
            EXPECT_EQ(walk, walks[i]);
            for (const auto& below : walk)
                expanded |= below.second;
            EXPECT_EQ(tables->getPreviousItem(item), manager.getPreviousItem(item));
            EXPECT_EQ(tables->getNextItem(item), manager.getNextItem(item));
            std::vector<Item*> referring;
            for (Item* other : items)
                if (!item->getUid().IsEmpty() && other->getReferencedUid() == item->getUid())
                    referring.push_back(other);
            EXPECT_EQ(tables->getItemsReferring(item->getUid()), referring);
        }
        // Each fixture has a shortcut whose target's subtree is walked.
        EXPECT_TRUE(expanded);
        // The same tables serve the whole run.
        EXPECT_EQ(manager.pageRunTables(), tables);
    }
}

} // namespace
