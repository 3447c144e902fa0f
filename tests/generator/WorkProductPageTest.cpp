#include "Golden.h"
#include "PagesProject.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

// The work product pages of the fixture after both passes.
void generateWorkProducts(PagesProject& project) {
    ProcessManager& manager = project.open();
    project.prepare();
    manager.generateWorkProduct(0);
    manager.generateWorkProduct(1);
}

// The test plan: its type, naming rule, location and policy, the
// requirement it implements, its tailoring guideline and templates, the
// criteria it shares with the test report (each derived from the other),
// and per project kind the activities that create and read it, with the
// review performed on it. The design model: its element and the work
// product that implements it, and the diagram of its state.
TEST(WorkProductPageTest, PagesOfTheFixtureInBothLanguages) {
    PagesProject project;
    generateWorkProducts(project);
    EXPECT_TRUE(project.ui.messages.empty()) << project.ui.messages.front().text;
    expectGoldenPages(project,
                      {
                          {"site/Engineering/Test/Test_plan/overview.htm", "Test_plan.htm"},
                          {"site/Engineering/Test/Test_plan/overviewL2.htm", "Test_planL2.htm"},
                          {"site/Engineering/Test/Test_plan/criteria.html", "Test_plan-criteria.html"},
                          {"site/Engineering/Test/Test_plan/criteriaL2.html", "Test_plan-criteriaL2.html"},
                          {"site/Engineering/Design/Design_model/overview.htm", "Design_model.htm"},
                          {"site/Engineering/Design/Design_model/overviewL2.htm", "Design_modelL2.htm"},
                      });
    // States get no page of their own here; an example library gets its pages.
    EXPECT_FALSE(project.exists("site/Engineering/Design/Design_model/Approved/overview.htm"));
    EXPECT_TRUE(project.exists("site/Engineering/Test/Test_report/ar/overview.htm"));
    EXPECT_TRUE(project.exists("site/Engineering/Test/Test_report/ar/overviewL2.htm"));
}

// Each of two work products derived from the other shows the criterion
// once, and only a work product with criteria gets a criteria page.
TEST(WorkProductPageTest, ADerivationCycleShowsEachCriterionOnce) {
    PagesProject project;
    generateWorkProducts(project);
    for (const char* page :
         {"site/Engineering/Test/Test_plan/overview.htm", "site/Engineering/Test/Test_report/overview.htm",
          "site/Engineering/Test/Test_report/criteria.html"})
        EXPECT_EQ(countOf(project.read(page), "Every requirement has a test."), 1) << page;
    EXPECT_FALSE(project.exists("site/Engineering/Design/Design_model/criteria.html"));
    // Open in both passes: the criteria page of each language.
    EXPECT_TRUE(
        contains(project.read("site/Engineering/Test/Test_report/criteriaL2.html"), "Pour chaque version."));
}

// The reviewers of a review: those responsible first, in bold, then the
// others, the informed ones left out.
TEST(WorkProductPageTest, ReviewersOfAReview) {
    const struct {
        const char* roles;
        const char* cell;
    } cases[] = {
        {"~n2/responsible,~n3/consulted", "<td width=\"55%\"><b>Architect</b>, Tester</td>"},
        {"~n3/informed,~n2/responsible", "<td width=\"55%\"><b>Architect</b>, </td>"},
        {"~n3/consulted,~n2/responsible,~n3/responsible",
         "<td width=\"55%\"><b>Tester</b>, <b>Architect</b>, Tester</td>"},
        {"~n3/informed", "<td width=\"55%\">&nbsp;</td>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.roles);
        PagesProject project;
        project.write("site/Delivery/Plan_the_tests/Write_the_test_plan/Review_the_plan/process.data",
                      std::string("[PROCESSUS]\r\nClass=ACTIVITY\r\nActivityType=Formal review\r\n"
                                  "InWorkProducts=~n10//1\r\nRoles=") +
                          c.roles + "\r\n");
        generateWorkProducts(project);
        const std::string page = project.read("site/Engineering/Test/Test_plan/overview.htm");
        EXPECT_TRUE(contains(page, c.cell)) << page;
        EXPECT_TRUE(contains(page, "<td width=\"15%\">Formal review</td>"));
        // A review is no reader.
        EXPECT_FALSE(contains(page, ">Review the plan</a></li>"));
    }
}

// A milestone review reading the work product is listed under the check
// of the milestones, with its phases; it is no reader, and no review table
// is written for it.
TEST(WorkProductPageTest, MilestoneChecks) {
    PagesProject project;
    project.write("site/Delivery/Plan_the_tests/Write_the_test_plan/Review_the_plan/process.data",
                  "[PROCESSUS]\r\nClass=ACTIVITY\r\nActivityType=Milestone review\r\n"
                  "InWorkProducts=~n10//1\r\nRoles=~n2/responsible\r\n");
    ProcessManager& manager = project.open();
    project.prepare();
    project.item("N26")->addPhase("Release");
    project.item("N26")->addPhase("Audit");
    manager.generateWorkProduct(0);
    const std::string page = project.read("site/Engineering/Test/Test_plan/overview.htm");
    EXPECT_TRUE(
        contains(page, "<ul>\r\n<li>Phase Release, Audit: <a href=\"../../../../site/Delivery/Plan_the_tests/"
                       "Write_the_test_plan/Review_the_plan/overview.htm\" target=\"main\">Review the "
                       "plan</a></li>\r\n</ul>\r\n<br>\r\n"))
        << page;
    EXPECT_FALSE(contains(page, "Reviews of this work product"));
    EXPECT_FALSE(contains(page, ">Review the plan</a></li>\r\n</ul>\r\n<br>\r\n</td></tr>"));
}

// The responsibilities cell: an author entry without responsibility is an
// author; without any author the cell starts with a blank. A work product
// whose only template is of the second format gets no template table.
TEST(WorkProductPageTest, AuthorsAndTemplateTable) {
    PagesProject project;
    project.write("site/Engineering/Test/Test_report/process.data",
                  "[PROCESSUS]\r\nClass=WORKPRODUCT\r\nAuthor=~n2,~n3/recipient\r\n");
    project.write("site/Checklist/process.data",
                  "[PROCESSUS]\r\nClass=WORKPRODUCT\r\nTemplateNameL1F2=checklist.odt\r\n");
    std::filesystem::remove_all(project.dir / "proj/site/Engineering/Test/Test_report/ar");
    generateWorkProducts(project);
    const std::string report = project.read("site/Engineering/Test/Test_report/overview.htm");
    const size_t author = report.find("<td width=\"40%\">\r\n<p><b>Author: <a href=\"../../../../site/Roles/"
                                      "Architect/overview.htm\" target=\"main\">");
    const size_t recipient =
        report.find("</a>\r\n </b></p>\r\n\r\n<p><b>Recipient: <a href=\"../../../../site/Roles/Tester/");
    ASSERT_NE(author, std::string::npos) << report;
    EXPECT_NE(recipient, std::string::npos) << report;
    EXPECT_LT(author, recipient);
    EXPECT_FALSE(contains(report, "Reviewed by:"));
    const std::string checklist = project.read("site/Checklist/overview.htm");
    EXPECT_TRUE(contains(checklist, "<td width=\"40%\">\r\n&nbsp;</td>\r\n")) << checklist;
    EXPECT_FALSE(contains(checklist, "templateTable"));
    EXPECT_FALSE(project.exists("site/Engineering/Test/Test_report/ar/overview.htm"));
}

} // namespace
