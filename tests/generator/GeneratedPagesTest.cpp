#include "Golden.h"
#include "PagesProject.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Every file of the site folder by path, the log (which grows) aside.
std::map<std::string, std::string> siteFiles(const std::string& project) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(project + "site")) {
        if (!entry.is_regular_file() || entry.path().filename() == "ZevoRiruradiruzuz.log")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        files[fs::relative(entry.path(), project).string()] = bytes.str();
    }
    return files;
}

// The template pages and the activity pages of the fixture as a whole
// generation writes them, in both languages.
TEST(GeneratedPagesTest, TemplateAndActivityPagesInBothLanguages) {
    PagesProject project;
    project.open().generate();
    EXPECT_TRUE(project.ui.messages.empty()) << project.ui.messages.front().text;
    const struct {
        const char* page;
        const char* golden;
    } pages[] = {
        // Every discipline in its section, after the anchor index; the
        // work products without discipline last; domain rows.
        {"site/All_templates/overview.htm", "All_templates.htm"},
        {"site/All_templates/overviewL2.htm", "All_templatesL2.htm"},
        // One discipline, filtered by domain and discipline.
        {"site/Engineering/Test/Test_templates/overview.htm", "Test_templates.htm"},
        {"site/Engineering/Test/Test_templates/overviewL2.htm", "Test_templatesL2.htm"},
        // What the activities of the workflow produce.
        {"site/Delivery/templates.htm", "Delivery_templates.htm"},
        // The section below the marker.
        {"site/Delivery/Plan_the_tests/Design_the_system/overview.htm", "Design_the_system.htm"},
        {"site/Delivery/Plan_the_tests/Design_the_system/overviewL2.htm", "Design_the_systemL2.htm"},
        // The whole page of an activity whose procedure text lies apart.
        {"site/Delivery/Plan_the_tests/Write_the_test_plan/overview.htm", "Write_the_test_plan.htm"},
        {"site/Delivery/Plan_the_tests/Write_the_test_plan/overviewL2.htm", "Write_the_test_planL2.htm"},
        // A second-language page without marker, written whole.
        {"site/Delivery/Run_the_tests/overviewL2.htm", "Run_the_testsL2.htm"},
    };
    for (const auto& page : pages) {
        ASSERT_TRUE(project.exists(page.page)) << page.page;
        const std::string difference =
            compareWithGolden(project.read(page.page), std::string("pages-project/") + page.golden);
        EXPECT_TRUE(difference.empty()) << difference;
    }
}

// The two families run in each language when their keys say "yes" and
// count in the progress; with its key off a family writes nothing.
TEST(GeneratedPagesTest, EachFamilyRunsWhenItsKeySaysYes) {
    PagesProject project;
    project.setOption("PROCESS_OPTION", "GenerateActivities", "no");
    const std::string activityPage = project.read("site/Delivery/Run_the_tests/overview.htm");
    project.open().generate();
    EXPECT_EQ(project.read("site/Delivery/Run_the_tests/overview.htm"), activityPage);
    EXPECT_TRUE(project.exists("site/Delivery/templates.htm"));
    EXPECT_TRUE(project.exists("site/Delivery/templatesL2.htm"));
    // Two languages, one family: (1 + 1) x 2 steps over the second half.
    EXPECT_EQ(project.ui.progressRanges.back(), std::make_pair(0, 8));

    project.setOption("PROCESS_OPTION", "GenerateActivities", "yes");
    project.setOption("PROCESS_OPTION", "GenerateTemplateAccessByMA", nullptr);
    std::filesystem::remove(project.dir / "proj/site/Delivery/templates.htm");
    project.ui.progressPositions.clear();
    project.open().generate();
    EXPECT_FALSE(project.exists("site/Delivery/templates.htm"));
    EXPECT_NE(project.read("site/Delivery/Run_the_tests/overview.htm"), activityPage);
    EXPECT_TRUE(project.read("site/Delivery/Run_the_tests/overviewL2.htm").find("<!--PROCESS_HYPERLINK-->") !=
                std::string::npos);
    const std::vector<int>& positions = project.ui.progressPositions;
    ASSERT_GE(positions.size(), 5u);
    EXPECT_EQ(std::vector<int>(positions.end() - 5, positions.end()), (std::vector<int>{5, 6, 7, 8, 0}));
    EXPECT_TRUE(project.ui.messages.empty());
}

TEST(GeneratedPagesTest, ASecondGenerationLeavesEveryPageAsItWas) {
    PagesProject project;
    project.open().generate();
    const auto first = siteFiles(project.dir / "proj/");
    project.open().generate();
    const auto second = siteFiles(project.dir / "proj/");
    ASSERT_EQ(first.size(), second.size());
    for (const auto& [path, bytes] : first) {
        ASSERT_EQ(second.count(path), 1u) << path;
        const std::string difference = describeDifference(bytes, second.at(path), path);
        EXPECT_TRUE(difference.empty()) << difference;
    }
    EXPECT_TRUE(project.ui.messages.empty());
}

} // namespace
