#include "ItemListePlus.h"
#include "ProcessProjectFixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The fixture's tree: Old, Alpha > Stale, Web (external), Ghost > Ghost
// child. Its site's folders hold what an import takes and what it leaves:
//   Alpha/One/Deep   three items, one below the other
//   Alpha/_private   a name beginning with '_'
//   Beta             with a page of its own
//   Loop             a link to the site itself
//   Star*Name, "-> Fake", "back\slash", "tab<TAB>name"   names no item can have
class FolderImportTest : public testing::Test {
protected:
    void SetUp() override {
        for (const char* folder :
             {"Alpha/One/Deep", "Alpha/_private/Inside", "Star*Name", "-> Fake", "back\\slash", "tab\tname"})
            fs::create_directories(f.dir / ("proj/site/" + std::string(folder)));
        f.write("site/Beta/overview.htm", "Beta's own page");
        f.write("site/notes.txt", "a file, not a folder");
        fs::create_directory_symlink(".", f.dir / "proj/site/Loop");
        m_manager = f.open();
    }
    // Each item as its level in blanks, its name and its url.
    std::vector<std::string> tree() const {
        std::vector<std::string> out;
        for (int i = 1; i <= m_manager->getItemCount(); ++i) {
            const Item* item = m_manager->getItemList()->at(i);
            out.push_back(std::string(static_cast<size_t>(item->getLevel()), ' ') + item->getName().str() +
                          " " + item->getUrl().str());
        }
        return out;
    }
    std::string treeFile() const { return f.read("tolvane/MenuTreeV2.dat"); }

    ProcessProjectFixture f{"folder-import"};
    ProcessManager* m_manager = nullptr;
};

TEST_F(FolderImportTest, TheSiteFoldersBecomeTheTree) {
    ASSERT_EQ(m_manager->importFolderTree(nullptr), 1);
    EXPECT_EQ(tree(), (std::vector<std::string>{
                          "Alpha ../site/Alpha/overview.htm",
                          " One ../site/Alpha/One/overview.htm",
                          "  Deep ../site/Alpha/One/Deep/overview.htm",
                          "Beta ../site/Beta/overview.htm",
                      }));
    std::set<std::string> uids;
    for (int i = 1; i <= m_manager->getItemCount(); ++i) {
        const Item* item = m_manager->getItemList()->at(i);
        EXPECT_EQ(item->getIcon(), "bookc.gif");
        EXPECT_EQ(item->getOpenIcon(), "booko.gif");
        EXPECT_EQ(item->getParent(), item->getLevel() == 0 ? nullptr : m_manager->getItemList()->at(i - 1));
        uids.insert(item->getUid().str());
    }
    EXPECT_EQ(uids.size(), 4u);
    EXPECT_EQ(uids.count(""), 0u);
    // Saved, the missing pages written, an existing one kept, the tree shown again.
    EXPECT_NE(
        treeFile().find("\r\n2*" + m_manager->getItemList()->at(3)->getUid().str() +
                        "*Deep*../site/Alpha/One/Deep/overview.htm* *bookc.gif*booko.gif*f*true*false* * *"),
        std::string::npos);
    EXPECT_EQ(treeFile().find("Old"), std::string::npos);
    EXPECT_NE(f.read("site/Alpha/One/Deep/overview.htm").find("<title>Deep</title>"), std::string::npos);
    EXPECT_EQ(f.read("site/Beta/overview.htm"), "Beta's own page");
    EXPECT_EQ(f.window.calls.back(), "rebuildTree 4");
    EXPECT_TRUE(f.ui.messages.empty());
    // The folders left out are named in the log.
    const std::string log = f.read("site/ZevoRiruradiruzuz.log");
    for (const char* folder : {"Star*Name", "-> Fake", "back\\slash", "tab\tname"})
        EXPECT_NE(log.find(std::string("Folder ../site/") + folder +
                           " not imported: its name cannot be an item's name"),
                  std::string::npos)
            << folder;
    EXPECT_EQ(log.find("Loop"), std::string::npos);
    EXPECT_EQ(log.find("_private"), std::string::npos);
}

TEST_F(FolderImportTest, AnItemsSubtreeIsReplacedByItsFolders) {
    Item* alpha = m_manager->findItemByUid("N2");
    ASSERT_EQ(m_manager->importFolderTree(alpha), 1);
    EXPECT_EQ(tree(), (std::vector<std::string>{
                          "Old ../site/Old/overview.htm",
                          "Alpha ../site/Alpha/overview.htm",
                          " One ../site/Alpha/One/overview.htm",
                          "  Deep ../site/Alpha/One/Deep/overview.htm",
                          "Web http://example.org",
                          "Ghost ../site/Ghost/overview.htm",
                          " Ghost child ../site/Ghost/Ghost_child/overview.htm",
                      }));
    EXPECT_EQ(m_manager->getItemList()->at(3)->getParent(), alpha);
    EXPECT_EQ(m_manager->findItemByUid("N3"), nullptr);
    EXPECT_EQ(treeFile().find("Stale"), std::string::npos);
}

TEST_F(FolderImportTest, AFailedImportLeavesTheTreeAsItWas) {
    const std::vector<std::string> before = tree();
    const std::string file = treeFile();
    // No folder for the item: nothing to read.
    ASSERT_EQ(m_manager->importFolderTree(m_manager->findItemByUid("N5")), 0);
    ASSERT_EQ(f.ui.messages.size(), 1u);
    EXPECT_EQ(f.ui.messages[0].text, "Can not read file " + f.dir.path() + "proj/site/Ghost/");
    // Folders become dual items, which an external item cannot hold.
    ASSERT_EQ(m_manager->importFolderTree(m_manager->findItemByUid("N4")), 0);
    ASSERT_EQ(f.ui.messages.size(), 2u);
    EXPECT_EQ(f.ui.messages[1].text, "Adding dual children is forbidden under non dual item. Action aborted");
    EXPECT_EQ(tree(), before);
    EXPECT_EQ(treeFile(), file);
    EXPECT_EQ(m_manager->findItemByUid("N6")->getParent(), m_manager->findItemByUid("N5"));
}

TEST_F(FolderImportTest, FoldersDeeperThanTheTreeHoldsStayOut) {
    fs::remove_all(f.dir / "proj/site");
    std::string chain = "proj/site/d";
    for (int level = 1; level <= 100; ++level)
        chain += "/d";
    fs::create_directories(f.dir / chain);
    ASSERT_EQ(m_manager->importFolderTree(nullptr), 1);
    ASSERT_EQ(m_manager->getItemCount(), 100);
    EXPECT_EQ(m_manager->getItemList()->at(100)->getLevel(), 99);
    EXPECT_NE(f.read("site/ZevoRiruradiruzuz.log").find(" not imported: the tree holds no item deeper"),
              std::string::npos);
    // The tree file reads back whole.
    EXPECT_EQ(f.open()->getItemCount(), 100);
}

} // namespace
