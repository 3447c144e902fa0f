#include "Encoding.h"
#include "FileSystem.h"
#include "Golden.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "SiteChecks.h"
#include "TempDir.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The demo project generated headless in a temporary copy, in a folder
// whose name has an accent: m_project is the folder on disk (UTF-8), the
// program is given it in its own code page.
class DemoSiteTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CreateDirectoryA((m_dir / "Qualit\xE9").c_str(), nullptr));
        ASSERT_TRUE(platform::copyTree(TOLVANE_DEMO_DIR, (m_dir / "Qualit\xE9/Demo").c_str()));
        m_project = m_dir / "Qualit\xC3\xA9/Demo/";
    }
    void generate() {
        ProcessManager manager((m_dir / "Qualit\xE9/Demo/Demo.tvx").c_str(), nullptr, 0, 0);
        manager.generate();
        EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages.front().text;
    }
    // Every page and data file of the site, by path.
    std::map<std::string, std::string> siteFiles() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::recursive_directory_iterator(m_project)) {
            const fs::path& path = entry.path();
            const std::string extension = path.extension().string();
            if (entry.is_regular_file() && (isPage(path) || extension == ".dat" || extension == ".csv"))
                files[fs::relative(path, m_project).string()] = readFile(path);
        }
        return files;
    }

    TempDir m_dir;
    std::string m_project;
    RecordingUserInterface m_ui;
};

// The same pages and data files, each with the same bytes.
void expectSameFiles(const std::map<std::string, std::string>& expected,
                     const std::map<std::string, std::string>& actual, const std::string& what) {
    std::vector<std::string> expectedPaths, actualPaths;
    for (const auto& file : expected)
        expectedPaths.push_back(file.first);
    for (const auto& file : actual)
        actualPaths.push_back(file.first);
    ASSERT_EQ(expectedPaths, actualPaths) << what;
    for (const auto& [path, text] : expected) {
        const std::string difference = describeDifference(text, actual.at(path), path);
        EXPECT_TRUE(difference.empty()) << what << ": " << difference;
    }
}

TEST_F(DemoSiteTest, ASecondGenerationLeavesEveryPageAsItWas) {
    generate();
    const auto first = siteFiles();
    for (const char* page :
         {"index.htm", "indexL2.htm", "indexWF.htm", "indexWFL2.htm", "applet/treeView.htm",
          "applet/treeViewL2.htm", "site/Development_workflow/header.htm",
          "site/Development_workflow/headerL2.htm"})
        EXPECT_EQ(first.count(page), 1u) << page;
    generate();
    expectSameFiles(first, siteFiles(), "changed on the second run");
}

// The demo is shipped with its site generated: what a user sees before
// generating anything is the site of the demo's own tree.
TEST_F(DemoSiteTest, TheShippedSiteIsTheOneItsTreeGenerates) {
    const auto shipped = siteFiles();
    generate();
    expectSameFiles(shipped, siteFiles(), "differs from the shipped demo");
}

// Every local link of every page of the generated demo (with writtenSince,
// of what the generation wrote) leads to a file.
void expectEveryLocalLinkOfTheDemoResolves(const std::string& project,
                                           std::optional<fs::file_time_type> writtenSince = std::nullopt) {
    const LinkCount count = expectEveryLocalLinkResolves(project, writtenSince);
    EXPECT_GT(count.pages, writtenSince ? 50 : 60);
    EXPECT_GT(count.links, 300);
}

// The image maps of the site: each maps a picture that is there, and each of
// its areas leads to a page that exists (or to another address).
TEST_F(DemoSiteTest, EveryImageMapLeadsToPagesThatExist) {
    generate();
    static const std::regex picture(R"re(<img [^>]*src="([^"]+)"[^>]*usemap="#FPMap0")re");
    static const std::regex area(R"re(<area href="([^"]*)")re");
    std::map<std::string, int> areas;
    for (const auto& entry : fs::recursive_directory_iterator(m_project)) {
        const fs::path& path = entry.path();
        const std::string page = fs::relative(path, m_project).string();
        if (!entry.is_regular_file() || !isPage(path) || page.rfind("tolvane", 0) == 0)
            continue;
        const std::string text = readFile(path);
        if (text.find("<map name=\"FPMap0\">") == std::string::npos ||
            page.find("header") != std::string::npos)
            continue;
        std::smatch shown;
        ASSERT_TRUE(std::regex_search(text, shown, picture)) << page;
        EXPECT_TRUE(fs::exists(path.parent_path() / shown[1].str())) << page << " maps missing " << shown[1];
        int count = 0;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), area); it != std::sregex_iterator();
             ++it) {
            ++count;
            const std::string link = (*it)[1].str();
            if (link.empty() || link[0] == '#' || link.find(':') != std::string::npos)
                continue;
            const fs::path target =
                path.parent_path() / encoding::cp1252ToUtf8(link.substr(0, link.find('#')));
            EXPECT_TRUE(fs::is_regular_file(target) && isPage(target)) << page << " has an area to " << link;
        }
        areas[page] = count;
    }
    // The workflow: its four roles, six activities, two procedures and the
    // way to the glossary; the role map: its four roles; the work product
    // map: its six work products; and the banner's buttons that the site
    // template brings.
    const std::map<std::string, int> expected = {
        {"site/Home/topbanner1.htm", 8},
        {"site/Home/topbanner2.htm", 8},
        {"site/Development_workflow/content.htm", 13},
        {"site/Development_workflow/contentL2.htm", 13},
        {"site/Roles/overview.htm", 4},
        {"site/Roles/overviewL2.htm", 4},
        {"site/Software_engineering/Work_product_overview/overview.htm", 6},
        {"site/Software_engineering/Work_product_overview/overviewL2.htm", 6},
    };
    EXPECT_EQ(areas, expected);
}

// Every tooltip a page shows is an entry of that page's own array: no
// mark or area names a number that the page does not define.
TEST_F(DemoSiteTest, EveryTooltipShowsAnEntryOfItsPage) {
    generate();
    static const std::regex shown(R"(ShowTip\(Text\[(\d+)\]\))");
    static const std::regex defined(R"(Text\[(\d+)\]=)");
    int tooltips = 0;
    for (const auto& entry : fs::recursive_directory_iterator(m_project)) {
        const fs::path& path = entry.path();
        const std::string page = fs::relative(path, m_project).string();
        if (!entry.is_regular_file() || !isPage(path) || page.rfind("tolvane", 0) == 0)
            continue;
        const std::string text = readFile(path);
        std::set<std::string> entries;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), defined); it != std::sregex_iterator();
             ++it)
            entries.insert((*it)[1].str());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), shown); it != std::sregex_iterator();
             ++it) {
            ++tooltips;
            EXPECT_EQ(entries.count((*it)[1].str()), 1u) << page << " shows Text[" << (*it)[1] << "]";
        }
    }
    EXPECT_GT(tooltips, 100);
}

TEST_F(DemoSiteTest, EveryLocalLinkOfTheSiteResolves) {
    generate();
    expectEveryLocalLinkOfTheDemoResolves(m_project);
}

// A copy of the demo made on Windows, where a name is found whatever its
// case: its folders hold, in another case, what the program's links name
// (the home folder, an item's folder, a folder of the site template, one
// inside an item). A browser here looks a link up by its exact name, so
// every link of the generated site must take the case found on disk.
TEST_F(DemoSiteTest, EveryLocalLinkResolvesInAFolderOfOtherCases) {
    for (const auto& [from, to] : std::vector<std::pair<const char*, const char*>>{
             {"site/Home", "site/home"},
             {"site/Roles", "site/ROLES"},
             {"site/Development_workflow/Test", "site/Development_workflow/test"},
             {"css", "Css"},
             {"images", "Images"},
             {"applet/IconImages", "applet/iconimages"}}) {
        ASSERT_TRUE(fs::exists(m_project + from)) << from;
        fs::rename(m_project + from, m_project + to);
    }
    // The pages that the generation writes are those it leaves newer than
    // the shipped files (the site map's page, for one, is the demo's own).
    const fs::file_time_type shipped = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (const auto& entry : fs::recursive_directory_iterator(m_project))
        if (entry.is_regular_file())
            fs::last_write_time(entry.path(), shipped);
    generate();
    expectEveryLocalLinkOfTheDemoResolves(m_project, shipped);
    // Nothing was written beside the folders in their new case.
    for (const char* old : {"site/Home", "site/Roles", "site/Development_workflow/Test", "css", "images"})
        EXPECT_FALSE(fs::exists(m_project + old)) << old;
}

// The files that name items by uid: the tree file, the data files, the
// descriptions and the clickable-area files.
std::map<std::string, std::string> referencingFiles(const std::string& project) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(project)) {
        const fs::path& path = entry.path();
        const std::string extension = path.extension().string();
        if (entry.is_regular_file() && (extension == ".data" || extension == ".txt" || extension == ".dat"))
            files[fs::relative(path, project).string()] = readFile(path);
    }
    return files;
}

// The text with every old uid, as stored or lower-cased as lists keep
// them, replaced by the new one; a lower-cased one by the new one
// lower-cased too where the text shows lists as the program read them (the
// spreadsheet files of the site).
std::string replaced(std::string text, const std::vector<std::pair<std::string, std::string>>& renames,
                     bool listsAsRead = false) {
    for (const auto& [uid, newUid] : renames)
        for (const bool lower : {false, true}) {
            const std::string from = lower ? encoding::toLower(uid) : uid;
            const std::string to = lower && listsAsRead ? encoding::toLower(newUid) : newUid;
            for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
                text.replace(at, from.size(), to);
        }
    return text;
}

// New uids for a role, a work product and one of its states, a procedure,
// a measure and a role named in descriptions: afterwards every file that
// named an old uid names the new one, and the site generated is the one
// generated before, the uids aside.
TEST_F(DemoSiteTest, AChangedUidIsFollowedByEveryReference) {
    const std::vector<std::pair<std::string, std::string>> renames = {
        {"N17653000004", "TESTER"},        {"N17653000011", "REQUIREMENTS_DOCUMENT"},
        {"N17653000013", "APPROVED_2"},    {"N17653000021", "TEST_PROCEDURE"},
        {"N17653000031", "DEFECTS_FOUND"}, {"N17653000002", "ANALYST"},
    };
    generate();
    const auto pagesBefore = siteFiles();
    const auto filesBefore = referencingFiles(m_project);
    {
        ProcessManager manager((m_dir / "Qualit\xE9/Demo/Demo.tvx").c_str(), nullptr, 0, 0);
        for (const auto& [from, to] : renames) {
            Item* item = manager.findItemByUid(from.c_str());
            ASSERT_NE(item, nullptr) << from;
            EXPECT_EQ(manager.setItemUid(item, to.c_str()), 1) << from;
        }
    }
    EXPECT_TRUE(m_ui.messages.empty()) << m_ui.messages.front().text;
    const auto filesAfter = referencingFiles(m_project);
    int referencing = 0;
    for (const auto& [path, text] : filesBefore) {
        const std::string expected = replaced(text, renames);
        referencing += expected != text;
        EXPECT_EQ(filesAfter.at(path), expected) << path;
    }
    EXPECT_GT(referencing, 8); // the tree file, data files of activities, descriptions
    generate();
    std::map<std::string, std::string> expected;
    for (const auto& [path, text] : pagesBefore)
        expected[path] = replaced(text, renames, path.size() > 4 && path.substr(path.size() - 4) == ".csv");
    expectSameFiles(expected, siteFiles(), "differs from the site before the uid change");
    expectEveryLocalLinkOfTheDemoResolves(m_project);
}

TEST_F(DemoSiteTest, LoadsInABrowserWithoutScriptErrors) {
    generate();
    const std::string profile = m_dir / "browser-profile";
    for (const char* page :
         {"index.htm", "indexL2.htm", "indexWF.htm", "site/Development_workflow/overview.htm",
          "site/Development_workflow/overviewL2.htm"}) {
        const BrowserRun run = loadInBrowser(m_project + page, profile);
        EXPECT_TRUE(run.consoleMessages.empty()) << page << ":\n" << run.consoleMessages.front();
        EXPECT_NE(run.dom.find("<frameset"), std::string::npos) << page;
    }
    // Generated pages with tooltips: template pages, an activity's section
    // below its author's text, an activity page written whole.
    const struct {
        const char* page;
        const char* text;
    } pages[] = {
        {"site/Software_engineering/All_templates/overview.htm", "Discipline: Testing"},
        {"site/Development_workflow/templates.htm", "Templates used in 'Development workflow'"},
        {"site/Development_workflow/Review_the_requirements/overview.htm", "Testable requirements"},
        {"site/Development_workflow/Plan_the_tests/overviewL2.htm", "href=\"procL2.htm\""},
        // The workflow's picture with its image map, the role map and a role.
        {"site/Development_workflow/content.htm", "coords=\"175,38,295,82\""},
        {"site/Roles/overviewL2.htm", "src=\"rolesL2.png\""},
        {"site/Roles/Tester/overview.htm", "Author of the following work products"},
        // The site-wide pages: the workflow's outline with its steps, the
        // glossary, the site map, the banner, a work product group's table
        // and the activities by state of an item inside the workflow.
        {"site/Process_overview/overview.htm", "Choose the test cases"},
        {"site/Glossary/overviewL2.htm", "Un \xC3\xA9"
                                         "cart entre le produit et ses exigences."},
        {"site/Site_map/overview.htm", "Defects found"},
        {"site/Home/topbanner2.htm", "bannerL2.png"},
        {"site/Software_engineering/Testing/Testing_work_products/overview.htm", "Test report"},
        {"site/Development_workflow/Review_the_requirements/Testable_requirements/activitiesByState.htm",
         "For approval activities/procedures"},
        // A work product with its criterion, the activities that create and
        // read it, the requirements it implements; its criteria page; the
        // overview of the work products with its map; an example library.
        {"site/Software_engineering/Testing/Testing_work_products/Test_plan/overview.htm",
         "Creating or updating activities"},
        {"site/Software_engineering/Testing/Testing_work_products/Test_plan/criteriaL2.html",
         "Chaque exigence est test"},
        {"site/Software_engineering/Work_product_overview/overview.htm", "coords=\"20,40,160,84\""},
        {"site/Software_engineering/Work_product_overview/Testing.htm", "Work products by activity: Testing"},
        {"site/Software_engineering/Testing/Testing_work_products/Test_report/ar/overview.htm",
         "release-1.0/overview.htm"},
    };
    for (const auto& page : pages) {
        const BrowserRun run = loadInBrowser(m_project + page.page, profile);
        EXPECT_TRUE(run.consoleMessages.empty()) << page.page << ":\n" << run.consoleMessages.front();
        EXPECT_NE(run.dom.find(page.text), std::string::npos) << page.page;
    }
    // The navigation tree builds its nodes with the tree script: every item
    // of the demo stands in it as a link into the page frame.
    const BrowserRun tree = loadInBrowser(m_project + "applet/treeView.htm", profile);
    EXPECT_TRUE(tree.consoleMessages.empty()) << tree.consoleMessages.front();
    for (const char* link : {"../site/Home/overview.htm", "../site/Development_workflow/Test/overview.htm",
                             "../site/Glossary/Defect/overview.htm", "../site/Site_map/overview.htm"})
        EXPECT_NE(tree.dom.find(std::string("href=\"") + link + "\""), std::string::npos) << link;
    EXPECT_NE(tree.dom.find("Development workflow"), std::string::npos);
    const BrowserRun french = loadInBrowser(m_project + "applet/treeViewL2.htm", profile);
    EXPECT_NE(french.dom.find("../site/Development_workflow/Test/overviewL2.htm"), std::string::npos);
    EXPECT_NE(french.dom.find("Flux de d\xC3\xA9veloppement"),
              std::string::npos); // the DOM comes out in UTF-8
}

} // namespace
