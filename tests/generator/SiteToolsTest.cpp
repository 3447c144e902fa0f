// The site tools of the project: url prefixes, the outside programs, the
// site map and child-link pages, the second-language pages and the
// one-page document.

#include "FakeProgram.h"
#include "Golden.h"
#include "ItemListePlus.h"
#include "PagesProject.h"
#include "ProcessManager.h"
#include "RecordingUserInterface.h"
#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// A fixture project; its items taken as plain items, as a site without
// process mode has them.
class ToolsProject : public PagesProject {
public:
    explicit ToolsProject(const char* fixture = "site-pages-project") : PagesProject(fixture) {}
    Item* item(const char* uid) const { return manager->findItemByUid(uid); }
};

TEST(SiteToolsTest, ReplacesAPrefixAtTheStartOfUrlsOnly) {
    const struct {
        const char* oldPrefix;
        const char* newPrefix;
        const char* message;
        // The url of the glossary item afterwards, and of the external item.
        const char* glossary;
        const char* web;
        bool saved;
    } cases[] = {
        {"../site/Glossary/", "../site/Words/", "6 address prefix substitution performed",
         "../site/Words/overview.htm", "http://example.org/", true},
        // Inside the url, not at its start: nothing changes, nothing is saved.
        {"Glossary/", "Words/", "0 address prefix substitution performed", "../site/Glossary/overview.htm",
         "http://example.org/", false},
        {"http://example.org", "https://example.net", "1 address prefix substitution performed",
         "../site/Glossary/overview.htm", "https://example.net/", true},
        // An empty prefix would change every url: refused.
        {"", "x", "The address prefix to replace is empty: no address was changed.",
         "../site/Glossary/overview.htm", "http://example.org/", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.oldPrefix);
        ToolsProject project;
        ProcessManager& manager = project.open();
        const std::string treeBefore = project.read("tolvane/MenuTreeV2.dat");
        manager.replaceUrlPrefix(c.oldPrefix, c.newPrefix);
        EXPECT_EQ(project.messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(project.item("S12")->getUrl().str(), c.glossary);
        EXPECT_EQ(project.item("S33")->getUrl().str(), c.web);
        EXPECT_EQ(project.read("tolvane/MenuTreeV2.dat") != treeBefore, c.saved);
        if (c.saved) {
            // The tree file holds the new urls.
            ProcessManager& reopened = project.open();
            EXPECT_EQ(reopened.findItemByUid("S12")->getUrl().str(), c.glossary);
        }
    }
}

// The log, the label file and an item's folder open in the desktop's
// programs, their paths given as arguments, never through a shell.
TEST(SiteToolsTest, OutsideProgramsGetThePathsAsArguments) {
    ToolsProject project;
    ProcessManager& manager = project.open();
    const std::string proj = project.dir / "proj/";
    {
        FakeProgram editor(project.dir, "editor");
        setenv("VISUAL", "editor", 1);
        manager.viewLogFile();
        EXPECT_EQ(editor.arguments(), proj + "site/ZevoRiruradiruzuz.log\n");
        std::filesystem::remove(project.dir / "args.txt");
        manager.editTranslationFile();
        EXPECT_EQ(editor.arguments(), proj + "tolvane/trad.ini\n");
        unsetenv("VISUAL");
    }
    std::filesystem::remove(project.dir / "args.txt");
    FakeProgram opener(project.dir, "xdg-open");
    manager.openItemFolder(project.item("S4"));
    EXPECT_EQ(opener.arguments(), proj + "site/Software/Design/Design_products\n");
    std::filesystem::remove(project.dir / "args.txt");
    manager.openExportFolder();
    EXPECT_EQ(opener.arguments(), proj + "tmp/\n");
    std::filesystem::remove(project.dir / "args.txt");
    EXPECT_TRUE(project.messages().empty());
    // An external item has no folder.
    manager.openItemFolder(project.item("S33"));
    EXPECT_EQ(project.messages(), std::vector<std::string>{"Not available on external items"});
    EXPECT_FALSE(project.dir.exists("args.txt"));
}

// A site map below the top: its links climb as many folders as it lies deep.
TEST(SiteToolsTest, TheSiteMapOfADeepItemReachesTheSiteFromItsFolder) {
    ToolsProject project;
    ProcessManager& manager = project.open();
    manager.writeSiteMapPage(project.item("S4"), 0);
    const std::string page = project.read("site/Software/Design/Design_products/overview.htm");
    EXPECT_NE(page.find("href=\"../../../../css/project.css\""), std::string::npos);
    EXPECT_NE(page.find("<img src=\"../../../../applet/IconImages/b.gif\" alt=\"\">&nbsp;"
                        "<a href=\"../../../../site/Overview/overview.htm\">Overview</a><BR>"),
              std::string::npos);
    EXPECT_NE(
        page.find("&nbsp;&nbsp;&nbsp;&nbsp;\r\n&nbsp;&nbsp;&nbsp;&nbsp;\r\n&nbsp;&nbsp;&nbsp;&nbsp;\r\n<img "
                  "src=\"../../../../applet/IconImages/b.gif\" alt=\"\">&nbsp;<a "
                  "href=\"../../../../site/Software/Design/Design_products/Model/overview.htm\">Model</a>"),
        std::string::npos);
}

// What the site shows follows a change of an item's visibility at once.
TEST(SiteToolsTest, TheSiteMapFollowsAChangeOfVisibility) {
    ToolsProject project;
    ProcessManager& manager = project.open();
    Item* hidden = project.item("S31");
    EXPECT_EQ(manager.hasVisibleChildren(hidden), 1);
    EXPECT_EQ(manager.getLastVisibleSibling(project.item("S34")), 1);
    manager.writeSiteMapPage(project.item("S34"), 0);
    EXPECT_EQ(project.read("site/Site_map/overview.htm").find("Hidden"), std::string::npos);
    hidden->setVisible(1);
    project.item("S34")->setVisible(0);
    EXPECT_EQ(manager.getLastVisibleSibling(project.item("S34")), 0);
    EXPECT_EQ(manager.getLastVisibleSibling(project.item("S33")), 1);
    project.item("S32")->setVisible(0);
    EXPECT_EQ(manager.hasVisibleChildren(hidden), 0);
    manager.writeSiteMapPage(project.item("S34"), 0);
    const std::string page = project.read("site/Site_map/overview.htm");
    EXPECT_NE(page.find(">Hidden</a>"), std::string::npos);
    EXPECT_EQ(page.find("Hidden child"), std::string::npos);
    EXPECT_EQ(page.find(">Site map</a>"), std::string::npos);
}

TEST(SiteToolsTest, ChildLinksListTheVisibleDirectChildren) {
    ToolsProject project;
    ProcessManager& manager = project.open();
    manager.generateDualChildLinks(project.item("S20"), 1);
    const std::string difference = compareWithGolden(project.read("site/Delivery/overviewL2.htm"),
                                                     "site-pages-project/Delivery-childLinksL2.htm");
    EXPECT_TRUE(difference.empty()) << difference;
    // Only an invisible child: a page with its banner and footer, no link.
    project.item("S32")->setVisible(0);
    manager.generateDualChildLinks(project.item("S31"), 0);
    const std::string hidden = project.read("site/Hidden/overview.htm");
    EXPECT_NE(hidden.find("<h1 class=\"banner\">Hidden</h1>"), std::string::npos);
    EXPECT_EQ(hidden.find("<a href"), std::string::npos);
    EXPECT_NE(hidden.find("Page id: S31"), std::string::npos);
    EXPECT_TRUE(project.messages().empty());
}

TEST(SiteToolsTest, SecondLanguagePagesAreMadeWhereMissingOnly) {
    ToolsProject project;
    std::filesystem::remove(project.dir / "proj/site/Delivery/Deliver/overviewL2.htm");
    const std::string kept = project.read("site/Delivery/overviewL2.htm");
    ProcessManager& manager = project.open();
    manager.createSecondLanguagePages();
    const std::string made = project.read("site/Delivery/Deliver/overviewL2.htm");
    EXPECT_NE(made.find("<title>Livrer</title>"), std::string::npos);
    EXPECT_EQ(project.read("site/Delivery/overviewL2.htm"), kept);
    // The external item and the shortcut have no page of their own.
    EXPECT_FALSE(project.exists("site/Web"));
    const std::string log = project.read("site/ZevoRiruradiruzuz.log");
    EXPECT_NE(log.find("-- Delivery already exist. Generation skiped"), std::string::npos);
    EXPECT_NE(log.find("> Generating Deliver file"), std::string::npos);
    EXPECT_TRUE(project.messages().empty());
}

// The one-page document of a plain site: every item after the first under a
// heading of its depth with the body of its page, pictures reached from "tmp".
TEST(SiteToolsTest, TheOnePageDocumentOfAPlainSite) {
    ToolsProject project("menu-tree-project");
    project.dir.write("proj/site/home/Qualit_/plan/overview.htm",
                      "<html><head><title>Plan</title></head>\r\n<body bgcolor=\"white\">\r\n<h1>Quality "
                      "plan</h1>\r\n<p>See the <a href=\"../x.htm\">list</a>.</p>\r\n<p><img "
                      "src=\"./chart.png\"></p>\r\n</body>\r\n</html>\r\n");
    ProcessManager& manager = project.open();
    project.ui.messages.clear(); // the fixture's data version
    for (int language = 0; language <= 1; ++language) {
        manager.exportOnePageProcess(language);
        const char* name = language == 0 ? "process.htm" : "processL2.htm";
        const std::string difference = compareWithGolden(project.read(std::string("tmp/") + name),
                                                         std::string("menu-tree-project/") + name);
        EXPECT_TRUE(difference.empty()) << difference;
    }
    EXPECT_EQ(project.messages(), (std::vector<std::string>{"Generation of <site root>tmp/process.htm",
                                                            "Generation of <site root>tmp/processL2.htm"}));
}

TEST(SiteToolsTest, TheOnePageDocumentTakesItsHeadFromTheTemplate) {
    ToolsProject project("menu-tree-project");
    project.dir.write("proj/tolvane/Templates/Word/WordHeader.htm",
                      "<html>\r\n<head><style>p { margin: 0 }</style>\r\n</head>\r\n");
    project.open().exportOnePageProcess(0);
    const std::string document = project.read("tmp/process.htm");
    EXPECT_EQ(
        document.rfind("<html>\r\n<head><style>p { margin: 0 }</style>\r\n</head>\r\n\r\n<body>\r\n<H2>", 0),
        0u)
        << document;
}

// A document that cannot be written is told as such, never as generated.
TEST(SiteToolsTest, ADocumentThatCannotBeWrittenIsTold) {
    ToolsProject project("menu-tree-project");
    ProcessManager& manager = project.open();
    project.ui.messages.clear(); // the fixture's data version
    std::filesystem::remove_all(project.dir / "proj/tmp");
    manager.exportOnePageProcess(0);
    EXPECT_EQ(project.messages(),
              std::vector<std::string>{"File " + (project.dir / "proj/") + "tmp/process.htm writing error"});
}

} // namespace
