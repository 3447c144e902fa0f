// The site-wide pages of a generation on the fixture "site-pages-project":
// activities by state, work product group synthesis, process overview,
// glossary, site map and banner, in both languages.

#include "PagesProject.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The fixture of the site-wide pages, opened in a temporary folder.
class SitePagesProject : public PagesProject {
public:
    SitePagesProject() : PagesProject("site-pages-project") {}
    void setOption(const char* key, const char* value) const {
        PagesProject::setOption("PROCESS_OPTION", key, value);
    }
};

TEST(SitePagesTest, GeneratedPagesInBothLanguages) {
    SitePagesProject project;
    project.open().generate();
    EXPECT_TRUE(project.messages().empty()) << project.messages().front();
    expectGoldenPages(
        project, {
                     // A phase: the approved activity and the milestone awaiting
                     // approval. One file for both languages: the second pass wins.
                     {"site/Delivery/Inception/activitiesByState.htm", "Inception-activitiesByState.htm"},
                     // A macro-activity: its draft activity is left out, the
                     // approved activity its shortcut leads to is listed.
                     {"site/Delivery/Build/activitiesByState.htm", "Build-activitiesByState.htm"},
                     // Any other item inside the workflow: two empty lists.
                     {"site/Delivery/Build/Check_the_build/activitiesByState.htm",
                      "Check_the_build-activitiesByState.htm"},
                     // The work products up to the next item of the group's level,
                     // states left out; a work product name in small type.
                     {"site/Software/Design/Design_products/overview.htm", "Design_products.htm"},
                     {"site/Software/Design/Design_products/overviewL2.htm", "Design_productsL2.htm"},
                     // The outline of the workflow numbered, steps greyed below an
                     // optional one, a comment step with a glossary tooltip, the
                     // milestone bullet, a shortcut's target under the shortcut.
                     {"site/Overview/overview.htm", "Overview.htm"},
                     {"site/Overview/overviewL2.htm", "OverviewL2.htm"},
                     // Every entry, by letter, names ignoring case, equal names in
                     // tree order; none for names beginning with a digit or an
                     // accented letter; the flagged work product without source.
                     {"site/Glossary/overview.htm", "Glossary.htm"},
                     {"site/Glossary/overviewL2.htm", "GlossaryL2.htm"},
                     // The entries of the glossary's discipline only.
                     {"site/Software/Design/Design_glossary/overview.htm", "Design_glossary.htm"},
                     // Every shown item at any depth: the invisible one with its
                     // subtree, shortcuts and external items left out.
                     {"site/Site_map/overview.htm", "Site_map.htm"},
                     {"site/Site_map/overviewL2.htm", "Site_mapL2.htm"},
                     // Item areas with their tooltips from Text[10] on, free areas
                     // with their link and scripts, stale and short records.
                     {"site/Home/topbanner1.htm", "topbanner1.htm"},
                     {"site/Home/topbanner2.htm", "topbanner2.htm"},
                 });
}

// Each family runs when its key says "yes"; with its key off it writes nothing.
TEST(SitePagesTest, EachFamilyRunsWhenItsKeySaysYes) {
    const struct {
        const char* key;
        const char* page;
    } families[] = {
        {"GenerateActivityAccessByStateByMA", "site/Delivery/Inception/activitiesByState.htm"},
        {"GenerateProcessOverview", "site/Overview/overviewL2.htm"},
        {"SynthesisOnWPGroup", "site/Software/Design/Design_products/overviewL2.htm"},
        {"GenerateBanner", "site/Home/topbanner2.htm"},
    };
    for (const auto& off : families) {
        SCOPED_TRACE(off.key);
        SitePagesProject project;
        project.setOption(off.key, "no");
        const std::string before = project.exists(off.page) ? project.read(off.page) : std::string();
        project.open().generate();
        EXPECT_EQ(project.exists(off.page) ? project.read(off.page) : std::string(), before);
        for (const auto& on : families) {
            if (&on != &off) {
                EXPECT_NE(project.read(on.page).find("<html>"), std::string::npos) << on.page;
            }
        }
        // Three families of four on, two languages: (3 + 1) x 2 steps over
        // the second half of the bar, which ends full before it is reset.
        EXPECT_EQ(project.ui.progressRanges.back(), std::make_pair(0, 16));
        const std::vector<int>& positions = project.ui.progressPositions;
        ASSERT_GE(positions.size(), 2u);
        EXPECT_EQ(positions[positions.size() - 2], 16);
        EXPECT_TRUE(project.messages().empty());
    }
}

// An overview without target, or with one that no item has, tells so and
// leaves its page; the other overviews are written.
TEST(SitePagesTest, AnOverviewWithoutItsWorkflowLeavesItsPage) {
    const struct {
        const char* target;
        const char* message;
    } cases[] = {
        {"", "Target workflow not set for project overview: Overview"},
        {"../site/Gone/overview.htm", "Target workflow of path ../site/Gone/overview.htm not found"},
    };
    for (const auto& c : cases) {
        SitePagesProject project;
        project.write("site/Overview/process.data",
                      std::string("[PROCESSUS]\r\nClass=PROCESSOVERVIEW\r\nTargetWorkflow=") + c.target +
                          "\r\n");
        const std::string before = project.read("site/Overview/overview.htm");
        project.open().generateProcessOverview(0);
        EXPECT_EQ(project.messages(), std::vector<std::string>{c.message});
        EXPECT_EQ(project.read("site/Overview/overview.htm"), before);
    }
}

// The numbering follows an outline of any depth: here 25 phases, each
// inside the one before.
TEST(SitePagesTest, TheOverviewNumbersAnOutlineOfAnyDepth) {
    SitePagesProject project;
    std::string tree = "\r\n0*F*Flow*../site/Flow/overview.htm* *b.gif*b.gif*f*true*false*Flux* *";
    project.write("site/Flow/process.data", "[PROCESSUS]\r\nClass=WORKFLOW\r\n");
    std::string folder = "Flow";
    for (int level = 1; level <= 25; ++level) {
        folder += "/P" + std::to_string(level);
        tree += "\r\n" + std::to_string(level) + "*P" + std::to_string(level) + "*Phase " +
                std::to_string(level) + "*../site/" + folder +
                "/overview.htm* *b.gif*b.gif*f*true*false*Phase* *";
        project.write("site/" + folder + "/process.data", "[PROCESSUS]\r\nClass=PHASE\r\n");
    }
    tree += "\r\n0*O*Outline*../site/Outline/overview.htm* *b.gif*b.gif*f*true*false*Plan* *";
    project.write("site/Outline/process.data",
                  "[PROCESSUS]\r\nClass=PROCESSOVERVIEW\r\nTargetWorkflow=../site/Flow/overview.htm\r\n");
    project.write("tolvane/MenuTreeV2.dat", tree);
    project.open().generateProcessOverview(0);
    const std::string page = project.read("site/Outline/overview.htm");
    std::string deepest;
    for (int level = 1; level <= 25; ++level)
        deepest += "1.";
    EXPECT_NE(page.find("&nbsp;" + deepest + "&nbsp;<a href=\"../../site/Flow/P1"), std::string::npos);
    EXPECT_NE(page.find("margin-left: 750pt"), std::string::npos);
    EXPECT_TRUE(project.messages().empty());
}

// A page that cannot be written is told, and the pages after it are written.
TEST(SitePagesTest, APageThatCannotBeWrittenIsTold) {
    const struct {
        const char* blocked;
        const char* written;
        void (ProcessManager::*family)(int);
    } cases[] = {
        {"site/Delivery/Inception/activitiesByState.htm", "site/Delivery/Build/activitiesByState.htm",
         &ProcessManager::generateActivityAccessByState},
        {"site/Software/Design/Design_products/overview.htm", nullptr,
         &ProcessManager::generateSynthesisOnWPGroup},
        {"site/Overview/overview.htm", nullptr, &ProcessManager::generateProcessOverview},
        {"site/Glossary/overview.htm", "site/Software/Design/Design_glossary/overview.htm",
         &ProcessManager::createGlossary},
        {"site/Site_map/overview.htm", nullptr, &ProcessManager::createSiteMap},
        {"site/Home/topbanner1.htm", nullptr, &ProcessManager::generateBanner},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.blocked);
        SitePagesProject project;
        // A folder where the page should be: no file can take its place.
        std::filesystem::remove(project.dir / ("proj/" + std::string(c.blocked)));
        std::filesystem::create_directories(project.dir / ("proj/" + std::string(c.blocked) + "/x"));
        ProcessManager& manager = project.open();
        manager.updateLinks(1, 0);
        (manager.*c.family)(0);
        // The page named by the path the program gives it.
        const std::vector<std::string> messages = project.messages();
        ASSERT_EQ(messages.size(), 1u);
        const std::string page = std::string(c.blocked).substr(std::string(c.blocked).find('/'));
        EXPECT_EQ(messages[0].rfind("File " + project.dir.path(), 0), 0u) << messages[0];
        EXPECT_EQ(messages[0].substr(messages[0].size() - page.size() - 14), page + " writing error");
        if (c.written) {
            EXPECT_NE(project.read(c.written).find("</html>"), std::string::npos);
        }
    }
}

} // namespace
