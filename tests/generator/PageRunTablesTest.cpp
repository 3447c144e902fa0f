#include "PageRunTables.h"
#include "ItemClasses.h"
#include "ItemListePlus.h"
#include "ItemWorkProduct.h"
#include "PagesProject.h"
#include "ProcessItem.h"
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
            // The children: the items one level below, before the next item
            // that is not deeper; a shortcut's target is the tree's.
            std::vector<Item*> children;
            for (size_t j = i + 1; j < items.size() && items[j]->getLevel() > item->getLevel(); ++j)
                if (items[j]->getLevel() == item->getLevel() + 1)
                    children.push_back(items[j]);
            EXPECT_EQ(tables->getChildren(item), children);
            EXPECT_EQ(tables->getShortcutTarget(item),
                      item->getKind() == kShortcut ? manager.findShortcutTarget(item) : nullptr);
        }
        // Each fixture has a shortcut whose target's subtree is walked.
        EXPECT_TRUE(expanded);
        // The same tables serve the whole run.
        EXPECT_EQ(manager.pageRunTables(), tables);
    }
}

// The work products a role authors, from the index, are those whose author
// list names the role as "author", each once, in tree order.
TEST(PageRunTablesTest, TheWorkProductsOfAnAuthorComeFromTheIndex) {
    PagesProject project;
    // Named twice, once in another case; a reviewer and an unknown uid aside.
    project.write(
        "site/Engineering/Test/Test_report/process.data",
        "[PROCESSUS]\r\nClass=WORKPRODUCT\r\nAuthor=~n3/author,~N3/author,~n2/reviewed by,~n99/author\r\n");
    ProcessManager& manager = project.open();
    manager.updateLinks(1, 0);
    ProcessManager::PageRun run(manager);
    const std::shared_ptr<const PageRunTables> tables = manager.pageRunTables();
    ItemListePlus* list = manager.getItemList();
    for (int r = 1; r <= list->count(); ++r) {
        Item* author = list->at(r);
        std::vector<ProcessItem*> scanned;
        for (int w = 1; w <= list->count(); ++w) {
            auto* product = dynamic_cast<ProcessItem*>(list->at(w));
            if (product && product->getClassKind() == kWorkProductClass &&
                product->getItemWorkProduct()->hasAuthor(author, "author"))
                scanned.push_back(product);
        }
        EXPECT_EQ(tables->getAuthoredWorkProducts(author), scanned) << author->getName().str();
    }
    const std::vector<ProcessItem*> tester = tables->getAuthoredWorkProducts(project.item("N3"));
    ASSERT_EQ(tester.size(), 3u);
    EXPECT_EQ(tester[2], project.item("N11"));
    EXPECT_EQ(tables->getAuthoredWorkProducts(project.item("N2")).size(), 2u);
}

} // namespace
