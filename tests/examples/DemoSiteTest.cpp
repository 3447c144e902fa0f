#include "Encoding.h"
#include "FileSystem.h"
#include "Golden.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "RunProgram.h"
#include "TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool isPage(const fs::path& path) {
    const std::string extension = encoding::toLower(path.extension().string());
    return extension == ".htm" || extension == ".html";
}

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

// The local links of a page: href and src attributes, and the quoted paths
// of the navigation tree's script, as the browser resolves them.
std::vector<std::string> localLinks(const std::string& page) {
    std::vector<std::string> links;
    static const std::regex attribute(R"re((?:href|src)\s*=\s*(?:"([^"]*)"|'([^']*)'))re", std::regex::icase);
    for (auto it = std::sregex_iterator(page.begin(), page.end(), attribute); it != std::sregex_iterator();
         ++it)
        links.push_back((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
    static const std::regex treeCall(R"(d\.add\(([^\n]*)\);)");
    static const std::regex quoted(R"('((?:[^'\\]|\\.)*)')");
    for (auto call = std::sregex_iterator(page.begin(), page.end(), treeCall); call != std::sregex_iterator();
         ++call) {
        const std::string arguments = (*call)[1].str();
        int index = 0;
        for (auto arg = std::sregex_iterator(arguments.begin(), arguments.end(), quoted);
             arg != std::sregex_iterator(); ++arg, ++index) {
            std::string text;
            const std::string raw = (*arg)[1].str();
            for (size_t i = 0; i < raw.size(); ++i)
                text += raw[i] == '\\' && i + 1 < raw.size() ? raw[++i] : raw[i];
            // Arguments 2, 5, 6 and 7 of the quoted ones: url, target-less icons.
            if (index == 1 || index == 4 || index == 5)
                links.push_back(text);
        }
    }
    std::vector<std::string> local;
    for (std::string link : links) {
        if (link.empty() || link[0] == '#' || link.find(':') != std::string::npos)
            continue; // same page, or another scheme (http:, mailto:, javascript:)
        if (link.find_first_of("'\"+") != std::string::npos)
            continue; // put together by a script at run time
        link = link.substr(0, link.find_first_of("#?"));
        for (char& c : link)
            if (c == '\\')
                c = '/'; // as the browser reads a file url
        local.push_back(link);
    }
    return local;
}

// Every local link of every page of the generated site leads to a file.
void expectEveryLocalLinkResolves(const std::string& project) {
    int pages = 0, links = 0;
    for (const auto& entry : fs::recursive_directory_iterator(project)) {
        const fs::path& path = entry.path();
        if (!entry.is_regular_file() || !isPage(path) ||
            fs::relative(path, project).string().rfind("tolvane", 0) == 0)
            continue; // the templates under "tolvane" are not pages of the site
        ++pages;
        for (const std::string& link : localLinks(readFile(path))) {
            ++links;
            // Exact case, as a browser on this system looks the file up.
            const fs::path target = path.parent_path() / encoding::cp1252ToUtf8(link);
            EXPECT_TRUE(fs::exists(target))
                << fs::relative(path, project).string() << " links to missing " << link;
        }
    }
    EXPECT_GT(pages, 60);
    EXPECT_GT(links, 300);
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
    // way to the glossary; the role map: its four roles; and the banner's
    // buttons that the site template brings.
    const std::map<std::string, int> expected = {
        {"site/Home/topbanner1.htm", 8},
        {"site/Home/topbanner2.htm", 8},
        {"site/Development_workflow/content.htm", 13},
        {"site/Development_workflow/contentL2.htm", 13},
        {"site/Roles/overview.htm", 4},
        {"site/Roles/overviewL2.htm", 4},
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
    expectEveryLocalLinkResolves(m_project);
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
// them, replaced by the new one.
std::string replaced(std::string text, const std::vector<std::pair<std::string, std::string>>& renames) {
    for (const auto& [uid, to] : renames)
        for (const std::string& from : {uid, encoding::toLower(uid)})
            for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
                text.replace(at, from.size(), to);
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
        expected[path] = replaced(text, renames);
    expectSameFiles(expected, siteFiles(), "differs from the site before the uid change");
    expectEveryLocalLinkResolves(m_project);
}

// What a headless browser reports while it loads a page and its frames.
struct BrowserRun {
    std::string dom;
    std::vector<std::string> consoleMessages;
};

BrowserRun loadInBrowser(const std::string& page, const std::string& profile) {
    const ProgramResult run = runProgram({"chromium", "--headless", "--no-sandbox", "--disable-gpu",
                                          "--user-data-dir=" + profile, "--enable-logging=stderr", "--v=0",
                                          "--virtual-time-budget=3000", "--dump-dom", "file://" + page});
    EXPECT_EQ(run.exitCode, 0) << "chromium could not run (the install script installs it)\n" << run.errors;
    BrowserRun result{run.output, {}};
    std::istringstream lines(run.errors);
    for (std::string line; std::getline(lines, line);)
        if (line.find(":CONSOLE") != std::string::npos)
            result.consoleMessages.push_back(line);
    return result;
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
