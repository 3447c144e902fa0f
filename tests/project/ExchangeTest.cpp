#include "FileSystem.h"
#include "ItemListePlus.h"
#include "ProcessProjectFixture.h"
#include "TextOutStream.h"
#include "WinTypes.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Every file (its bytes), folder and link below a folder, by relative path:
// what a test compares to show that nothing changed.
std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> entries;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
        const std::string name = it->path().lexically_relative(folder).string();
        if (it->is_symlink())
            entries[name] = "-> " + fs::read_symlink(it->path()).string();
        else if (it->is_directory())
            entries[name] = "<folder>";
        else
            entries[name] = platform::readFileBytes(it->path().c_str(), entries[name]) ? entries[name] : "?";
    }
    return entries;
}

// The same for a project folder whose log told that an import began.
std::map<std::string, std::string> snapshotWithoutLog(const fs::path& project) {
    std::map<std::string, std::string> entries = snapshot(project);
    entries.erase("site/ZevoRiruradiruzuz.log");
    return entries;
}

// The folders of "tmp" whose names contain the text.
std::vector<fs::path> tmpFolders(const TempDir& dir, const std::string& text) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(dir / "proj/tmp"))
        if (entry.path().filename().string().find(text) != std::string::npos)
            found.push_back(entry.path());
    return found;
}

// Each item as its level in blanks, its name, uid and url.
std::vector<std::string> tree(ProcessManager* manager) {
    std::vector<std::string> out;
    for (int i = 1; i <= manager->getItemCount(); ++i) {
        const Item* item = manager->getItemList()->at(i);
        out.push_back(std::string(static_cast<size_t>(item->getLevel()), ' ') + item->getName().str() + " " +
                      item->getUid().str() + " " + item->getUrl().str());
    }
    return out;
}

std::string readFile(const std::string& path) {
    std::string bytes;
    platform::readFileBytes(path.c_str(), bytes);
    return bytes;
}

// A path as the program writes it, '/' turned into '\\'.
std::string backslashed(const fs::path& path) {
    std::string text = path.string();
    for (char& c : text)
        if (c == '/')
            c = '\\';
    return text;
}

std::vector<std::string> messages(const RecordingUserInterface& ui) {
    std::vector<std::string> texts;
    for (const auto& message : ui.messages)
        texts.push_back(message.text.str());
    return texts;
}

// The tree the process fixture's "Roles" exports, as "export.dat" holds it.
const std::string kRolesExport =
    "N1\r\n"
    "1*N2*Engineers*../site/Roles/Engineers/overview.htm* "
    "*bookc.gif*booko.gif*f*true*false*Ing\xE9nieurs**\r\n"
    "2*N3*Designer*../site/Roles/Engineers/Designer/overview.htm*_blank"
    "*role.gif*roleo.gif*f*false*true*Concepteur**\r\n"
    "2*N4*Tester*../site/Roles/Engineers/Tester/overview.htm* *bookc.gif*booko.gif*f*true*false*Testeur**\r\n"
    "1*N5*Lead*../site/Roles/Lead/overview.htm* *bookc.gif*booko.gif*f*true*false* **\r\n"
    "2*N6*-> Tester*../site/Roles/Engineers/Tester/overview.htm* *bookc.gif*booko.gif*f*true*false* *N4*";

class ExchangeTest : public testing::Test {
protected:
    void SetUp() override {
        // What the copy must take and what it must leave: a page in a
        // nested folder, an editor folder, a link out of the project.
        source.write("site/Roles/Engineers/Designer/RoleDescription.txt",
                     "Works with the [@N4] and the [@n3].");
        source.write("site/Roles/Engineers/Designer/ar/sketch.txt", "nested");
        source.write("site/Roles/Engineers/_vti_cnf/overview.htm", "editor's copy");
        fs::create_directory_symlink("/", source.dir / "proj/site/Roles/Lead/root");
        // An item whose flags and icons are none of the defaults.
        std::string tree = source.read("tolvane/MenuTreeV2.dat");
        const std::string designer = "*Designer*../site/Roles/Engineers/Designer/overview.htm*";
        const size_t at = tree.find(designer) + designer.size();
        tree.replace(at, tree.find("*Concepteur*", at) - at, "_blank*role.gif*roleo.gif*f*false*true");
        source.write("tolvane/MenuTreeV2.dat", tree);
        source.open();
    }
    // The exchange folder of the export made last.
    fs::path exportRoles() {
        source.manager->exportItemsFull(source.item("N1"));
        const std::vector<fs::path> folders = tmpFolders(source.dir, "Roles_exp_");
        EXPECT_EQ(folders.size(), 1u);
        return folders.empty() ? fs::path() : folders.front();
    }
    // A copy of the exchange folder in the target project's "tmp".
    std::string copyInto(const fs::path& exchange, const std::string& name) {
        const std::string copy = target.dir / ("proj/tmp/" + name);
        fs::create_directories(target.dir / "proj/tmp");
        EXPECT_TRUE(platform::copyTree(exchange.c_str(), copy.c_str()));
        return copy + "/export.dat";
    }

    ProcessProjectFixture source;
    ProcessProjectFixture target{"menu-tree-project"};
    // Made last, so that it records what both projects say.
    RecordingUserInterface ui;
};

TEST_F(ExchangeTest, AFullExportHoldsTheDescendantsRecordsAndTheItemsFolder) {
    const fs::path exchange = exportRoles();
    // Shown as a path of this system, whatever form the program keeps it in.
    const std::string exp =
        source.manager->getProjectDirectory().str() + "tmp/" + exchange.filename().string() + "/exp";
    ASSERT_EQ(messages(ui), std::vector<std::string>{"Export performed in directory: " + exp});
    EXPECT_EQ(source.dir.read(fs::relative(exchange / "export.dat", source.dir.path()).string()),
              kRolesExport);
    auto expected = snapshot(source.dir / "proj/site/Roles");
    expected.erase("Engineers/_vti_cnf");
    expected.erase("Engineers/_vti_cnf/overview.htm");
    expected.erase("Lead/root");
    EXPECT_EQ(snapshot(exchange / "exp"), expected);
}

// Names keep "," and "*" escaped, an external item its url, a shortcut
// names its target in the last field, and the others leave it empty.
TEST_F(ExchangeTest, ExportRecordsKeepEscapesUrlsAndShortcutTargets) {
    ProcessManager* manager = target.open();
    manager->exportItemsFull(target.item("N1"));
    const std::vector<fs::path> folders = tmpFolders(target.dir, "Home_exp_");
    ASSERT_EQ(folders.size(), 1u);
    EXPECT_EQ(target.dir.read(fs::relative(folders.front() / "export.dat", target.dir.path()).string()),
              "N1\r\n"
              "1*N2*Qualit\xE9\\comma "
              "plan\\star*../site/home/Qualit_\\plan/overview.htm*_blank*bookc.gif*booko.gif*f*"
              "true*true* **\r\n"
              "1*N3*-> Qualit\xE9\\comma plan\\star*../site/home/Qualit_\\plan/overview.htm* "
              "*bookc.gif*booko.gif*f*"
              "false*false* *N2*\r\n"
              "1*N4*Web*http://example.org/a?b=1* *web.gif*web.gif*f*true*false* **");
    EXPECT_EQ(target.dir.read(fs::relative(folders.front() / "exp/overview.htm", target.dir.path()).string()),
              target.read("site/home/overview.htm"));
}

TEST_F(ExchangeTest, ARoundTripGivesTheSameItemsAndFilesAndASecondCopyFreshUids) {
    const fs::path exchange = exportRoles();
    const std::string first = copyInto(exchange, "first");
    const std::string second = copyInto(exchange, "second");
    ProcessManager* manager = target.open();
    ui.messages.clear(); // the fixture's data version
    const auto exported = snapshot(exchange / "exp");
    ui.answers = {IDYES};
    manager->importItemsFull(first.c_str());

    // Below the root "Home" (N1) the subtree is the exported one; N5 and N6
    // are used in the site outside it, so their imported items got new uids.
    const Item* lead = manager->getItemList()->at(5);
    const Item* shortcut = manager->getItemList()->at(6);
    const std::string leadUid = lead->getUid().str();
    const std::string shortcutUid = shortcut->getUid().str();
    EXPECT_NE(leadUid, "N5");
    EXPECT_NE(shortcutUid, "N6");
    EXPECT_EQ(tree(manager), (std::vector<std::string>{
                                 "Home N1 ../site/home/overview.htm",
                                 " Engineers N2 ../site/home/Engineers/overview.htm",
                                 "  Designer N3 ../site/home/Engineers/Designer/overview.htm",
                                 "  Tester N4 ../site/home/Engineers/Tester/overview.htm",
                                 " Lead " + leadUid + " ../site/home/Lead/overview.htm",
                                 "  -> Tester " + shortcutUid + " ../site/home/Engineers/Tester/overview.htm",
                                 "Blank url N5 ",
                                 " Sub folder N6 ..\\site\\Blank\\Sub\\overview.htm",
                                 "  -> Gone N7 ../site/gone/overview.htm",
                             }));
    EXPECT_EQ(shortcut->getReferencedUid(), "N4");
    EXPECT_EQ(lead->getParent(), manager->getItemList()->at(1));
    // Every attribute came along: the subtree exported again gives the
    // records it came from, but for its place and the new uids.
    std::string again = kRolesExport;
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"/Roles/", "/home/"},
                                   {"*N5*", "*" + leadUid + "*"},
                                   {"*N6*", "*" + shortcutUid + "*"}})
        for (size_t at = again.find(from); at != std::string::npos; at = again.find(from, at + to.size()))
            again.replace(at, from.size(), to);
    manager->exportItemsFull(target.item("N1"));
    ASSERT_EQ(tmpFolders(target.dir, "Home_exp_").size(), 1u);
    EXPECT_EQ(readFile(tmpFolders(target.dir, "Home_exp_").front() / "export.dat"), again);
    fs::remove_all(tmpFolders(target.dir, "Home_exp_").front());
    ui.messages.pop_back(); // the export's
    // The files are the exported ones; the items read them.
    EXPECT_EQ(snapshot(target.dir / "proj/site/home"), exported);
    EXPECT_EQ(target.item("N3")->getClassKind(), 2);
    EXPECT_FALSE(fs::exists(fs::path(first).parent_path() / "exp"));
    // The old home folder is kept aside; the tree file holds the new tree.
    ASSERT_EQ(tmpFolders(target.dir, "Home_").size(), 1u);
    EXPECT_EQ(target.dir.read(
                  fs::relative(tmpFolders(target.dir, "Home_").front() / "overview.htm", target.dir.path())
                      .string()),
              readFile(fixturesFolder() + "/menu-tree-project/site/home/overview.htm"));
    EXPECT_NE(target.read("tolvane/MenuTreeV2.dat")
                  .find("\r\n2*" + shortcutUid +
                        "*-> Tester*../site/home/Engineers/Tester/overview.htm* "
                        "*bookc.gif*booko.gif*f*true*false* *N4*"),
              std::string::npos);
    const std::vector<std::string> said = messages(ui);
    ASSERT_EQ(said.size(), 3u);
    EXPECT_EQ(
        said[0],
        "ARE YOU REALLY SURE YOU WANT TO PERFORM THE IMPORT FROM ITEM Home ? (warning: target export is "
        "deleted during the process)");
    EXPECT_EQ(said[1],
              "2 imported items had a uid already used in the site: each got a new uid, followed by the "
              "references inside the imported items. Please consult logfile");
    EXPECT_EQ(said[2], "Import performed");
    const std::string log = target.read("site/ZevoRiruradiruzuz.log");
    EXPECT_NE(log.find("Full import from item Home (uid: N1)"), std::string::npos);
    EXPECT_NE(log.find("Duplicated item uid (N5): Existing -> Blank url -  , Imported -> Lead - "
                       "../site/home/Lead/overview.htm. Imported item uid changed to " +
                       leadUid),
              std::string::npos);

    // The second copy goes below the first copy's Lead: every uid it
    // brings is in the site now, so each item gets a new one, and the
    // references between them follow.
    std::string file = target.dir.read("proj/tmp/second/export.dat");
    file.replace(0, 2, leadUid);
    target.dir.write("proj/tmp/second/export.dat", file);
    ui.messages.clear();
    ui.answers = {IDYES};
    manager->importItemsFull(second.c_str());
    ASSERT_EQ(manager->getItemCount(), 13);
    std::map<std::string, std::string> copies; // name -> uid of the second copy
    for (int i = 6; i <= 10; ++i) {
        const Item* item = manager->getItemList()->at(i);
        EXPECT_EQ(item->getLevel(), i == 6 || i == 9 ? 2 : 3) << item->getName();
        copies[item->getName().str()] = item->getUid().str();
    }
    for (const auto& [name, uid] : copies)
        for (const char* used : {"N1", "N2", "N3", "N4", "N5", "N6", "N7"})
            EXPECT_NE(uid, used) << name;
    EXPECT_NE(copies["Lead"], leadUid);
    EXPECT_NE(copies["-> Tester"], shortcutUid);
    const Item* secondShortcut = manager->getItemList()->at(10);
    EXPECT_EQ(secondShortcut->getReferencedUid(), copies["Tester"]);
    EXPECT_EQ(secondShortcut->getUrl(), "../site/home/Lead/Engineers/Tester/overview.htm");
    EXPECT_EQ(target.read("site/home/Lead/Engineers/Designer/RoleDescription.txt"),
              "Works with the [@" + copies["Tester"] + "] and the [@" + copies["Designer"] + "].");
    // The first copy keeps its own references.
    EXPECT_EQ(target.read("site/home/Engineers/Designer/RoleDescription.txt"),
              "Works with the [@N4] and the [@n3].");
    EXPECT_EQ(ui.messages.back().text, "Import performed");
}

// Records above the first one's level would leave the imported subtree;
// jumps and levels beyond the deepest are placed as the tree file's reader
// places them.
TEST_F(ExchangeTest, LevelsKeepTheirDistancesAndJumpsAreClamped) {
    ProcessManager* manager = target.open();
    target.write("tmp/x/export.dat", "N6\n"
                                     "3*A1*A*empty* *i*o*f*true*false* **\n"
                                     "150*B1*B*empty* *i*o*f*true*false* **\n"
                                     "4*C1*C*empty* *i*o*f*true*false* **\n"
                                     "3*D1*D*empty* *i*o*f*true*false* **\n"
                                     "99999999999*E1*E*empty* *i*o*f*true*false* **");
    for (const char* folder : {"A/B", "A/C", "D/E"})
        fs::create_directories(fs::path(target.dir / "proj/tmp/x/exp") / folder);
    fs::create_directories(target.dir / "proj/site/Blank");
    fs::create_directory_symlink("/", fs::path(target.dir / "proj/tmp/x/exp/A") / "outside");
    ui.answers = {IDYES};
    manager->importItemsFull((target.dir / "proj/tmp/x/export.dat").c_str());
    const std::vector<std::string> all = tree(manager);
    EXPECT_EQ(std::vector<std::string>(all.begin() + 6, all.begin() + 11),
              (std::vector<std::string>{"  A A1 ..\\site\\Blank\\Sub\\A/overview.htm",
                                        "   B B1 ..\\site\\Blank\\Sub\\A/B/overview.htm",
                                        "   C C1 ..\\site\\Blank\\Sub\\A/C/overview.htm",
                                        "  D D1 ..\\site\\Blank\\Sub\\D/overview.htm",
                                        "   E E1 ..\\site\\Blank\\Sub\\D/E/overview.htm"}));
    const std::string log = target.read("site/ZevoRiruradiruzuz.log");
    EXPECT_NE(log.find("Imported record of level 150 placed at level 3: B"), std::string::npos);
    EXPECT_NE(log.find("Imported record of level 2147483647 placed at level 3: E"), std::string::npos);
    // A link never comes into the site.
    EXPECT_FALSE(fs::exists(fs::symlink_status(target.dir / "proj/site/Blank/Sub/A/outside")));
    EXPECT_TRUE(fs::is_directory(target.dir / "proj/site/Blank/Sub/A/B"));
    EXPECT_NE(
        log.find("Link " + backslashed(target.dir / "proj/tmp/x/exp/A/outside") + " left out of the import"),
        std::string::npos);
    EXPECT_EQ(ui.messages.back().text, "Import performed");
}

// A name holding "," and "*" comes back as it was exported, an external
// item keeps its address, and a second-language name written " " is none.
TEST_F(ExchangeTest, NamesAddressesAndSecondNamesComeBackAsExported) {
    ProcessManager* manager = target.open();
    target.write("tmp/x/export.dat",
                 "N6\r\n"
                 "2*A1*a\\commab\\starc*../site/x/a_b_c/overview.htm* *i*o*f*true*false*X**\r\n"
                 "3*A2*Web*http://example.org/?q=1,2* *w*w*f*true*false* **\r\n"
                 "3*A3*Y*empty* *i*o*f*true*false*Y**");
    fs::create_directories(target.dir / "proj/tmp/x/exp/a_b_c/Y");
    fs::create_directories(target.dir / "proj/site/Blank");
    ui.answers = {IDYES};
    manager->importItemsFull((target.dir / "proj/tmp/x/export.dat").c_str());
    ASSERT_EQ(ui.messages.back().text, "Import performed");
    const std::vector<std::string> all = tree(manager);
    EXPECT_EQ(std::vector<std::string>(all.begin() + 6, all.begin() + 9),
              (std::vector<std::string>{"  a,b*c A1 ..\\site\\Blank\\Sub\\a_b_c/overview.htm",
                                        "   Web A2 http://example.org/?q=1,2",
                                        "   Y A3 ..\\site\\Blank\\Sub\\a_b_c/Y/overview.htm"}));
    EXPECT_EQ(target.item("A1")->getNameL2(), "X");
    EXPECT_EQ(target.item("A2")->getNameL2(), "");
    EXPECT_EQ(target.item("A3")->getNameL2(), "Y");
    EXPECT_EQ(target.item("A2")->getKind(), kExternal);
    EXPECT_NE(target.read("tolvane/MenuTreeV2.dat").find("\r\n2*A1*a\\commab\\starc*"), std::string::npos);
}

// Each imported item takes the folder its record's url names, below its
// parent's: a folder that is not made from the item's name (a folder
// imported as it was named, an item renamed without moving its folder)
// comes along. A record whose url names no folder takes its name's.
TEST_F(ExchangeTest, EachFolderComesFromTheRecordsUrl) {
    ProcessManager* manager = target.open();
    target.write("tmp/x/export.dat", "N6\r\n"
                                     "2*A1*Donn\xE9"
                                     "es (v2)*../site/x/Donn\xE9"
                                     "es (v2)/overview.htm* *i*o*f*true*false* **\r\n"
                                     "3*A2*New name*../site/x/Donn\xE9"
                                     "es (v2)/Old_name/overview.htm* *i*o*f*true*false* **\r\n"
                                     "3*A3*Plain one*empty* *i*o*f*true*false* **\r\n"
                                     "3*A4*Up*../site/x/..\\overview.htm* *i*o*f*true*false* **");
    const fs::path exp = target.dir / "proj/tmp/x/exp";
    for (const char* folder : {"Donn\xC3\xA9"
                               "es (v2)/Old_name",
                               "Donn\xC3\xA9"
                               "es (v2)/Plain_one",
                               "Donn\xC3\xA9"
                               "es (v2)/Up"})
        fs::create_directories(exp / folder);
    target.dir.write("proj/tmp/x/exp/Donn\xC3\xA9"
                     "es (v2)/Old_name/page.txt",
                     "the renamed item's");
    fs::create_directories(target.dir / "proj/site/Blank");
    ui.answers = {IDYES};
    manager->importItemsFull((target.dir / "proj/tmp/x/export.dat").c_str());
    ASSERT_EQ(ui.messages.back().text, "Import performed");
    const std::vector<std::string> all = tree(manager);
    EXPECT_EQ(std::vector<std::string>(all.begin() + 6, all.begin() + 10),
              (std::vector<std::string>{"  Donn\xE9"
                                        "es (v2) A1 ..\\site\\Blank\\Sub\\Donn\xE9"
                                        "es (v2)/overview.htm",
                                        "   New name A2 ..\\site\\Blank\\Sub\\Donn\xE9"
                                        "es (v2)/Old_name/overview.htm",
                                        "   Plain one A3 ..\\site\\Blank\\Sub\\Donn\xE9"
                                        "es (v2)/Plain_one/overview.htm",
                                        "   Up A4 ..\\site\\Blank\\Sub\\Donn\xE9"
                                        "es (v2)/Up/overview.htm"}));
    EXPECT_EQ(target.read("site/Blank/Sub/Donn\xC3\xA9"
                          "es (v2)/Old_name/page.txt"),
              "the renamed item's");
}

// A record names another item only for a shortcut: the items of the
// import hold what the tree file keeps of them, before and after the
// project is opened again.
TEST_F(ExchangeTest, ARecordThatIsNoShortcutKeepsNoReferencedUid) {
    ProcessManager* manager = target.open();
    target.write("tmp/x/export.dat", "N6\r\n"
                                     "2*A1*Page*empty* *i*o*f*true*false* *N2*\r\n"
                                     "2*A2*-> Page*empty* *i*o*f*true*false* *A1*");
    fs::create_directories(target.dir / "proj/tmp/x/exp/Page");
    fs::create_directories(target.dir / "proj/site/Blank");
    ui.answers = {IDYES};
    manager->importItemsFull((target.dir / "proj/tmp/x/export.dat").c_str());
    ASSERT_EQ(ui.messages.back().text, "Import performed");
    EXPECT_EQ(target.item("A1")->getReferencedUid(), "");
    EXPECT_EQ(target.item("A2")->getReferencedUid(), "A1");
    target.open();
    EXPECT_EQ(target.item("A1")->getReferencedUid(), "");
    EXPECT_EQ(target.item("A2")->getReferencedUid(), "A1");
}

// In a shared project the import takes the lock, works on the tree as the
// other users left it, and lets the lock go when it is done.
TEST_F(ExchangeTest, ASharedImportWorksOnTheTreeOtherUsersLeft) {
    const std::string path = copyInto(exportRoles(), "x");
    WritePrivateProfileStringA("STD_OPTION", "MultiUsers", "yes", (target.dir / "proj/site.tvx").c_str());
    ProcessManager* manager = target.open();
    // Another user added an item after this copy of the program read the tree.
    target.write("tolvane/MenuTreeV2.dat", target.read("tolvane/MenuTreeV2.dat") +
                                               "\r\n0*N8*Other*../site/Other/overview.htm* "
                                               "*bookc.gif*booko.gif*f*true*false* * *");
    target.window.calls.clear();
    ui.answers = {IDYES};
    manager->importItemsFull(path.c_str());
    ASSERT_EQ(ui.messages.back().text, "Import performed");
    const std::vector<std::string> all = tree(manager);
    ASSERT_EQ(all.size(), 10u);
    EXPECT_EQ(all[1], " Engineers N2 ../site/home/Engineers/overview.htm");
    EXPECT_EQ(all.back(), "Other N8 ../site/Other/overview.htm");
    const std::string file = target.read("tolvane/MenuTreeV2.dat");
    EXPECT_NE(file.find("\r\n1*N2*Engineers*../site/home/Engineers/overview.htm*"), std::string::npos);
    EXPECT_NE(file.find("\r\n0*N8*Other*"), std::string::npos);
    EXPECT_EQ(target.window.calls, std::vector<std::string>{"rebuildTree 10"});
    EXPECT_EQ(manager->isBusy(), 0);
    TextOutStream lock((target.dir / "proj/tmp/lock.data").c_str(), TextOutStream::Mode::InPlace, false,
                       TextOutStream::Share::DenyWrite);
    EXPECT_TRUE(lock.is_open());
}

// The exported folder goes where the root's folder was, not into a folder
// of the same name in another case beside it.
TEST_F(ExchangeTest, TheImportReplacesTheRootsOwnFolderOnly) {
    const std::string path = copyInto(exportRoles(), "x");
    target.write("site/Home/other.txt", "another item's");
    ProcessManager* manager = target.open();
    ui.answers = {IDYES};
    manager->importItemsFull(path.c_str());
    ASSERT_EQ(ui.messages.back().text, "Import performed");
    EXPECT_TRUE(fs::is_directory(target.dir / "proj/site/home/Engineers/Designer"));
    std::map<std::string, std::string> untouched{{"other.txt", "another item's"}};
    EXPECT_EQ(snapshot(target.dir / "proj/site/Home"), untouched);
}

// When the exported folder cannot take the root folder's place (here it
// lay inside it, and went aside with it), the root's folder comes back.
TEST_F(ExchangeTest, AnExportedFolderThatCannotMoveInBringsTheRootsFolderBack) {
    const fs::path exchange = exportRoles();
    ProcessManager* manager = target.open();
    ui.messages.clear();
    ASSERT_TRUE(platform::copyTree(exchange.c_str(), (target.dir / "proj/site/home/x").c_str()));
    const auto before = snapshotWithoutLog(target.dir / "proj");
    const std::vector<std::string> treeBefore = tree(manager);
    ui.answers = {IDYES};
    manager->importItemsFull((target.dir / "proj/site/home/x/export.dat").c_str());
    ASSERT_EQ(ui.messages.size(), 2u);
    const std::string said = ui.messages.back().text.str();
    EXPECT_EQ(said.rfind("Error moving directory " + target.dir / "proj/site/home/x/exp" + " to ", 0), 0u)
        << said;
    EXPECT_NE(said.find(" - import aborted, nothing was changed"), std::string::npos) << said;
    EXPECT_EQ(snapshotWithoutLog(target.dir / "proj"), before);
    EXPECT_EQ(tree(manager), treeBefore);
}

// Each damaged exchange folder is refused with its message before anything
// changes: the project folder stays byte for byte as it was, the tree too.
TEST_F(ExchangeTest, DamagedExchangeFoldersChangeNothing) {
    const fs::path exchange = exportRoles();
    const std::string valid =
        source.dir.read(fs::relative(exchange / "export.dat", source.dir.path()).string());
    const std::string lastRecord = valid.substr(valid.rfind("\r\n") + 2);
    const struct {
        const char* name;
        std::string file;              // the text of "export.dat"; "-" for none
        const char* removed = nullptr; // a folder of "exp" to take away
        std::string message;
        bool linkInstead = false; // the folder taken away becomes a link to a folder elsewhere
    } cases[] = {
        {"no file", "-", nullptr, "Can not read file {file}"},
        {"empty file", "", nullptr, "The file {file} names no item - import aborted"},
        {"unknown root", "N99" + valid.substr(2), nullptr,
         "Root item whose uid is N99 can not be found in current site - import aborted"},
        {"root without folder", "N5" + valid.substr(2), nullptr,
         "The item 'Blank url' has no folder in the site: nothing can be imported below it - import aborted"},
        {"truncated", valid.substr(0, valid.size() - 20), nullptr,
         "The file {file} is damaged: line 6 is not an item record - import aborted"},
        {"field missing",
         valid.substr(0, valid.rfind("\r\n")) + "\r\n" + lastRecord.substr(0, lastRecord.find("*f*")) +
             "*true*false* **",
         nullptr, "The file {file} is damaged: line 6 is not an item record - import aborted"},
        {"level not a number", valid.substr(0, valid.rfind("\r\n")) + "\r\n2x" + lastRecord.substr(1),
         nullptr, "The file {file} is damaged: line 6 is not an item record - import aborted"},
        {"level above the first", valid + "\r\n0*N9*Out*x* *i*o*f*true*false* **", nullptr,
         "The file {file} is damaged: line 7 places an item at or above the item it is imported below - "
         "import "
         "aborted"},
        {"missing item folder", valid, "Engineers/Designer",
         "The exchange folder {folder} has no folder exp/Engineers/Designer for the item 'Designer' - "
         "import "
         "aborted"},
        {"missing exp", valid, "",
         "The exchange folder {folder} has no folder exp for the item 'Home' - import aborted"},
        {"item folder a link", valid, "Engineers/Designer",
         "The exchange folder {folder} has no folder exp/Engineers/Designer for the item 'Designer' - "
         "import "
         "aborted",
         true},
    };
    for (const auto& c : cases) {
        ProcessProjectFixture project{"menu-tree-project"};
        ProcessManager* manager = project.open();
        project.ui.messages.clear(); // the fixture's data version
        const std::string folder = project.dir / ("proj/tmp/" + std::string(c.name));
        ASSERT_TRUE(platform::copyTree(exchange.c_str(), folder.c_str()));
        if (c.file == "-")
            fs::remove(folder + "/export.dat");
        else
            project.dir.write(fs::relative(folder + "/export.dat", project.dir.path()).string(), c.file);
        if (c.removed)
            fs::remove_all(folder + "/exp/" + c.removed);
        if (c.linkInstead)
            fs::create_directory_symlink(exchange / "exp/Engineers/Designer", folder + "/exp/" + c.removed);
        const auto before = snapshot(project.dir / "proj");
        const std::vector<std::string> treeBefore = tree(manager);
        project.ui.answers = {IDYES};
        const std::string path = folder + "/export.dat";
        manager->importItemsFull(path.c_str());

        std::string expected = c.message;
        for (const auto& [place, text] :
             {std::pair<std::string, std::string>{"{file}", path}, {"{folder}", folder}})
            if (expected.find(place) != std::string::npos)
                expected.replace(expected.find(place), place.size(), text);
        EXPECT_EQ(messages(project.ui), std::vector<std::string>{expected}) << c.name;
        EXPECT_EQ(snapshot(project.dir / "proj"), before) << c.name;
        EXPECT_EQ(tree(manager), treeBefore) << c.name;
    }
}

TEST_F(ExchangeTest, AnImportNotConfirmedOrNotLockedChangesNothing) {
    const fs::path exchange = exportRoles();
    const std::string path = copyInto(exchange, "x");
    ProcessManager* manager = target.open();
    ui.messages.clear();
    const auto before = snapshot(target.dir / "proj");
    ui.answers = {IDNO};
    manager->importItemsFull(path.c_str());
    EXPECT_EQ(snapshot(target.dir / "proj"), before);

    // Another copy of the program holds the lock of a shared project.
    WritePrivateProfileStringA("STD_OPTION", "MultiUsers", "yes", (target.dir / "proj/site.tvx").c_str());
    TextOutStream lock((target.dir / "proj/tmp/lock.data").c_str(), TextOutStream::Mode::InPlace, false,
                       TextOutStream::Share::DenyWrite);
    ASSERT_TRUE(lock.is_open());
    const auto shared = snapshot(target.dir / "proj");
    ui.messages.clear();
    manager->importItemsFull(path.c_str());
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, "Semaphore locked. Please contact the administator");
    EXPECT_EQ(snapshot(target.dir / "proj"), shared);
    EXPECT_EQ(manager->isBusy(), 0);
}

// When the root's folder cannot be moved aside, the import stops there,
// naming the folder, and the project stays as it was.
TEST_F(ExchangeTest, ARootFolderThatCannotMoveAsideStopsTheImport) {
    const fs::path exchange = exportRoles();
    ProcessManager* manager = target.open();
    ui.messages.clear();
    const std::string copy = target.dir / "proj/exchange";
    ASSERT_TRUE(platform::copyTree(exchange.c_str(), copy.c_str()));
    // The backups go to "tmp", which is no folder here.
    fs::remove_all(target.dir / "proj/tmp");
    target.write("tmp", "not a folder");
    // The log tells that the import began: the rest stays byte for byte.
    const auto before = snapshotWithoutLog(target.dir / "proj");
    const std::vector<std::string> treeBefore = tree(manager);
    ui.answers = {IDYES};
    manager->importItemsFull((copy + "/export.dat").c_str());
    ASSERT_EQ(ui.messages.size(), 2u);
    const std::string said = ui.messages.back().text.str();
    EXPECT_EQ(said.rfind("Error moving directory ", 0), 0u) << said;
    EXPECT_NE(said.find("home to "), std::string::npos) << said;
    EXPECT_NE(said.find("tmp/Home_"), std::string::npos) << said;
    EXPECT_NE(said.find(" - import aborted, nothing was changed"), std::string::npos) << said;
    EXPECT_EQ(snapshotWithoutLog(target.dir / "proj"), before);
    EXPECT_EQ(tree(manager), treeBefore);
}

TEST_F(ExchangeTest, ASingleItemTravelsWithItsOwnFilesOnly) {
    source.manager->exportOneItem(source.item("N3"), "Designer\nas of today");
    const std::vector<fs::path> folders = tmpFolders(source.dir, "Designer_exp1i_");
    ASSERT_EQ(folders.size(), 1u);
    EXPECT_EQ(source.dir.read(fs::relative(folders.front() / "export.d1i", source.dir.path()).string()),
              "Designer as of today\r\nN3");
    EXPECT_EQ(snapshot(folders.front() / "exp").size(), 2u); // process.data and the description, no "ar"

    // Into another copy of the project whose Designer has files of its own.
    ProcessProjectFixture other;
    other.write("site/Roles/Engineers/Designer/RoleDescription.txt", "Old text");
    other.write("site/Roles/Engineers/Designer/notes.txt", "kept");
    other.write("site/Roles/Engineers/Designer/ar/kept.txt", "kept too");
    ProcessManager* manager = other.open();
    other.ui.messages.clear();
    const std::string copy = other.dir / "proj/tmp/one";
    ASSERT_TRUE(platform::copyTree(folders.front().c_str(), copy.c_str()));
    other.ui.answers = {IDYES};
    manager->importOneItem((copy + "/export.d1i").c_str());
    EXPECT_EQ(
        messages(other.ui),
        (std::vector<std::string>{
            "ARE YOU REALLY SURE YOU WANT TO PERFORM THE IMPORT FROM ITEM Designer ? (Designer as of today)",
            "Import performed"}));
    EXPECT_EQ(other.read("site/Roles/Engineers/Designer/RoleDescription.txt"),
              "Works with the [@N4] and the [@n3].");
    EXPECT_EQ(other.read("site/Roles/Engineers/Designer/notes.txt"), "kept");
    EXPECT_EQ(other.read("site/Roles/Engineers/Designer/ar/kept.txt"), "kept too");
    EXPECT_NE(other.read("site/ZevoRiruradiruzuz.log").find("Import item Designer (uid: N3)"),
              std::string::npos);

    // An exchange folder without its "exp" is refused before the question.
    other.ui.messages.clear();
    other.write("tmp/three/export.d1i", "A description\nN3");
    manager->importOneItem((other.dir / "proj/tmp/three/export.d1i").c_str());
    EXPECT_EQ(messages(other.ui),
              std::vector<std::string>{"The exchange folder " + other.dir / "proj/tmp/three" +
                                       " has no folder exp for the item 'Designer' - "
                                       "import aborted"});
    EXPECT_EQ(other.read("site/Roles/Engineers/Designer/notes.txt"), "kept");

    other.ui.messages.clear();
    other.write("tmp/two/export.d1i", "A description\nN99");
    manager->importOneItem((other.dir / "proj/tmp/two/export.d1i").c_str());
    EXPECT_EQ(messages(other.ui),
              std::vector<std::string>{"Root item whose uid is N99 can not be found in current "
                                       "site - import aborted"});
}

// A nested file that cannot be copied fails the whole copy, told once.
TEST_F(ExchangeTest, AFailedNestedCopyFailsTheFolderCopy) {
    source.write("copy/from/a.txt", "a");
    source.write("copy/from/sub/b.txt", "b");
    source.write("copy/to/sub/b.txt", "already there");
    fs::create_directories(source.dir / "proj/copy/to");
    const std::string from = source.dir / "proj/copy/from";
    const std::string to = source.dir / "proj/copy/to";
    EXPECT_EQ(source.manager->copyFolderTree(from.c_str(), to.c_str(), 0, 1, 1), 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.str(), "File copy failed: " + from + "/sub/b.txt -> " + to + "/sub/b.txt");
    EXPECT_EQ(source.read("copy/to/sub/b.txt"), "already there");
}

} // namespace
