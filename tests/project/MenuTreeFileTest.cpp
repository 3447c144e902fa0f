#include "CTime.h"
#include "FileSystem.h"
#include "ItemListePlus.h"
#include "MenuTreeRecord.h"
#include "Project.h"
#include "RecordingMainWindow.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The hand-made fixture project, copied into a temporary folder.
class MenuTreeFileTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir.copyFixture("menu-tree-project", "proj");
        m_original = m_dir.read("proj/tolvane/MenuTreeV2.dat");
    }

    std::unique_ptr<Project> open(MainWindow* window = nullptr) {
        auto project = std::make_unique<Project>((m_dir / "proj/site.tvx").c_str(), window, 0);
        project->loadMenuTree(window, 1);
        return project;
    }

    std::string tree() const { return m_dir.read("proj/tolvane/MenuTreeV2.dat"); }
    void writeTree(const std::string& text) const { m_dir.write("proj/tolvane/MenuTreeV2.dat", text); }

    TempDir m_dir;
    std::string m_original;
    RecordingUserInterface m_ui;
};

TEST_F(MenuTreeFileTest, FixtureOpensWithEveryField) {
    RecordingMainWindow window;
    auto project = open(&window);
    ASSERT_TRUE(project->isTreeLoaded());
    ItemListePlus* list = project->getItemList();
    ASSERT_EQ(list->count(), 7);
    const Item* home = list->at(1);
    EXPECT_EQ(home->getName(), "Home");
    EXPECT_EQ(home->getNameL2(), "Accueil");
    EXPECT_EQ(home->getReferencedUid(), "");
    const Item* quality = list->at(2);
    EXPECT_EQ(quality->getName(), "Qualit\xE9, plan*");
    EXPECT_EQ(quality->getParent(), home);
    EXPECT_TRUE(quality->isBlankTarget());
    EXPECT_TRUE(quality->isFrame());
    EXPECT_EQ(quality->getNameL2(), "");
    const Item* shortcut = list->at(3);
    EXPECT_EQ(shortcut->getKind(), kShortcut);
    EXPECT_FALSE(shortcut->isVisible());
    EXPECT_EQ(shortcut->getReferencedUid(), "N2");
    EXPECT_EQ(project->findShortcutTarget(shortcut), quality);
    EXPECT_EQ(list->at(4)->getKind(), kExternal);
    EXPECT_EQ(list->at(4)->getUrl(), "http://example.org/a?b=1");
    const Item* blank = list->at(5);
    EXPECT_EQ(blank->getUrl(), "");
    EXPECT_EQ(blank->getKind(), kDual);
    EXPECT_EQ(blank->getParent(), nullptr);
    const Item* sub = list->at(6);
    EXPECT_EQ(sub->getUrl(), "..\\site\\Blank\\Sub\\overview.htm");
    EXPECT_EQ(sub->getNameL2(), "Sous-dossier \xE0 part");
    EXPECT_EQ(list->at(7)->getParent(), sub);
    EXPECT_EQ(list->at(7)->getLevel(), 2);
    EXPECT_EQ(project->findItemByUid("n6"), sub); // looked up upper-cased
    EXPECT_EQ(project->findItemByUid("N99"), nullptr);
    EXPECT_EQ(project->getHomeItem(), home);
    EXPECT_EQ(window.calls.back(), "rebuildTree 7");
}

TEST_F(MenuTreeFileTest, SavingUnchangedWritesTheSameBytes) {
    auto project = open();
    project->saveMenuTree();
    EXPECT_EQ(tree(), m_original);
    EXPECT_TRUE(m_ui.messages.empty());
}

TEST_F(MenuTreeFileTest, RecordEdgeCasesRoundTrip) {
    auto project = open();
    ItemListePlus* list = project->getItemList();
    list->deleteAll();
    auto add = [&](const char* name, const char* url, int level) {
        Item* item = project->createItem(nullptr, name, url, 0, "bookc.gif", "booko.gif", level, 0, "");
        item->generateUid();
        list->append(item);
        return item;
    };
    Item* tricky = add("a,b*c", "../site/abc/overview.htm", 0);
    tricky->setNameL2("x*y,z");
    Item* blank = add("no url", "", 0);
    Item* target = add("target", "../site/target/overview.htm", 0);
    add("-> target", "../site/target/overview.htm", 1); // empty referenced uid
    add("-> none", "../site/none/overview.htm", 1);     // no target either
    project->saveMenuTree();

    const std::string text = tree();
    EXPECT_NE(text.find("a\\commab\\starc*"), std::string::npos);
    EXPECT_NE(text.find("x\\stary\\commaz*"), std::string::npos);
    EXPECT_NE(text.find("*empty* *"), std::string::npos);
    EXPECT_NE(text.find("-> target*../site/target/overview.htm* *bookc.gif*booko.gif*f*true*false* *" +
                        target->getUid().str() + "*"),
              std::string::npos);
    EXPECT_TRUE(text.ends_with("-> none*../site/none/overview.htm* *bookc.gif*booko.gif*f*true*false* *"));
    EXPECT_TRUE(text.starts_with("\r\n0*"));

    auto reopened = open();
    ItemListePlus* again = reopened->getItemList();
    ASSERT_EQ(again->count(), 5);
    EXPECT_EQ(again->at(1)->getName(), "a,b*c");
    EXPECT_EQ(again->at(1)->getNameL2(), "x*y,z");
    EXPECT_EQ(again->at(2)->getUrl(), "");
    EXPECT_EQ(again->at(2)->getKind(), blank->getKind());
    EXPECT_EQ(again->at(4)->getReferencedUid(), target->getUid());
    EXPECT_EQ(again->at(5)->getReferencedUid(), "");
}

// Every field of an item as the tree file keeps it, on one line.
std::string recordFields(const Item* item) {
    return std::to_string(item->getLevel()) + "|" + item->getUid().str() + "|" + item->getName().str() + "|" +
           item->getUrl().str() + "|" + std::to_string(item->isBlankTarget()) + "|" + item->getIcon().str() +
           "|" + item->getOpenIcon().str() + "|" + std::to_string(item->isVisible()) + "|" +
           std::to_string(item->isFrame()) + "|" + item->getNameL2().str() + "|" +
           item->getReferencedUid().str();
}

TEST_F(MenuTreeFileTest, EmptyFieldsComeBackEmptyAndKeepTheLaterFieldsInPlace) {
    struct EmptyFields {
        const char* uid;
        const char* name;
        const char* icon;
        const char* openIcon;
    };
    const EmptyFields cases[] = {
        {"", "No uid", "i.gif", "o.gif"},
        {"N2", "", "i.gif", "o.gif"},
        {"N3", "No icon", "", "o.gif"},
        {"N4", "No open icon", "i.gif", ""},
        {"", "", "", ""},
    };
    auto project = open();
    ItemListePlus* list = project->getItemList();
    list->deleteAll();
    std::vector<std::string> saved;
    for (const EmptyFields& c : cases) {
        Item* item =
            project->createItem(nullptr, c.name, "../site/x/overview.htm", 1, c.icon, c.openIcon, 0, 1, "");
        item->setUid(c.uid);
        item->setVisible(0);
        item->setNameL2("Second");
        list->append(item);
        saved.push_back(recordFields(item));
    }
    project->saveMenuTree();
    EXPECT_NE(tree().find("\r\n0* *No uid*../site/x/overview.htm*_blank*i.gif*o.gif*f*false*true*Second* *"),
              std::string::npos);

    auto reopened = open();
    ItemListePlus* again = reopened->getItemList();
    ASSERT_EQ(again->count(), static_cast<int>(saved.size()));
    for (int i = 1; i <= again->count(); ++i) {
        EXPECT_EQ(recordFields(again->at(i)), saved[i - 1]);
        EXPECT_EQ(again->at(i)->getKind(), kDual);
    }
}

TEST_F(MenuTreeFileTest, ShortRecordsReadWithDefaults) {
    writeTree("\r\n0*N1*Only ten*../site/a/overview.htm* *i.gif*o.gif*f*true*false*"
              "\r\n   1*N2*indented*../site/a/b/overview.htm*_blank*i.gif*o.gif*f*false*false*B*"
              "\r\nnot a record\r\n\r\n#comment*\r\n");
    auto project = open();
    ItemListePlus* list = project->getItemList();
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->at(1)->getNameL2(), "");
    EXPECT_EQ(list->at(1)->getReferencedUid(), "");
    EXPECT_EQ(list->at(2)->getNameL2(), "B");
    EXPECT_EQ(list->at(2)->getParent(), list->at(1));
    EXPECT_FALSE(list->at(2)->isVisible());
}

TEST_F(MenuTreeFileTest, RecordsWithoutADefinedParentGoUnderTheNearestShallowerItem) {
    writeTree("\r\n0*N1*top*../site/top/overview.htm* *i*o*f*true*false* * *"
              "\r\n1*N2*child*../site/top/child/overview.htm* *i*o*f*true*false* * *"
              "\r\n0*N3*second*../site/second/overview.htm* *i*o*f*true*false* * *"
              "\r\n2*N4*jump*../site/second/jump/overview.htm* *i*o*f*true*false* * *"
              "\r\n150*N5*deep*../site/deep/overview.htm* *i*o*f*true*false* * *");
    auto project = open();
    ItemListePlus* list = project->getItemList();
    ASSERT_EQ(list->count(), 5);
    // Not the stale level-1 item of the first branch: the record before.
    EXPECT_EQ(list->at(4)->getParent(), list->at(3));
    EXPECT_EQ(list->at(4)->getLevel(), 1);
    EXPECT_EQ(list->at(5)->getParent(), list->at(4));
    EXPECT_EQ(list->at(5)->getLevel(), 2);
    const std::string log = m_dir.read("proj/site/ZevoRiruradiruzuz.log");
    EXPECT_NE(log.find("level 2 placed at level 1"), std::string::npos);
    EXPECT_NE(log.find("level 150 placed at level 2"), std::string::npos);
}

TEST_F(MenuTreeFileTest, ReloadKeepsItemsAndMarksThoseRemovedByAnotherUser) {
    auto project = open();
    ItemListePlus* list = project->getItemList();
    Item* home = list->at(1);
    Item* removed = list->at(4); // "Web", without translation
    Item* sub = list->at(6);
    // Another copy of the program removed "Web" and renamed "Sub folder".
    std::string changed = m_original;
    const size_t web = changed.find("\r\n1*N4*");
    changed.erase(web, changed.find("\r\n", web + 2) - web);
    changed.replace(changed.find("Sub folder"), 10, "Renamed");
    writeTree(changed);

    project->loadMenuTree(nullptr, 0);
    ItemListePlus* reloaded = project->getItemList();
    EXPECT_EQ(reloaded->count(), 6);
    EXPECT_EQ(reloaded->at(1), home); // the same objects, updated
    EXPECT_EQ(reloaded->indexOf(sub), 5);
    EXPECT_EQ(sub->getName(), "Renamed");
    EXPECT_EQ(sub->getNameL2(), "Sous-dossier \xE0 part");
    EXPECT_EQ(reloaded->indexOf(removed), 0);
    EXPECT_EQ(removed->getUid(), "0");
    EXPECT_EQ(removed->getName(), "Web (deleted)");
    EXPECT_EQ(removed->getNameL2(), "Empty translation (deleted)");
    EXPECT_EQ(project->findItemByUid("N4"), nullptr);
}

TEST_F(MenuTreeFileTest, MissingFileIsReportedAndDisablesTheProjectButtons) {
    std::filesystem::remove(m_dir / "proj/tolvane/MenuTreeV2.dat");
    RecordingMainWindow window;
    auto project = open(&window);
    EXPECT_FALSE(project->isTreeLoaded());
    EXPECT_EQ(project->getItemList()->count(), 0);
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, "MenuTreeV2.dat not found! Please close the application now and check "
                                     "tolvane/MenuTreeV2.dat file (MenuTreeV2.dat saves are contained in "
                                     "tolvane/saves directory)");
    EXPECT_EQ(window.calls, (std::vector<std::string>{"loadIconImages " + m_dir.path() + "proj/",
                                                      "disableProjectButtons", "rebuildTree 0"}));
}

TEST_F(MenuTreeFileTest, FallsBackToTheDevkitFolder) {
    std::filesystem::create_directories(m_dir / "proj/devkit/Administrator");
    std::filesystem::rename(m_dir / "proj/tolvane/MenuTreeV2.dat", m_dir / "proj/devkit/Administrator/MenuTreeV2.dat");
    auto project = open();
    EXPECT_TRUE(project->isTreeLoaded());
    EXPECT_EQ(project->getItemList()->count(), 7);
}

TEST_F(MenuTreeFileTest, BacksUpBeforeEachSaveOnlyIntoAnExistingSaveFolder) {
    CTime::setClockForTests(1700000000);
    auto project = open();
    project->saveMenuTree();
    EXPECT_FALSE(m_dir.exists("proj/tolvane/save")); // never created
    std::filesystem::create_directory(m_dir / "proj/tolvane/save");
    project->getItemList()->at(1)->setNameText("Changed");
    project->saveMenuTree();
    CTime::setClockForTests(0);
    EXPECT_EQ(m_dir.read("proj/tolvane/save/1700000000.sav"), m_original); // the tree before the save
    EXPECT_NE(tree().find("Changed"), std::string::npos);
}

TEST_F(MenuTreeFileTest, AFailedSaveIsReportedAndLeavesTheFileAlone) {
    auto project = open();
    std::filesystem::remove_all(m_dir / "proj/tolvane");
    project->saveMenuTree();
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_EQ(m_ui.messages[0].text, m_dir.path() + "proj/tolvane/MenuTreeV2.dat creation failed. Verify the "
                                                    "directory " + m_dir.path() + "proj/tolvane exist.");
}

// A tree file cut short (a copy killed while it wrote, a disk gone full, a
// file truncated since): the records before the cut open, the cut one is
// left out and said once with the newest backup, and the damaged file is
// kept as it was before the tree is next written.
TEST_F(MenuTreeFileTest, ATreeFileCutShortIsToldOnceAndKeptBeforeItIsWrittenOver) {
    struct Cut {
        const char* after; // the file ends right after this text
        int line;          // the line of the record cut short
    };
    const Cut cuts[] = {
        {"\r\n2", 8},                                           // inside the level
        {"\r\n2*N", 8},                                         // inside the uid
        {"\r\n2*N7*", 8},                                       // between fields
        {"*-> Go", 8},                                          // inside the name
        {"../site/gone/overview.htm", 8},                       // at the end of a field
        {"gone/overview.htm* *book", 8},                        // inside the icon
        {"Sous-dossier \xE0 part* *\r", 8},                     // inside the line end
        {"Sous-doss", 7},                                       // inside the second-language name
        {"Sub\\overview.htm* *bookc.gif*booko.gif*f*true*", 7}, // after nine fields
        {"web.gif*web.gif*f*tr", 5},                            // inside the visible flag
    };
    for (const Cut& cut : cuts) {
        SCOPED_TRACE(cut.after);
        TempDir dir;
        dir.copyFixture("menu-tree-project", "proj");
        const std::string whole = dir.read("proj/tolvane/MenuTreeV2.dat");
        const size_t at = whole.find(cut.after);
        ASSERT_NE(at, std::string::npos);
        const std::string damaged = whole.substr(0, at + std::string(cut.after).size());
        dir.write("proj/tolvane/MenuTreeV2.dat", damaged);
        dir.write("proj/tolvane/save/1500000000.sav", whole.substr(0, whole.find("\r\n1*N2")));
        dir.write("proj/tolvane/save/1600000000.sav", whole);
        CTime::setClockForTests(1700000000);
        RecordingUserInterface ui;
        auto project = std::make_unique<Project>((dir / "proj/site.tvx").c_str(), nullptr, 0);
        project->loadMenuTree(nullptr, 1);
        CTime::setClockForTests(0);

        ASSERT_EQ(ui.messages.size(), 1u);
        const std::string kept = dir / "proj/tolvane/MenuTreeV2.dat.1700000000.damaged";
        EXPECT_EQ(ui.messages[0].text,
                  "The menu tree file " + dir.path() +
                      "proj/tolvane/MenuTreeV2.dat is damaged: "
                      "its record on line " +
                      std::to_string(cut.line) +
                      " is cut short and is left out of the tree. The newest backup of the tree is " +
                      dir.path() +
                      "proj/tolvane/save/1600000000.sav. Before the tree is written "
                      "again, the damaged file is kept as " +
                      kept + ".");
        // The records before the cut, every one whole.
        ItemListePlus* list = project->getItemList();
        ASSERT_EQ(list->count(), cut.line - 2);
        for (int i = 1; i <= list->count(); ++i)
            EXPECT_EQ(list->at(i)->getUid(), "N" + std::to_string(i));
        // Nothing is written over until the user changes the tree.
        EXPECT_EQ(dir.read("proj/tolvane/MenuTreeV2.dat"), damaged);
        EXPECT_FALSE(dir.exists("proj/tolvane/MenuTreeV2.dat.1700000000.damaged"));

        ASSERT_NE(
            project->addItem(nullptr, "Added", 0, "bookc.gif", "booko.gif", 0, "", "", 0, 1, 0, 1, "", 1, ""),
            nullptr);
        EXPECT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(dir.read("proj/tolvane/MenuTreeV2.dat.1700000000.damaged"), damaged);
        project.reset();
        auto reopened = std::make_unique<Project>((dir / "proj/site.tvx").c_str(), nullptr, 0);
        reopened->loadMenuTree(nullptr, 1);
        EXPECT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(reopened->getItemCount(), cut.line - 1);
        EXPECT_EQ(reopened->getItemList()->at(cut.line - 1)->getName(), "Added");
    }
}

TEST_F(MenuTreeFileTest, ACutTreeFileWithoutBackupsSaysSo) {
    writeTree(m_original.substr(0, m_original.find("Accueil") + 3));
    auto project = open();
    ASSERT_EQ(m_ui.messages.size(), 1u);
    EXPECT_NE(m_ui.messages[0].text.Find("its record on line 2 is cut short"), -1);
    EXPECT_NE(m_ui.messages[0].text.Find(
                  ("The folder " + m_dir.path() + "proj/tolvane/save holds no backup").c_str()),
              -1);
    EXPECT_EQ(project->getItemCount(), 0);
}

TEST(MenuTreeRecordTest, ParseTable) {
    struct {
        const char* line;
        bool isRecord;
        int level;
        const char* url;
    } cases[] = {
        {"", false, 0, ""},
        {"   ", false, 0, ""},
        {"x*N1*a*u*", false, 0, ""},
        {"\t12*N1*a*u*", true, 12, "u"},
        {"0*N1*a* *", true, 0, ""},
        {"0*N1*a*empty*", true, 0, ""},
        {"0**N1**a***u*", true, 0, "u"}, // empty pieces vanish
        {"1a*N1*a*u*", true, 59, "u"},   // every character counts as a digit
    };
    for (const auto& c : cases) {
        MenuTreeRecord record;
        EXPECT_EQ(MenuTreeRecord::parse(c.line, record), c.isRecord) << c.line;
        if (c.isRecord) {
            EXPECT_EQ(record.level, c.level) << c.line;
            EXPECT_EQ(record.url, c.url) << c.line;
        }
    }
}

} // namespace
