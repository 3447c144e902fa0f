#include "CTime.h"
#include "FileSystem.h"
#include "ItemListePlus.h"
#include "PrivateProfile.h"
#include "ProcessManager.h"
#include "RecordingMainWindow.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"
#include "TextOutStream.h"
#include "TreeChecks.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// A project built item by item: every dual item gets its folder on disk.
class TreeOperationsTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir.write("proj/site.tvx", "[STD_OPTION]\r\nGenerationLang=EN\r\nDataVersion=v2.4.5\r\n");
        m_dir.write("proj/tolvane/MenuTreeV2.dat", "");
        open();
    }
    void open() {
        m_manager.reset();
        m_manager = std::make_unique<ProcessManager>((m_dir / "proj/site.tvx").c_str(), &m_window, 0, 0);
    }
    Item* add(Item* anchor, const char* name, int mode = 2, const char* url = "") {
        Item* item = m_manager->addItem(anchor, name, 0, "bookc.gif", "booko.gif", mode, "", url, 1, 1, 0, 1,
                                        "", 1, "");
        if (item && item->getKind() == kDual)
            std::filesystem::create_directories(m_dir.path() + "proj/site/" +
                                                item->getFolder(0, 1).str().substr(5));
        return item;
    }
    std::vector<std::string> tree() {
        std::vector<std::string> out;
        for (int i = 1; i <= m_manager->getItemCount(); ++i) {
            Item* item = m_manager->getItemList()->at(i);
            out.push_back(std::string(static_cast<size_t>(item->getLevel()), ' ') + item->getName().str());
        }
        return out;
    }
    std::string treeFile() { return m_dir.read("proj/tolvane/MenuTreeV2.dat"); }

    TempDir m_dir;
    RecordingUserInterface m_ui;
    RecordingMainWindow m_window;
    std::unique_ptr<ProcessManager> m_manager;
};

TEST_F(TreeOperationsTest, AddsAboveBelowAndAsChild) {
    Item* a = add(nullptr, "A", 0);
    Item* a1 = add(a, "A1");
    add(a1, "A1x");
    add(nullptr, "B", 0);
    add(a, "C", 0);  // below A, after its whole subtree
    add(a, "D", 1);  // above A
    add(a, "A2", 2); // last child of A
    EXPECT_EQ(tree(), (std::vector<std::string>{"D", "A", " A1", "  A1x", " A2", "C", "B"}));
    EXPECT_EQ(a1->getUrl(), "../site/A/A1/overview.htm");
    EXPECT_EQ(a1->getParent(), a);
    EXPECT_NE(treeFile().find("*A2*../site/A/A2/overview.htm*"), std::string::npos); // saved at once
    EXPECT_EQ(m_window.calls.back(), "rebuildTree 7");
}

TEST_F(TreeOperationsTest, ShortcutsTakeTheirTargetsUrl) {
    Item* a = add(nullptr, "Alpha", 0);
    Item* shortcut = add(nullptr, "-> Alpha", 0);
    EXPECT_EQ(shortcut->getUrl(), a->getUrl());
    Item* lost = add(nullptr, "-> Nowhere", 0);
    EXPECT_EQ(lost->getUrl(), "");
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "-> Nowhere reference an invalid dual item. Please check.");
    Item* web = add(nullptr, "Web", 0, "http://example.org");
    EXPECT_EQ(web->getUrl(), "http://example.org");
}

TEST_F(TreeOperationsTest, ShortcutsKeepTheirTargetThroughAMoveAndAnEdit) {
    Item* a = add(nullptr, "A", 0);
    Item* b = add(nullptr, "B", 0);
    Item* first = add(a, "Same");
    Item* second = add(b, "Same");
    m_manager->createShortcut(second);
    Item* shortcut = m_manager->getItemList()->at(m_manager->getItemList()->indexOf(second) + 1);
    ASSERT_EQ(shortcut->getKind(), kShortcut);
    ASSERT_EQ(shortcut->getUrl(), second->getUrl());

    Item* moved = m_manager->moveItem(a, shortcut, 0, nullptr);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(moved->getUrl(), second->getUrl());
    EXPECT_EQ(moved->getReferencedUid(), second->getUid());
    ASSERT_EQ(m_manager->changeItem(moved, moved->getName(), 0, "i.gif", "o.gif", 1, "", 1, "", ""), 1);
    EXPECT_EQ(moved->getUrl(), second->getUrl());
    EXPECT_EQ(moved->getReferencedUid(), second->getUid());
    EXPECT_NE(treeFile().find("-> Same*" + second->getUrl().str() + "* *i.gif*o.gif*f*true*false* *" +
                              second->getUid().str() + "*"),
              std::string::npos);

    // A referenced uid that names no item leaves the lookup by name, whose
    // find is then remembered.
    moved->setReferencedUid("N404");
    ASSERT_EQ(m_manager->changeItem(moved, moved->getName(), 0, "i.gif", "o.gif", 1, "", 1, "", ""), 1);
    EXPECT_EQ(moved->getUrl(), first->getUrl());
    EXPECT_EQ(moved->getReferencedUid(), first->getUid());
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(TreeOperationsTest, ANewShortcutNameChoosesItsNewTarget) {
    Item* a = add(nullptr, "A", 0);
    Item* b = add(nullptr, "B", 0);
    m_manager->createShortcut(a);
    Item* shortcut = m_manager->getItemList()->at(m_manager->getItemList()->indexOf(a) + 1);
    ASSERT_EQ(shortcut->getReferencedUid(), a->getUid());
    // The modify dialog names the chosen item: "-> " + its name.
    ASSERT_EQ(m_manager->changeItem(shortcut, "-> B", 0, "i.gif", "o.gif", 1, "", 1, "", ""), 1);
    EXPECT_EQ(shortcut->getUrl(), b->getUrl());
    EXPECT_EQ(shortcut->getReferencedUid(), b->getUid());
    EXPECT_NE(treeFile().find("-> B*" + b->getUrl().str() + "* *i.gif*o.gif*f*true*false* *" +
                              b->getUid().str() + "*"),
              std::string::npos);
    // A name that no item has: the shortcut keeps its url and target.
    ASSERT_EQ(m_manager->changeItem(shortcut, "-> Nowhere", 0, "i.gif", "o.gif", 1, "", 1, "", ""), 1);
    EXPECT_EQ(shortcut->getUrl(), b->getUrl());
    EXPECT_EQ(shortcut->getReferencedUid(), b->getUid());
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "Error finding referenced element !");
}

TEST_F(TreeOperationsTest, DeletingRemovesTheSubtreeAndTheShortcutsAndSaves) {
    Item* a = add(nullptr, "A", 0);
    Item* a1 = add(a, "A1");
    add(nullptr, "-> A", 0);
    add(nullptr, "-> A1", 0);
    add(nullptr, "B", 0);
    m_manager->deleteItem(a, 1, 0, 1, 1, 1);
    EXPECT_EQ(tree(), std::vector<std::string>{"B"});
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "2 shortcut items have been removed too");
    EXPECT_EQ(treeFile().find("*A*"), std::string::npos);
    EXPECT_EQ(a1->getLevel(), 1); // taken out, not freed
    // Without removing marked shortcuts the deletion is saved all the same.
    Item* c = add(nullptr, "C", 0);
    m_manager->deleteItem(c, 1, 1, 0, 1, 1);
    EXPECT_EQ(treeFile().find("*C*"), std::string::npos);
    EXPECT_TRUE(m_dir.exists("proj/site/C")); // the folder stays
}

TEST_F(TreeOperationsTest, RenamingMovesUrlsFoldersAndShortcuts) {
    Item* a = add(nullptr, "A", 0);
    Item* b = add(a, "B");
    Item* toB = add(nullptr, "-> B", 0);
    m_dir.write("proj/site/A/B/overview.htm", "page of B");
    ASSERT_EQ(m_manager->changeItem(a, "Renamed", 0, "bookc.gif", "booko.gif", 1, a->getUrl(), 1, "", ""), 1);
    EXPECT_EQ(a->getUrl(), "../site/Renamed/overview.htm");
    EXPECT_EQ(b->getUrl(), "../site/Renamed/B/overview.htm");
    EXPECT_EQ(toB->getUrl(), "../site/Renamed/B/overview.htm");
    EXPECT_EQ(m_dir.read("proj/site/Renamed/B/overview.htm"), "page of B");
    EXPECT_FALSE(m_dir.exists("proj/site/A"));
    EXPECT_NE(treeFile().find("*Renamed*../site/Renamed/overview.htm*"), std::string::npos);
    // Renaming the target of a shortcut renames the shortcut.
    ASSERT_EQ(m_manager->changeItem(b, "Bee", 0, "bookc.gif", "booko.gif", 1, b->getUrl(), 1, "Abeille", ""),
              1);
    EXPECT_EQ(toB->getName(), "-> Bee");
    EXPECT_EQ(toB->getNameL2(), "-> Abeille");
    // The page is not generated whole: the user is told to update its title.
    EXPECT_EQ(m_ui.messages.back().text, "Html page title should be update manually");
}

TEST_F(TreeOperationsTest, ARenameWhoseFolderCannotMoveIsUndone) {
    Item* a = add(nullptr, "A", 0);
    Item* b = add(a, "B");
    add(nullptr, "Taken", 0);
    std::filesystem::create_directories(m_dir.path() + "proj/site/Taken_too");
    m_dir.write("proj/site/A/data.txt", "keep me");
    // The new folder exists already: the rename cannot move the old one.
    ASSERT_EQ(m_manager->changeItem(a, "Taken too", 0, "bookc.gif", "booko.gif", 1, a->getUrl(), 1, "", ""),
              0);
    EXPECT_EQ(a->getName(), "A");
    EXPECT_EQ(a->getUrl(), "../site/A/overview.htm");
    EXPECT_EQ(b->getUrl(), "../site/A/B/overview.htm");
    EXPECT_EQ(m_dir.read("proj/site/A/data.txt"), "keep me");
    bool reported = false;
    for (const auto& message : m_ui.messages)
        reported |= message.text == "Error moving directory";
    EXPECT_TRUE(reported);
    EXPECT_NE(treeFile().find("*A*../site/A/overview.htm*"), std::string::npos);
}

TEST_F(TreeOperationsTest, HomeKeepsItsUrlWhenRenamed) {
    Item* home = m_manager->addItem(nullptr, "home", 0, "i", "o", 0, "", "", 1, 1, 0, 1, "", 1, "");
    ASSERT_EQ(home->getUrl(), "../site/home/overview.htm");
    m_manager->changeItem(home, "Welcome", 0, "i", "o", 1, home->getUrl(), 1, "", "");
    EXPECT_EQ(home->getName(), "Welcome");
    EXPECT_EQ(home->getUrl(), "../site/home/overview.htm");
    EXPECT_EQ(m_manager->checkNotHomeItem(home), 0);
}

TEST_F(TreeOperationsTest, MovingKeepsTheUidAndTheChildren) {
    Item* a = add(nullptr, "A", 0);
    Item* a1 = add(a, "A1");
    add(a1, "A1x");
    Item* b = add(nullptr, "B", 0);
    const CString uid = a1->getUid();
    ASSERT_TRUE(m_manager->canMoveItem(a1, b, 2));
    Item* moved = m_manager->moveItem(b, a1, 2, nullptr);
    ASSERT_NE(moved, nullptr);
    EXPECT_NE(moved, a1);
    EXPECT_EQ(moved->getUid(), uid);
    EXPECT_EQ(tree(), (std::vector<std::string>{"A", "B", " A1", "  A1x"}));
    EXPECT_EQ(moved->getUrl(), "../site/B/A1/overview.htm");
    EXPECT_FALSE(m_manager->canMoveItem(b, moved, 2)); // into its own subtree
    EXPECT_FALSE(m_manager->canMoveItem(b, b, 1));
    EXPECT_EQ(m_ui.messages.back().text, "From item and To item shall not be the same");
}

TEST_F(TreeOperationsTest, NameChecks) {
    Item* a = add(nullptr, "Alpha", 0);
    add(a, "Beta");
    add(a, "Gamma delta");
    struct {
        const char* name;
        Item* anchor;
        int mode;
        int ok;
        const char* message;
    } cases[] = {
        {"", nullptr, 0, 0, "Name of the item shall not be empty"},
        {"Bad!", nullptr, 0, 0,
         "Please use '0'-'9', 'A'-'Z', 'a'-'z',' ', '-', '_', '\xE9\xE8\xEA\xF9\xFB\xE7\xE0\xE2@#&', "
         "()/.: characters for the name"},
        {"-> Bad!", nullptr, 0, 1, nullptr},
        {"Alpha", nullptr, 0, 0, "Duplicated name under same parent item!"},
        // The same folder as a sibling's, on another system or by its name.
        {"ALPHA", nullptr, 0, 0,
         "The name 'ALPHA' gives the folder 'ALPHA', which the item 'Alpha' under the same parent already "
         "uses. "
         "Please choose another name."},
        {"Gamma_delta", a, 2, 0,
         "The name 'Gamma_delta' gives the folder 'Gamma_delta', which the item 'Gamma delta' under the same "
         "parent "
         "already uses. Please choose another name."},
        {"Gamma_delta", nullptr, 0, 1, nullptr},
        {"Alpha", a, 2, 1, nullptr},
        {"Beta", a, 2, 0, "Duplicated name under same parent item!"},
        {"B\xE9ta (v2)", a, 2, 1, nullptr},
    };
    for (const auto& c : cases) {
        m_ui.messages.clear();
        EXPECT_EQ(checkItemNameInParent(c.name, "", c.anchor, c.mode, nullptr, m_manager->getItemList()),
                  c.ok)
            << c.name;
        if (c.message) {
            ASSERT_EQ(m_ui.messages.size(), 1u) << c.name;
            EXPECT_EQ(m_ui.messages[0].text, c.message) << c.name;
        }
    }
}

TEST_F(TreeOperationsTest, DiscardedFoldersGetSafeNames) {
    Item* a = add(nullptr, "A/B: c", 0);
    m_dir.write("proj/site/A_B__c/page.htm", "x");
    CTime::setClockForTests(1700000000);
    m_manager->discardItemFolder(a);
    CTime::setClockForTests(0);
    EXPECT_EQ(m_dir.read("proj/tmp/A_B__c_1700000000_save/page.htm"), "x");
}

TEST_F(TreeOperationsTest, AFolderAlreadyGoneIsNoErrorWhenDiscarded) {
    Item* gone = add(nullptr, "Gone", 0);
    std::filesystem::remove_all(m_dir / "proj/site/Gone");
    const auto before = m_dir.entries();
    m_manager->discardItemFolder(gone);
    EXPECT_TRUE(m_ui.messages.empty());
    EXPECT_EQ(m_dir.entries(), before) << "nothing is made in its place";
}

TEST_F(TreeOperationsTest, TheSiteFolderItselfIsNeverMovedAside) {
    // A damaged tree gave an item the site root as its folder.
    Item* root = add(nullptr, "Root", 0);
    root->setUrl("../site/overview.htm");
    m_dir.write("proj/site/page.htm", "x");
    m_manager->discardItemFolder(root);
    EXPECT_EQ(m_dir.read("proj/site/page.htm"), "x");
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text.Find("Error deleting directory"), 0);
    EXPECT_EQ(m_manager->moveSiteFile("../site", "../site/Elsewhere"), 0);
    EXPECT_EQ(m_manager->moveSiteFile("../site/../tolvane", "../site/Tree"), 0);
    EXPECT_TRUE(m_dir.exists("proj/tolvane/MenuTreeV2.dat"));
    EXPECT_EQ(m_ui.messages.back().text, "Error moving directory");
}

TEST_F(TreeOperationsTest, SharedProjectChangesReloadFirstAndRespectTheLock) {
    WritePrivateProfileStringA("STD_OPTION", "MultiUsers", "yes", (m_dir / "proj/site.tvx").c_str());
    Item* a = add(nullptr, "A", 0);
    ASSERT_NE(a, nullptr);
    // Another copy of the program added B meanwhile.
    m_dir.write("proj/tolvane/MenuTreeV2.dat",
                treeFile() + "\r\n0*N77*B*../site/B/overview.htm* *i*o*f*true*false* * *");
    add(nullptr, "C", 0);
    EXPECT_EQ(tree(), (std::vector<std::string>{"A", "B", "C"}));
    // Another copy removed A.
    m_dir.write("proj/tolvane/MenuTreeV2.dat", "\r\n0*N77*B*../site/B/overview.htm* *i*o*f*true*false* * *");
    m_ui.messages.clear();
    EXPECT_EQ(m_manager->changeItem(a, "A2", 0, "i", "o", 1, a->getUrl(), 1, "", ""), 0);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "Item has been deleted by another user. Operation failed");
    EXPECT_EQ(a->getUid(), "0");
    EXPECT_FALSE(m_manager->isBusy());

    // Another copy holds the lock.
    int ready[2], stop[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(stop), 0);
    const pid_t child = fork();
    if (child == 0) {
        TextOutStream lock((m_dir / "proj/tmp/lock.data").c_str(), TextOutStream::Mode::InPlace, false,
                           TextOutStream::Share::DenyWrite);
        const char c = 'y';
        (void)!write(ready[1], &c, 1);
        char s;
        (void)!read(stop[0], &s, 1);
        _exit(0);
    }
    char c;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    m_ui.messages.clear();
    EXPECT_EQ(add(nullptr, "D", 0), nullptr);
    ASSERT_EQ(m_ui.messages.size(), 2u);
    EXPECT_NE(m_ui.messages[0].text.Find("in use"), -1);
    EXPECT_EQ(m_ui.messages[1].text, "Semaphore locked. Please contact the administator");
    (void)!write(stop[1], &c, 1);
    waitpid(child, nullptr, 0);
    EXPECT_NE(add(nullptr, "D", 0), nullptr);
    for (int fd : {ready[0], ready[1], stop[0], stop[1]})
        close(fd);
}

// The same project opened in two copies of the program, in single-user
// mode: a change never writes over what the other copy saved.
TEST_F(TreeOperationsTest, ASingleUserChangeTakesInTheTreeAnotherCopySaved) {
    const char* recordB = "\r\n0*N77*B*../site/B/overview.htm* *i*o*f*true*false* * *";
    Item* a = add(nullptr, "A", 0);
    ASSERT_NE(a, nullptr);
    // Another copy of the program added B meanwhile.
    m_dir.write("proj/tolvane/MenuTreeV2.dat", treeFile() + recordB);
    add(nullptr, "C", 0);
    EXPECT_EQ(tree(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_NE(treeFile().find("*N77*B*"), std::string::npos);
    // Another copy removed A: changing it is refused as in multi-user mode.
    m_dir.write("proj/tolvane/MenuTreeV2.dat", recordB);
    EXPECT_EQ(m_manager->changeItem(a, "A2", 0, "i", "o", 1, a->getUrl(), 1, "", ""), 0);
    EXPECT_EQ(m_ui.takeMessageTexts(),
              (std::vector<std::string>{"Item has been deleted by another user. Operation failed"}));
    EXPECT_EQ(tree(), (std::vector<std::string>{"B"}));
    // A writer of the tree that does not read it first writes nothing over
    // another copy's change, and says so.
    const std::string other =
        std::string(recordB) + "\r\n0*N78*D*../site/D/overview.htm* *i*o*f*true*false* * *";
    m_dir.write("proj/tolvane/MenuTreeV2.dat", other);
    m_manager->saveMenuTree();
    EXPECT_EQ(m_ui.takeMessageTexts(),
              (std::vector<std::string>{
                  "The menu tree file " + m_dir.path() +
                  "proj/tolvane/MenuTreeV2.dat was changed by another copy of the program "
                  "since this one read it: this change of the tree was not saved, so that the "
                  "other copy's changes are kept. Please make it again."}));
    EXPECT_EQ(treeFile(), other);
    // The next change takes it in.
    add(nullptr, "E", 0);
    EXPECT_EQ(tree(), (std::vector<std::string>{"B", "D", "E"}));
    EXPECT_TRUE(m_ui.messages.empty());
}

// The tree writers that change items in place (an address prefix replaced,
// names and icons imported, a subtree made from folders) take in what
// another copy of the program saved before they write: the other copy's
// item stays, their own change is saved, and no refusal follows.
TEST_F(TreeOperationsTest, WritersOfTheWholeTreeTakeInTheTreeAnotherCopySaved) {
    struct WriterCase {
        const char* what;
        std::function<void(ProcessManager&, Item* a)> write;
        const char* savedChange;
        const char* told;
    };
    const WriterCase cases[] = {
        {"address prefix",
         [](ProcessManager& manager, Item*) { manager.replaceUrlPrefix("../site/A/", "../site/A2/"); },
         "*../site/A2/overview.htm*", "1 address prefix substitution performed"},
        {"names imported",
         [this](ProcessManager& manager, Item* a) {
             m_dir.write("in.csv", "head\r\n" + a->getUid().str() + ";A;Nom A;ia.gif;oa.gif;\r\n");
             manager.importItems((m_dir / "in.csv").c_str());
         },
         "*ia.gif*oa.gif*", "1 imports performed"},
        {"folders imported",
         [this](ProcessManager& manager, Item* a) {
             std::filesystem::create_directories(m_dir.path() + "proj/site/A/Sub");
             manager.importFolderTree(a);
         },
         "*Sub*../site/A/Sub/overview.htm*", nullptr},
    };
    const char* recordB = "\r\n0*N77*B*../site/B/overview.htm* *i*o*f*true*false* * *";
    for (const WriterCase& c : cases) {
        m_dir.write("proj/tolvane/MenuTreeV2.dat", "");
        open();
        Item* a = add(nullptr, "A", 0);
        ASSERT_NE(a, nullptr);
        // Another copy of the program added B meanwhile.
        std::filesystem::create_directories(m_dir.path() + "proj/site/B");
        m_dir.write("proj/tolvane/MenuTreeV2.dat", treeFile() + recordB);
        m_ui.messages.clear();
        c.write(*m_manager, m_manager->findItemByUid(a->getUid()));
        EXPECT_NE(treeFile().find("*N77*B*"), std::string::npos) << c.what;
        EXPECT_NE(treeFile().find(c.savedChange), std::string::npos) << c.what << ": " << treeFile();
        EXPECT_EQ(m_ui.takeMessageTexts(),
                  c.told ? std::vector<std::string>{c.told} : std::vector<std::string>{})
            << c.what;
        EXPECT_FALSE(m_manager->isBusy()) << c.what;
    }
}

} // namespace
