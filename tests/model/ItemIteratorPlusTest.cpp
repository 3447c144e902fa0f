#include "ItemIteratorPlus.h"
#include "ItemListePlus.h"
#include "Role.h"
#include "RoleListe.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Builds a list from (name, level) pairs; a name "-> x" is a shortcut to the
// item named x (same url), a name "-> ?" a shortcut without target.
class Tree {
public:
    Tree(std::initializer_list<std::pair<const char*, int>> items)
        : Tree(std::vector<std::pair<std::string, int>>(items.begin(), items.end())) {}
    explicit Tree(const std::vector<std::pair<std::string, int>>& items) {
        for (const auto& [name, level] : items) {
            const std::string& n = name;
            const std::string target = n.rfind("-> ", 0) == 0 ? n.substr(3) : n;
            list.append(new Item(nullptr, name.c_str(), ("../site/" + target + "/overview.htm").c_str(), 0,
                                 "", "", level, nullptr, 0, ""));
        }
    }
    ~Tree() { list.deleteAll(); }

    std::vector<std::string> walkFromFirst() {
        std::vector<std::string> names;
        ItemIteratorPlus* it = list.createIterator();
        for (it->first(); !it->isAtEnd(); it->next())
            names.push_back(it->current()->getName().str());
        delete it;
        return names;
    }

    ItemListePlus list;
};

TEST(ItemIteratorPlusTest, ExpandsAShortcutIntoItsTargetsSubtree) {
    Tree tree{{"a", 0}, {"-> b", 1}, {"c", 1}, {"b", 1}, {"d", 2}};
    EXPECT_EQ(tree.walkFromFirst(), (std::vector<std::string>{"a", "b", "d", "c", "b", "d"}));
}

// In a long list the targets are found through the list's index, not by a
// walk from the head: the walk must come out the same.
TEST(ItemIteratorPlusTest, ExpandsShortcutsInALongList) {
    std::vector<std::pair<std::string, int>> items{{"top", 0}, {"b", 1}, {"d", 2}};
    std::vector<std::string> expected{"top", "b", "d"};
    for (int i = 0; i < 40; ++i) {
        items.push_back({"p" + std::to_string(i), 1});
        expected.push_back("p" + std::to_string(i));
    }
    items.push_back({"-> b", 1});
    items.push_back({"last", 1});
    expected.insert(expected.end(), {"b", "d", "last"});
    Tree tree(items);
    EXPECT_EQ(tree.walkFromFirst(), expected);
    // Seeking an item deep in the list stands on it, and the walk goes on from there.
    ItemIteratorPlus* it = tree.list.createIterator();
    it->seek(tree.list.at(41));
    EXPECT_EQ(it->current()->getName(), "p37");
    it->next();
    it->next();
    it->next();
    EXPECT_EQ(it->current()->getName(), "b");
    EXPECT_EQ(it->isInShortcut(), 1);
    delete it;
}

TEST(ItemIteratorPlusTest, ShortcutToTheLastItemReturnsBehindIt) {
    Tree tree{{"a", 0}, {"-> z", 1}, {"c", 1}, {"z", 0}};
    EXPECT_EQ(tree.walkFromFirst(), (std::vector<std::string>{"a", "z", "c", "z"}));
}

TEST(ItemIteratorPlusTest, ShortcutWithoutTargetIsYieldedItself) {
    Tree tree{{"a", 0}, {"-> ?", 1}, {"c", 1}};
    EXPECT_EQ(tree.walkFromFirst(), (std::vector<std::string>{"a", "-> ?", "c"}));
}

TEST(ItemIteratorPlusTest, FirstItemIsNotExpandedButNextShortcutsAre) {
    Tree tree{{"-> b", 0}, {"-> b", 0}, {"b", 0}, {"e", 1}};
    EXPECT_EQ(tree.walkFromFirst(), (std::vector<std::string>{"-> b", "b", "e", "b", "e"}));
}

TEST(ItemIteratorPlusTest, ShortcutsInsideAnExpandedSubtreeStayShortcuts) {
    Tree tree{{"a", 0}, {"-> t", 0}, {"t", 0}, {"-> a", 1}, {"u", 1}};
    // "-> t" expands into t, "-> a", u (the inner shortcut stays one); the
    // walk then resumes behind "-> t" at t, whose "-> a" now expands into a.
    EXPECT_EQ(tree.walkFromFirst(), (std::vector<std::string>{"a", "t", "-> a", "u", "t", "a", "u"}));
}

TEST(ItemIteratorPlusTest, ExposesTheShortcutBeingExpanded) {
    Tree tree{{"a", 0}, {"-> b", 2}, {"b", 1}, {"d", 2}};
    ItemIteratorPlus* it = tree.list.createIterator();
    it->first();
    EXPECT_EQ(it->isInShortcut(), 0);
    it->next();
    EXPECT_EQ(it->current()->getName(), "b");
    EXPECT_EQ(it->isInShortcut(), 1);
    EXPECT_EQ(it->getShortcutLevel(), 2);
    EXPECT_EQ(it->getTargetLevel(), 1);
    EXPECT_EQ(it->getTargetItem(), it->current());
    it->seek(tree.list.at(2)); // seeking the shortcut expands it too
    EXPECT_EQ(it->current()->getName(), "b");
    it->advance(); // a plain step
    EXPECT_EQ(it->current()->getName(), "d");
    delete it;
}

TEST(RoleTest, DeletingARoleFreesItsLinksOnly) {
    // The linked items are never dereferenced or deleted: stand-in addresses do.
    auto* activity = reinterpret_cast<ProcessItem*>(0x1000);
    auto* roleItem = reinterpret_cast<Item*>(0x2000);
    RoleListe roles;
    auto* role = new Role(roleItem);
    role->addActivity(activity, "performer");
    role->addActivity(activity, "assistant");
    roles.append(role);
    ASSERT_EQ(role->getActivities()->count(), 2);
    EXPECT_EQ(role->getActivities()->at(2)->getText(), "assistant");
    EXPECT_EQ(role->getActivities()->at(1)->getItem(), activity);
    EXPECT_EQ(role->getRoleItem(), roleItem);
    roles.deleteAll();
    EXPECT_EQ(roles.count(), 0);
}

} // namespace
