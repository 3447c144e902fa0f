#include "ItemActivity.h"
#include "ItemListePlus.h"
#include "ItemWorkProduct.h"
#include "ProcessProjectFixture.h"
#include "TextOutStream.h"
#include "UidReferences.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

TEST(UidReferencesTest, OnlyWholeUidsInTheirPlacesAreRenamed) {
    UidReferences references;
    references.add("N3", "N30");
    const struct {
        const char* key;
        const char* value;
        const char* expected;
    } cases[] = {
        {"Roles", "~n3/performer,~N33/x,N3/a plain name,~n3", "~N30/performer,~N33/x,N3/a plain name,~N30"},
        {"Author", "~n3/N3", "~N30/N3"},
        {"InWorkProducts", "~n10/n3/2,~n3//1,~n33/n3/1", "~n10/N30/2,~N30//1,~n33/N30/1"},
        {"OutWorkProducts", "Missing WP,~n4/N3\\comma/1", "Missing WP,~n4/N3\\comma/1"},
        {"GProc", "N3,n33,,N3", "N30,n33,,N30"},
        {"Measures", "N31", "N31"},
        {"traceabilityLinks", "~n3,n3", "~N30,N30"},
        {"DerivedFrom", "n3", "N30"},
        {"DerivedFrom2", "N3X", "N3X"},
        {"Step", "#0 Ask the [@n3],#1 then [@N33] and [@N3]", "#0 Ask the [@N30],#1 then [@N33] and [@N30]"},
        {"Comment", "N3 is not a reference; [@N3 neither", "N3 is not a reference; [@N3 neither"},
        {"Comment", "[@[@N3]]", "[@[@N30]]"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(references.relinkDataValue(c.key, c.value), c.expected) << c.key << "=" << c.value;
    EXPECT_EQ(references.relinkAreaFile("N3;1;2;3;4\r\n ;5;6;7;8; ;N3;a;b;c\r\nN33;1;1;1;1\r\nn3;0;0;0;0"),
              "N30;1;2;3;4\r\n ;5;6;7;8; ;N3;a;b;c\r\nN33;1;1;1;1\r\nN30;0;0;0;0");
}

const char* const kTesterPage =
    "<meta name=\"DC.Identifier\" Content=\"N4\">\r\n"
    "<p>Test bench N4: N4 N41 xN4 n4 Content=\"N4\" [@N4]</p>\r\n"
    "<p align=\"center\"><font size=\"0\" color=\"#006600\">Page id: N4</font></p>\r\n";

// Only the page's identity changes: the meta tag and the page id footer,
// with or without a version after it.
TEST(UidReferencesTest, APageKeepsItsTextAndChangesItsIdentity) {
    const struct {
        const char* page;
        const char* expected;
    } cases[] = {
        {"<meta name=\"DC.Identifier\" Content=\"N4\">", "<meta name=\"DC.Identifier\" Content=\"N5\">"},
        {"<meta name=\"DC.Identifier\" Content=\"N41\">", "<meta name=\"DC.Identifier\" Content=\"N41\">"},
        {"<font size=\"0\" color=\"#006600\">Page id: N4 - Version 1.2</font>",
         "<font size=\"0\" color=\"#006600\">Page id: N5 - Version 1.2</font>"},
        {"<font size=\"0\" color=\"#006600\">Identifiant de page: N4</font>",
         "<font size=\"0\" color=\"#006600\">Identifiant de page: N5</font>"},
        {"<font size=\"0\" color=\"#006600\">Page id: N41</font>",
         "<font size=\"0\" color=\"#006600\">Page id: N41</font>"},
        {"<font size=\"0\" color=\"#006600\">Page id: TN4</font>",
         "<font size=\"0\" color=\"#006600\">Page id: TN4</font>"},
        {"<font size=\"0\" color=\"#006600\">Note</font>: N4</font>",
         "<font size=\"0\" color=\"#006600\">Note</font>: N4</font>"},
        {"<p>See N4: N4 - it is N4</p>", "<p>See N4: N4 - it is N4</p>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(UidReferences::relinkPageIdentity(c.page, "N4", "N5"), c.expected) << c.page;
}

class UidChangeTest : public testing::Test {
protected:
    void SetUp() override {
        f.write("site/Process/Design/ActivityDescription.txt", "Design with the [@N4], not [@N41].");
        f.write("site/Process/Design/map.data", "N4;1;2;3;4\n");
        // A file of an item folder that is a link leads out of the project:
        // it is never written through.
        f.write("outside/notes.txt", "About the [@N4].");
        fs::create_symlink(f.dir / "proj/outside/notes.txt", f.dir / "proj/site/Process/Design/linked.txt");
        // The page as written once: meta tag and footer name the item; the
        // author's text around them only looks like its uid.
        f.write("site/Roles/Engineers/Tester/overview.htm", kTesterPage);
        manager = f.open();
    }
    std::vector<std::string> said() const {
        std::vector<std::string> texts;
        for (const auto& message : f.ui.messages)
            texts.push_back(message.text.str());
        return texts;
    }

    ProcessProjectFixture f;
    ProcessManager* manager = nullptr;
};

TEST_F(UidChangeTest, ANewUidIsUpperCaseLettersDigitsAndUnderscoreAndUniqueIgnoringCase) {
    Item* tester = f.item("N4");
    EXPECT_TRUE(manager->isUidUnique(tester, "N4"));
    EXPECT_FALSE(manager->isUidUnique(tester, "N3"));
    EXPECT_FALSE(manager->isUidUnique(tester, "n3"));
    EXPECT_TRUE(manager->isUidUnique(tester, "N44"));
    const struct {
        const char* uid;
        const char* message; // empty: accepted
    } cases[] = {
        {"", "Item UID shall not be empty"},
        {"n44", "Item UID shall be made of upper case letters 'A'-'Z', digits '0'-'9' and '_'"},
        {"N 44", "Item UID shall be made of upper case letters 'A'-'Z', digits '0'-'9' and '_'"},
        {"N4/4", "Item UID shall be made of upper case letters 'A'-'Z', digits '0'-'9' and '_'"},
        {"N\xC9"
         "44",
         "Item UID shall be made of upper case letters 'A'-'Z', digits '0'-'9' and '_'"},
        {"0", "Item UID shall be made of upper case letters 'A'-'Z', digits '0'-'9' and '_'"},
        {"N3", "Item UID is not unique"},
        {"N4", ""},
        {"TESTER_2", ""},
    };
    const std::string tree = f.read("tolvane/MenuTreeV2.dat");
    for (const auto& c : cases) {
        f.ui.messages.clear();
        EXPECT_EQ(manager->checkNewUid(tester, c.uid), *c.message ? 0 : 1) << c.uid;
        EXPECT_EQ(said(), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.uid;
        if (!*c.message)
            continue;
        // A refused uid changes nothing.
        f.ui.messages.clear();
        EXPECT_EQ(manager->setItemUid(tester, c.uid), 0) << c.uid;
        EXPECT_EQ(said(), std::vector<std::string>{c.message}) << c.uid;
        EXPECT_EQ(tester->getUid(), "N4");
        EXPECT_EQ(f.read("tolvane/MenuTreeV2.dat"), tree);
    }
}

TEST_F(UidChangeTest, EveryReferenceFollowsTheNewUid) {
    ASSERT_EQ(manager->setItemUid(f.item("N4"), "TESTER_2"), 1);
    EXPECT_EQ(manager->findItemByUid("N4"), nullptr);
    ASSERT_NE(f.item("TESTER_2"), nullptr);
    EXPECT_EQ(f.item("TESTER_2")->getName(), "Tester");
    // The tree file: the item and the shortcut that names it.
    const std::string tree = f.read("tolvane/MenuTreeV2.dat");
    EXPECT_NE(tree.find("\r\n2*TESTER_2*Tester*"), std::string::npos);
    EXPECT_NE(
        tree.find(
            "*-> Tester*../site/Roles/Engineers/Tester/overview.htm* *bookc.gif*booko.gif*f*true*false* "
            "*TESTER_2*"),
        std::string::npos);
    // Data files, descriptions and clickable areas.
    EXPECT_NE(f.read("site/Products/Blueprint/process.data")
                  .find("Author=~N3/author,~TESTER_2/reviewed by,~n5/author"),
              std::string::npos);
    EXPECT_EQ(f.read("site/Process/Design/ActivityDescription.txt"),
              "Design with the [@TESTER_2], not [@N41].");
    EXPECT_EQ(f.read("site/Process/Design/map.data"), "TESTER_2;1;2;3;4\n");
    EXPECT_EQ(f.read("outside/notes.txt"), "About the [@N4].");
    EXPECT_TRUE(fs::is_symlink(f.dir / "proj/site/Process/Design/linked.txt"));
    // The item's own page, where its uid was written once.
    EXPECT_EQ(f.read("site/Roles/Engineers/Tester/overview.htm"),
              "<meta name=\"DC.Identifier\" Content=\"TESTER_2\">\r\n"
              "<p>Test bench N4: N4 N41 xN4 n4 Content=\"N4\" [@TESTER_2]</p>\r\n"
              "<p align=\"center\"><font size=\"0\" color=\"#006600\">Page id: TESTER_2</font></p>\r\n");
    // The items read their files again.
    EXPECT_EQ(f.item("N10")->getItemWorkProduct()->getAuthorsText(),
              "~n3/author,~tester_2/reviewed by,~n5/author");
    EXPECT_TRUE(said().empty());

    // A derived activity follows its base.
    ASSERT_EQ(manager->setItemUid(f.item("N8"), "DESIGN"), 1);
    EXPECT_NE(f.read("site/Process/Review/process.data").find("DerivedFrom=DESIGN"), std::string::npos);
    EXPECT_EQ(f.item("N9")->getItemActivity()->getDerivedFrom(), "DESIGN");
    const std::string log = f.read("site/ZevoRiruradiruzuz.log");
    EXPECT_NE(log.find("Changing uid  from N4 to TESTER_2"), std::string::npos);
    EXPECT_NE(log.find("Changing uid  from N8 to DESIGN"), std::string::npos);
}

// In a shared project the uid is checked again on the tree as the other
// users left it, and a lock held elsewhere stops the change.
TEST_F(UidChangeTest, ASharedProjectChecksTheUidOnTheReloadedTree) {
    WritePrivateProfileStringA("STD_OPTION", "MultiUsers", "yes", (f.dir / "proj/site.tvx").c_str());
    // Another user gave Lead (N5) the uid TAKEN meanwhile.
    std::string tree = f.read("tolvane/MenuTreeV2.dat");
    tree.replace(tree.find("*N5*"), 4, "*TAKEN*");
    f.write("tolvane/MenuTreeV2.dat", tree);
    EXPECT_EQ(manager->setItemUid(f.item("N4"), "TAKEN"), 0);
    EXPECT_EQ(said(), std::vector<std::string>{"Item UID is not unique"});
    EXPECT_EQ(f.item("N4")->getName(), "Tester");
    EXPECT_EQ(f.read("tolvane/MenuTreeV2.dat"), tree);
    EXPECT_EQ(manager->isBusy(), 0);

    {
        TextOutStream lock((f.dir / "proj/tmp/lock.data").c_str(), TextOutStream::Mode::InPlace, false,
                           TextOutStream::Share::DenyWrite);
        f.ui.messages.clear();
        EXPECT_EQ(manager->setItemUid(f.item("N4"), "TESTER_2"), 0);
        ASSERT_FALSE(f.ui.messages.empty());
        EXPECT_EQ(said().back(), "Semaphore locked. Please contact the administator");
        EXPECT_EQ(f.read("tolvane/MenuTreeV2.dat"), tree);
    }
    // Another user removed the item meanwhile.
    {
        std::string removed = f.read("tolvane/MenuTreeV2.dat");
        const size_t lead = removed.find("\r\n1*TAKEN*Lead*");
        ASSERT_NE(lead, std::string::npos);
        removed.erase(lead, removed.find("\r\n", lead + 2) - lead);
        f.write("tolvane/MenuTreeV2.dat", removed);
        Item* gone = manager->findItemByUid("TAKEN");
        ASSERT_NE(gone, nullptr);
        f.ui.messages.clear();
        EXPECT_EQ(manager->setItemUid(gone, "LEAD"), 0);
        EXPECT_EQ(said(),
                  std::vector<std::string>{"Item has been deleted by another user. Operation failed"});
        EXPECT_EQ(f.read("tolvane/MenuTreeV2.dat"), removed);
        EXPECT_EQ(manager->findItemByUid("LEAD"), nullptr);
        EXPECT_EQ(manager->isBusy(), 0);
        f.write("tolvane/MenuTreeV2.dat", tree);
    }
    // The lock was let go after the refusal: the next change goes through.
    f.ui.messages.clear();
    EXPECT_EQ(manager->setItemUid(f.item("N4"), "TESTER_2"), 1);
    EXPECT_NE(f.read("tolvane/MenuTreeV2.dat").find("*TESTER_2*Tester*"), std::string::npos);
    EXPECT_NE(f.read("tolvane/MenuTreeV2.dat").find("*TAKEN*Lead*"), std::string::npos);
    EXPECT_EQ(f.window.calls.back(), "rebuildTree 13");
    EXPECT_TRUE(said().empty());
}

TEST_F(UidChangeTest, CleaningUpRemovesEditorFoldersExportsAndBackupsOnly) {
    for (const char* file :
         {"site/_vti_cnf/a.htm", "site/Roles/Lead/_vti_cnf/deep/b.htm",
          "site/Roles/my_vti_cnf_notes/_vti_cnf/c.htm", "site/Roles/my_vti_cnf_notes/kept.txt",
          "tmp/Roles_exp_1/export.dat", "tmp/Roles_exp_1/exp/overview.htm", "tmp/report.csv",
          "tolvane/save/1.sav", "tolvane/save/2.sav", "outside/_vti_cnf/kept.htm", "outside/kept.txt"})
        f.write(file, "x");
    // Links lead out of the project: what they lead to is never touched.
    fs::create_directory_symlink(f.dir / "proj/outside", f.dir / "proj/site/Roles/linked");
    fs::create_directory_symlink(f.dir / "proj/outside", f.dir / "proj/tmp/linked");
    ASSERT_EQ(manager->lockTree(), 1);

    manager->deleteFolderTree((f.dir / "proj/site").c_str());
    EXPECT_FALSE(fs::exists(f.dir / "proj/site/_vti_cnf"));
    EXPECT_FALSE(fs::exists(f.dir / "proj/site/Roles/Lead/_vti_cnf"));
    EXPECT_FALSE(fs::exists(f.dir / "proj/site/Roles/my_vti_cnf_notes/_vti_cnf"));
    EXPECT_TRUE(fs::exists(f.dir / "proj/site/Roles/my_vti_cnf_notes/kept.txt"));
    EXPECT_TRUE(fs::exists(f.dir / "proj/site/Roles/Lead/process.data"));
    EXPECT_TRUE(fs::exists(f.dir / "proj/outside/_vti_cnf/kept.htm"));

    manager->removeTmpFolder();
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(f.dir / "proj/tmp"))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    // The files that running copies of the program hold stay.
    EXPECT_EQ(left, (std::vector<std::string>{"lock.data", "open.data"}));
    EXPECT_TRUE(fs::exists(f.dir / "proj/outside/kept.txt"));
    // The lock still works, and a second copy of the program still finds it held.
    manager->unlockTree();
    EXPECT_EQ(manager->lockTree(), 1);
    manager->unlockTree();

    manager->removeSaveFolder();
    EXPECT_TRUE(fs::is_empty(f.dir / "proj/tolvane/save"));
    EXPECT_EQ(manager->removeFolderTree((f.dir / "proj/missing").c_str(), 1), 0);
    EXPECT_TRUE(said().empty());
}

// A "tmp" or backup folder that is a link leads out of the project: the
// clean-up leaves what it leads to alone.
TEST_F(UidChangeTest, CleaningUpNeverEmptiesAFolderALinkLeadsTo) {
    f.write("elsewhere/tmp/report.csv", "x");
    f.write("elsewhere/save/1.sav", "x");
    fs::remove_all(f.dir / "proj/tmp");
    fs::remove_all(f.dir / "proj/tolvane/save");
    fs::create_directory_symlink(f.dir / "proj/elsewhere/tmp", f.dir / "proj/tmp");
    fs::create_directory_symlink(f.dir / "proj/elsewhere/save", f.dir / "proj/tolvane/save");
    manager->removeTmpFolder();
    manager->removeSaveFolder();
    EXPECT_TRUE(fs::exists(f.dir / "proj/elsewhere/tmp/report.csv"));
    EXPECT_TRUE(fs::exists(f.dir / "proj/elsewhere/save/1.sav"));
    EXPECT_TRUE(said().empty());
}

} // namespace
