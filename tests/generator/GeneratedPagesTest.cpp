#include "Golden.h"
#include "ItemClasses.h"
#include "PagesProject.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <sstream>
#include <stdexcept>
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

// The pages of the fixture as a whole generation writes them, in both
// languages.
TEST(GeneratedPagesTest, GeneratedPagesInBothLanguages) {
    PagesProject project;
    project.open().generate();
    EXPECT_TRUE(project.ui.messages.empty()) << project.ui.messages.front().text;
    expectGoldenPages(
        project,
        {
            // Every discipline in its section, after the anchor index; the
            // work products without discipline last; domain rows.
            {"site/All_templates/overview.htm", "All_templates.htm"},
            {"site/All_templates/overviewL2.htm", "All_templatesL2.htm"},
            // One discipline, filtered by domain and discipline.
            {"site/Engineering/Test/Test_templates/overview.htm", "Test_templates.htm"},
            {"site/Engineering/Test/Test_templates/overviewL2.htm", "Test_templatesL2.htm"},
            // What the activities of the workflow produce.
            {"site/Delivery/templates.htm", "Delivery_templates.htm"},
            // The section below the marker, with the drawn schema and the
            // activity's workflow picture with its image map (in the first
            // language only, which alone has a picture).
            {"site/Delivery/Plan_the_tests/Design_the_system/overview.htm", "Design_the_system.htm"},
            {"site/Delivery/Plan_the_tests/Design_the_system/overviewL2.htm", "Design_the_systemL2.htm"},
            // The whole page of an activity whose procedure text lies apart:
            // the schema's border cells by id, the review of what it produces.
            {"site/Delivery/Plan_the_tests/Write_the_test_plan/overview.htm", "Write_the_test_plan.htm"},
            {"site/Delivery/Plan_the_tests/Write_the_test_plan/overviewL2.htm", "Write_the_test_planL2.htm"},
            // A second-language page without marker, written whole.
            {"site/Delivery/Run_the_tests/overviewL2.htm", "Run_the_testsL2.htm"},
            // A workflow generated whole from its diagram: its picture with
            // the image map of its items and of a picture node.
            {"site/Delivery/overview.htm", "Delivery.htm"},
            {"site/Delivery/overviewL2.htm", "DeliveryL2.htm"},
            // A macro-activity below its author's text, and one whose marker
            // takes the place of its closing body tag.
            {"site/Delivery/Plan_the_tests/overview.htm", "Plan_the_tests.htm"},
            {"site/Delivery/Plan_the_tests/overviewL2.htm", "Plan_the_testsL2.htm"},
            // A role: responsibility, detailed description, the work products
            // it authors with their co-authors, its activities by kind.
            {"site/Roles/Tester/overview.htm", "Tester.htm"},
            {"site/Roles/Tester/overviewL2.htm", "TesterL2.htm"},
            // A role group: its role map, its members, its activities.
            {"site/Roles/overview.htm", "Roles.htm"},
            {"site/Roles/overviewL2.htm", "RolesL2.htm"},
            // A work product with its criteria, diagrams and review.
            {"site/Engineering/Test/Test_plan/overview.htm", "Test_plan.htm"},
            {"site/Engineering/Test/Test_plan/criteriaL2.html", "Test_plan-criteriaL2.html"},
            // The overview of every work product, its spreadsheet file.
            {"site/Work_products/overviewL2.htm", "Work_productsL2.htm"},
            {"site/Work_products/WP.csv", "Work_products-WP.csv"},
        });
}

// Without the drawn schema, an activity lists its roles by responsibility
// and the work products it produces and uses.
TEST(GeneratedPagesTest, TheSchemaAsListsInBothLanguages) {
    PagesProject project;
    project.setOption("PROCESS_OPTION", "GenerateActivitySchemaFlag", "no");
    project.open().generate();
    EXPECT_TRUE(project.ui.messages.empty()) << project.ui.messages.front().text;
    expectGoldenPages(project, {
                                   {"site/Delivery/Plan_the_tests/Design_the_system/overview.htm",
                                    "Design_the_system-lists.htm"},
                                   {"site/Delivery/Plan_the_tests/Design_the_system/overviewL2.htm",
                                    "Design_the_system-listsL2.htm"},
                               });
}

// Each family runs in each language when its key says "yes" and counts in
// the progress; with its key off a family writes nothing.
TEST(GeneratedPagesTest, EachFamilyRunsWhenItsKeySaysYes) {
    const struct {
        const char* key;
        const char* pages[2];
    } families[] = {
        {"GenerateActivitiesByRoleByMA", {"site/Delivery/activities.htm", "site/Delivery/activitiesL2.htm"}},
        {"GenerateRole", {"site/Roles/Tester/overview.htm", "site/Roles/Tester/overviewL2.htm"}},
        {"GenerateTemplateAccessByMA", {"site/Delivery/templates.htm", "site/Delivery/templatesL2.htm"}},
        {"GenerateActivities",
         {"site/Delivery/Run_the_tests/overview.htm", "site/Delivery/Run_the_tests/overviewL2.htm"}},
        {"GenerateMacroActivities", {"site/Delivery/overview.htm", "site/Delivery/overviewL2.htm"}},
        {"GenerateGenericProcedure",
         {"site/Procedures/Review_procedure/overview.htm",
          "site/Procedures/Review_procedure/overviewL2.htm"}},
        {"GenerateMeasure", {"site/Measures/Effort/overview.htm", "site/Measures/Effort/overviewL2.htm"}},
        {"GenerateWorkProduct",
         {"site/Engineering/Test/Test_plan/overview.htm", "site/Engineering/Test/Test_plan/criteriaL2.html"}},
        {"GenerateWPOverview", {"site/Work_products/overview.htm", "site/Work_products/WPL2.csv"}},
    };
    for (const auto& off : families) {
        SCOPED_TRACE(off.key);
        PagesProject project;
        project.setOption("PROCESS_OPTION", off.key, "no");
        std::map<std::string, std::string> before;
        for (const auto& family : families)
            for (const char* page : family.pages)
                before[page] = project.exists(page) ? project.read(page) : std::string();
        project.open().generate();
        for (const auto& family : families)
            for (const char* page : family.pages) {
                const std::string after = project.exists(page) ? project.read(page) : std::string();
                if (&family == &off)
                    EXPECT_EQ(after, before[page]) << page;
                else
                    EXPECT_TRUE(!after.empty() && after != before[page]) << page;
            }
        // Two languages, eight families: (8 + 1) x 2 steps over the second
        // half, the pass of each language ending with its glossary and site map.
        EXPECT_EQ(project.ui.progressRanges.back(), std::make_pair(0, 36));
        std::vector<int> expected;
        for (int position = 19; position <= 36; ++position)
            expected.push_back(position);
        expected.push_back(0);
        const std::vector<int>& positions = project.ui.progressPositions;
        ASSERT_GE(positions.size(), expected.size());
        EXPECT_EQ(std::vector<int>(positions.end() - expected.size(), positions.end()), expected);
        EXPECT_TRUE(project.ui.messages.empty());
    }
}

// A manager whose page path fails for the items of some classes: the
// family writing them fails there.
class FailingPages : public ProcessManager {
public:
    FailingPages(const char* settings, std::vector<int> classes, bool applicationError)
        : ProcessManager(settings, nullptr, 0, 0), m_classes(std::move(classes)),
          m_applicationError(applicationError) {}
    CString getItemPagePath(Item* item, int language) override {
        auto* processItem = dynamic_cast<ProcessItem*>(item);
        for (int kind : m_classes)
            if (processItem && processItem->getClassKind() == kind) {
                if (m_applicationError)
                    throw std::runtime_error("Cannot write " + processItem->getName().str());
                throw kind;
            }
        return ProcessManager::getItemPagePath(item, language);
    }

private:
    std::vector<int> m_classes;
    bool m_applicationError;
};

// The work product family comes after the template family and before the
// activity family, and has no handler of its own: its failure ends the
// generation. The overview family reports its own failure, after the
// procedures and before the measures, and the generation goes on.
TEST(GeneratedPagesTest, FamiliesRunInTheirOrderWithTheirOwnHandlers) {
    {
        PagesProject project;
        const std::string activity = project.read("site/Delivery/Run_the_tests/overviewL2.htm");
        FailingPages manager((project.dir / "proj/site.tvx").c_str(), {7}, true);
        manager.generate();
        ASSERT_EQ(project.ui.messages.size(), 1u);
        EXPECT_EQ(project.ui.messages[0].text, "Cannot write Design model");
        EXPECT_TRUE(project.exists("site/Delivery/templates.htm"));
        EXPECT_TRUE(project.exists("site/Roles/Tester/overview.htm"));
        EXPECT_EQ(project.read("site/Delivery/Run_the_tests/overviewL2.htm"), activity);
        EXPECT_FALSE(project.exists("site/Work_products/WP.csv"));
        EXPECT_FALSE(project.exists("site/Measures/Effort/overview.htm"));
        EXPECT_FALSE(project.exists("site/Delivery/templatesL2.htm"));
        EXPECT_EQ(project.ui.progressPositions.back(), 0);
    }
    {
        PagesProject project;
        FailingPages manager((project.dir / "proj/site.tvx").c_str(),
                             {kWorkProductOverviewClass, kMeasureClass}, false);
        manager.generate();
        const std::vector<std::string> expected = {
            "Operation failed for unknown reason (error in method ProcessManager::generateWPOverview)",
            "Operation failed for unknown reason (error in method ProcessManager::generateMeasure)",
        };
        ASSERT_EQ(project.ui.messages.size(), 4u);
        for (size_t i = 0; i < 4; ++i)
            EXPECT_EQ(project.ui.messages[i].text, expected[i % 2]) << i;
        EXPECT_TRUE(project.exists("site/Procedures/Review_procedure/overviewL2.htm"));
        EXPECT_TRUE(project.exists("site/Engineering/Test/Test_plan/overviewL2.htm"));
    }
}

// A page or file that a family cannot write is told once in a generation,
// naming it, and the family writes its other files. A folder stands where
// the file should be: nothing can take its place.
TEST(GeneratedPagesTest, EveryFamilyTellsAFileItCannotWrite) {
    const struct {
        const char* blocked;
        const char* written;
    } cases[] = {
        {"site/All_templates/overview.htm", "site/Delivery/templates.htm"},
        {"site/Delivery/templates.htm", "site/All_templates/overview.htm"},
        {"site/Delivery/activities.htm", "site/Delivery/activitiesL2.htm"},
        {"site/Measures/Defects/overview.htm", "site/Measures/Effort/overview.htm"},
        {"site/Procedures/Review_procedure/overview.htm", "site/Procedures/overview.htm"},
        {"site/Procedures/overview.htm", "site/Procedures/Review_procedure/overview.htm"},
        {"site/Engineering/Test/Test_plan/overview.htm", "site/Engineering/Test/Test_report/overview.htm"},
        {"site/Engineering/Test/Test_plan/criteria.html", "site/Engineering/Test/Test_plan/overview.htm"},
        {"site/Engineering/Test/Test_report/ar/overview.htm",
         "site/Engineering/Test/Test_report/overview.htm"},
        // One name in both languages: told once.
        {"site/Engineering/Test/Test_report/ar/models/overview.htm",
         "site/Engineering/Test/Test_report/ar/overviewL2.htm"},
        {"site/Work_products/overview.htm", "site/Engineering/Engineering_products/overview.htm"},
        {"site/Work_products/WP.csv", "site/Work_products/overview.htm"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.blocked);
        PagesProject project;
        project.write("site/Engineering/Test/Test_report/ar/models/m.doc", "x");
        fs::remove(project.dir / ("proj/" + std::string(c.blocked)));
        fs::create_directories(project.dir / ("proj/" + std::string(c.blocked) + "/x"));
        project.open().generate();
        const std::vector<std::string> messages = project.messages();
        EXPECT_EQ(messages.size(), 1u) << (messages.empty() ? std::string("no message") : messages.back());
        if (messages.size() != 1)
            continue;
        const std::string file = std::string(c.blocked).substr(std::string(c.blocked).find('/'));
        EXPECT_EQ(messages[0].rfind("File " + project.dir.path(), 0), 0u) << messages[0];
        EXPECT_EQ(messages[0].substr(messages[0].size() - file.size() - 14), file + " writing error");
        EXPECT_TRUE(project.exists(c.written));
    }
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

// A tooltip shows the entry of its number: two entries of one number in a
// page would give the later one's text to both. Every page of the site,
// with the drawn schema and its picture, the lists and the maps, numbers
// its entries apart.
TEST(GeneratedPagesTest, NoPageNumbersTwoTooltipsAlike) {
    static const std::regex entry(R"(Text\[(\d+)\]=)");
    for (const char* schema : {"yes", "no"}) {
        SCOPED_TRACE(schema);
        PagesProject project;
        project.setOption("PROCESS_OPTION", "GenerateActivitySchemaFlag", schema);
        project.open().generate();
        int pages = 0;
        for (const auto& [path, text] : siteFiles(project.dir / "proj/")) {
            if (path.size() < 4 || path.compare(path.size() - 4, 4, ".htm") != 0)
                continue;
            ++pages;
            std::map<std::string, int> numbers;
            for (auto it = std::sregex_iterator(text.begin(), text.end(), entry);
                 it != std::sregex_iterator(); ++it)
                EXPECT_EQ(++numbers[(*it)[1].str()], 1) << path << " defines Text[" << (*it)[1] << "] again";
        }
        EXPECT_GT(pages, 20);
        EXPECT_TRUE(project.ui.messages.empty());
    }
}

} // namespace
