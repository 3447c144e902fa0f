#include "CTime.h"
#include "ItemListe.h"
#include "Project.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

std::unique_ptr<Item> makeItem(const char* name, const char* url, Item* parent = nullptr, Project* project = nullptr) {
    return std::make_unique<Item>(parent, name, url, 0, "bookc.gif", "booko.gif", parent ? parent->getLevel() + 1 : 0,
                                  project, 0, "");
}

TEST(ItemTest, ToFileNameTable) {
    struct {
        const char* name;
        int blanks;
        const char* expected;
    } cases[] = {
        {"\xC7" "a \xE9t\xE9 l'\xE9t\xE9", 1, "_a_ete_l_ete"}, // capital C cedilla is not in the table
        {"Project plan", 1, "Project_plan"},
        {"Project plan", 0, "Project plan"},
        {"Risk & issues", 1, "Risk___issues"},
        {"a.b/c:d\\e", 1, "a_b_c_d_e"},
        {"@home", 1, "ahome"},
        {"\xE0\xE2\xE7\xE8\xEA\xF9\xFB-_09", 1, "aaceeuu-_09"},
        {"\xF6\xDF\x80", 1, "___"},
        {"...", 1, "___"},
        {"", 1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toFileName(c.name, c.blanks), c.expected) << c.name;
}

TEST(ItemTest, KindFromNameAndUrl) {
    struct {
        const char* name;
        const char* url;
        int kind;
    } cases[] = {
        {"-> ", "", kShortcut},
        {"-> x", "../site/x/overview.htm", kShortcut},
        {"x -> y", "../site/x/overview.htm", kDual},
        {"x", "", kDual},
        {"x", "../site/a/overview.htm", kDual},
        {"x", "..\\site\\a\\overview.htm", kDual},
        {"x", "../Site/a/overview.htm", kExternal}, // capital S
        {"x", "http://example.org", kExternal},
        {"x", "../site/a/../b/overview.htm", kDual},            // stays in the site
        {"x", "../site/../../outside/overview.htm", kExternal}, // climbs out of the project folder
        {"x", "..\\site\\..\\..\\outside\\overview.htm", kExternal},
        {"-> x", "../site/../../outside/overview.htm", kShortcut},
    };
    for (const auto& c : cases)
        EXPECT_EQ(computeItemKind(c.name, c.url), c.kind) << c.name << " " << c.url;
    EXPECT_EQ(kindName(0), "Dual");
    EXPECT_EQ(kindName(1), "Shortcut");
    EXPECT_EQ(kindName(2), "External");
    EXPECT_EQ(kindName(7), "Non Valid Kind");
    EXPECT_EQ(kindFromName("External"), 2);
    EXPECT_EQ(kindFromName("shortcut"), 3);
    EXPECT_EQ(makeItem("x", "http://a")->getKindName(), "External");
}

TEST(ItemTest, FolderOfTheUrl) {
    struct {
        const char* url;
        int withSeparator;
        int dropPrefix;
        const char* folder;
    } cases[] = {
        {"../site/home/overview.htm", 1, 1, "site/home/"},
        {"../site/home/overview.htm", 0, 0, "../site/home"},
        {"..\\site\\a/b\\overview.htm", 1, 0, "..\\site\\a/b\\"},
        {"overview.htm", 1, 1, ""},
        {"overview.htm", 0, 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(makeItem("x", c.url)->getFolder(c.withSeparator, c.dropPrefix), c.folder) << c.url;
}

TEST(ItemTest, DefaultUrlsFollowTheParentsFolder) {
    auto top = makeItem("Project plan", "");
    top->makeDefaultUrl();
    EXPECT_EQ(top->getUrl(), "../site/Project_plan/overview.htm");
    auto child = makeItem("x", "", top.get());
    child->setName("Risk & issues");
    EXPECT_EQ(child->getUrl(), "../site/Project_plan/Risk___issues/overview.htm");
    auto external = makeItem("Web", "http://example.org");
    external->setName("Web site");
    EXPECT_EQ(external->getUrl(), "http://example.org"); // only Dual items get a url
}

TEST(ItemTest, InitForKind) {
    auto item = makeItem("Old", "../site/Old/overview.htm");
    item->initForKind(kShortcut, "ignored");
    EXPECT_EQ(item->getName(), "-> ");
    EXPECT_EQ(item->getUrl(), "bad url");
    item->initForKind(kExternal, "ignored");
    EXPECT_EQ(item->getName(), "bad name");
    EXPECT_EQ(item->getUrl(), "bad url");
    item->initForKind(kDual, "New one");
    EXPECT_EQ(item->getName(), "New one");
    EXPECT_EQ(item->getUrl(), "../site/New_one/overview.htm");
    item->initForKind(9, "unchanged");
    EXPECT_EQ(item->getName(), "New one");
}

TEST(ItemTest, PagesAndNamesByLanguage) {
    auto item = makeItem("Plan", "../site/Plan/overview.htm");
    EXPECT_EQ(item->getNameByLanguage(0), "Plan");
    EXPECT_EQ(item->getNameByLanguage(1), "Empty translation");
    item->setNameL2("Plan FR");
    EXPECT_EQ(item->getNameByLanguage(1), "Plan FR");
    EXPECT_EQ(item->getOverviewUrl(0), "../site/Plan/overview.htm");
    EXPECT_EQ(item->getOverviewUrl(1), "../site/Plan/overviewL2.htm");
    EXPECT_EQ(item->getPagePath(1), "../site/Plan/overviewL2.htm");
    item->setFrame(1);
    EXPECT_EQ(item->getPagePath(0), "../site/Plan/content.htm");
    EXPECT_EQ(item->getOverviewUrl(1), "../site/Plan/overviewL2.htm"); // whatever the frame flag
    item->setDescription(1, "second");
    EXPECT_EQ(item->getDescription(1), "second");
    EXPECT_EQ(fileNameOfPath("a/b\\c.htm"), "c.htm");
    EXPECT_EQ(fileNameOfPath("plain"), "plain");
}

TEST(ItemTest, RelativeLinksBetweenItemFolders) {
    Project project("/home/u/proj/site.tvx", nullptr, 0);
    struct {
        const char* fromUrl;
        const char* suffix;
        const char* toUrl;
        const char* link;
    } cases[] = {
        {"../site/a/overview.htm", "", "../site/b/overview.htm", "../b"},
        {"../site/a/overview.htm", "", "../site/a/b/c/overview.htm", "./b/c"},
        {"../site/a/x/overview.htm", "", "../site/b/overview.htm", "../../b"},
        {"../site/a/overview.htm", "", "../site/a/overview.htm", "."},
        {"../site/a/overview.htm", "/ar", "../site/a/state/overview.htm", "../state"},
        {"../site/A/overview.htm", "", "../site/a/b/overview.htm", "./b"}, // names ignore case
        {"../site/Qualit\xE9/overview.htm", "", "../site/Plan/overview.htm", "../Plan"},
    };
    for (const auto& c : cases) {
        auto from = makeItem("f", c.fromUrl, nullptr, &project);
        auto to = makeItem("t", c.toUrl, nullptr, &project);
        EXPECT_EQ(to->getRelativeLink(from.get(), c.suffix), c.link) << c.fromUrl << " -> " << c.toUrl;
    }
}

TEST(ItemTest, ShortcutTargetAndFindByUrl) {
    ItemListe list;
    auto* first = new Item(nullptr, "b", "../site/b/overview.htm", 0, "", "", 0, nullptr, 0, "");
    auto* shortcut = new Item(nullptr, "-> b", "../site/b/overview.htm", 0, "", "", 0, nullptr, 0, "");
    auto* second = new Item(nullptr, "b2", "../site/b/overview.htm", 0, "", "", 0, nullptr, 0, "");
    auto* other = new Item(nullptr, "B", "../site/B/overview.htm", 0, "", "", 0, nullptr, 0, "");
    for (Item* i : {shortcut, first, second, other})
        list.append(i);
    EXPECT_EQ(shortcut->getShortcutTarget(&list), second); // the last of equal urls
    EXPECT_EQ(first->getShortcutTarget(&list), nullptr);  // not a shortcut
    EXPECT_EQ(findItemByUrl(&list, "..\\SITE\\b\\overview.htm"), first); // shortcuts are skipped
    EXPECT_EQ(findItemByUrl(&list, "../site/none/overview.htm"), nullptr);
    list.deleteAll();
    EXPECT_EQ(list.count(), 0);
}

TEST(ItemTest, UidsAreTimeAndACounter) {
    CTime::setClockForTests(1366924402);
    auto a = makeItem("a", "");
    auto b = makeItem("b", "");
    a->generateUid();
    b->generateUid();
    CTime::setClockForTests(0);
    ASSERT_EQ(a->getUid().Left(11), "N1366924402");
    EXPECT_EQ(b->getUid().Left(11), "N1366924402");
    EXPECT_EQ(std::stoi(b->getUid().Mid(11).str()), std::stoi(a->getUid().Mid(11).str()) + 1);
}

} // namespace
