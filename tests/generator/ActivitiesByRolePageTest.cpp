#include "ActivitiesByRolePage.h"

#include "Golden.h"
#include "PagesProject.h"

#include <gtest/gtest.h>
#include <string>

namespace {

void generate(PagesProject& project) {
    project.prepare();
    project.manager->generateActivitiesByRole(0);
    project.manager->generateActivitiesByRole(1);
}

// The workflow's page counts the activity behind its shortcut again, after
// the other activities of its roles; the macro-activity's page only the
// activities below it. Activities are not given a page.
TEST(ActivitiesByRolePageTest, PagesOfTheFixtureInBothLanguages) {
    PagesProject project;
    project.open();
    generate(project);
    EXPECT_TRUE(project.ui.messages.empty());
    expectGoldenPages(project,
                      {
                          {"site/Delivery/activities.htm", "Delivery_activities.htm"},
                          {"site/Delivery/activitiesL2.htm", "Delivery_activitiesL2.htm"},
                          {"site/Delivery/Plan_the_tests/activities.htm", "Plan_the_tests_activities.htm"},
                      });
    EXPECT_FALSE(project.exists("site/Delivery/Run_the_tests/activities.htm"));
    EXPECT_FALSE(project.exists("site/Roles/activities.htm"));
    const std::string delivery = project.read("site/Delivery/activities.htm");
    // Architect: Design the system, Review the plan, then Design the system
    // again through the shortcut; Tester adds Write the test plan and Run the tests.
    EXPECT_EQ(countOf(delivery, "<tr><td width=\"40%\">"), 3 + 4);
    EXPECT_EQ(countOf(delivery, "images/checked.gif"), 7);
}

// Two responsibilities of one role in one activity mark one row twice; a
// responsibility not configured marks nothing; a role that is not found
// leaves no trace; with no responsibility configured only the activity and
// product columns remain.
TEST(ActivitiesByRolePageTest, MarksAndMissingRoles) {
    PagesProject project;
    project.write("site/Delivery/Run_the_tests/process.data",
                  "[PROCESSUS]\r\nClass=ACTIVITY\r\n"
                  "Roles=~n3/responsible,~n3/consulted,~n3/approver,~n99/responsible,Nobody\r\n"
                  "OutWorkProducts=~n11//1\r\n");
    project.open();
    generate(project);
    std::string page = project.read("site/Delivery/Run_the_tests/../activities.htm");
    const size_t run = page.find("Run the tests");
    ASSERT_NE(run, std::string::npos);
    const std::string row = page.substr(run, page.find("</tr>", run) - run);
    EXPECT_EQ(countOf(row, "images/checked.gif"), 2) << row;
    EXPECT_EQ(countOf(page, "<a name="), 2); // Architect and Tester only

    project.setOption("PROCESSUS", "ROLE_RESPONSIBILITY", "");
    project.open();
    generate(project);
    page = project.read("site/Delivery/activities.htm");
    EXPECT_FALSE(contains(page, "checked.gif"));
    EXPECT_FALSE(contains(page, "bgcolor=\"#446546\"><b>\r\n"));
    EXPECT_TRUE(contains(page,
                         "<table border=\"1\" width=\"100%\" cellspacing=\"0\" cellpadding=\"0\">\r\n\r\n"
                         "</table><br><br>\r\n"));
}

} // namespace
