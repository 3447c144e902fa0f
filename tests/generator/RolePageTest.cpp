#include "PagesProject.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

// Inserts tree records (without their line ends) after the record of the item with the uid.
void insertAfter(PagesProject& project, const std::string& uid, const std::string& records) {
    std::string tree = project.read("tolvane/MenuTreeV2.dat");
    const size_t record = tree.find("*" + uid + "*");
    ASSERT_NE(record, std::string::npos);
    const size_t end = tree.find("\r\n", record) + 2;
    tree.insert(end, records);
    project.write("tolvane/MenuTreeV2.dat", tree);
}

std::string record(int level, const char* uid, const char* name, const char* folder,
                   const char* target = " ") {
    return std::to_string(level) + "*" + uid + "*" + name + "*../site/" + folder +
           "/overview.htm* *b.gif*b.gif*f*true*false*" + name + "*" + target + "*\r\n";
}

// The members of a role group are its children that are roles or role
// groups (a shortcut as its target), three to a row, the last row filled
// up to three cells.
TEST(RolePageTest, TheMembersOfAGroupFillRowsOfThree) {
    PagesProject project;
    insertAfter(project, "N3",
                record(1, "N30", "Reviewer", "Roles/Reviewer") +
                    record(2, "N31", "Junior", "Roles/Reviewer/Junior") +
                    record(1, "N32", "-> Tester", "Roles/Tester", "N3"));
    project.write("site/Roles/Reviewer/process.data", "[PROCESSUS]\r\nClass=PROCESSROLE\r\n");
    project.write("site/Roles/Reviewer/Junior/process.data", "[PROCESSUS]\r\nClass=PROCESSROLE\r\n");
    project.open();
    project.prepare();
    project.manager->generateRole(0);
    const std::string page = project.read("site/Roles/overview.htm");
    EXPECT_TRUE(contains(page,
                         "<table border=\"0\" width=\"100%\"><tr><td width=\"33%\"><br><p align=\"center\">"
                         "<a href=\"../../site/Roles/Architect/overview.htm\""));
    EXPECT_TRUE(contains(page,
                         "<td width=\"33%\"><br><p align=\"center\"><a href=\"../../site/Roles/Reviewer/"
                         "overview.htm\" target=\"main\"><img alt=\"\" border=\"0\" "
                         "src=\"../../images/role.gif\"></a><br>\r\n"
                         "<a href=\"../../site/Roles/Reviewer/overview.htm\" target=\"main\">Reviewer</a>"));
    // The fourth member, the shortcut, opens the second row as its target.
    EXPECT_TRUE(contains(page,
                         "</tr><tr><td width=\"33%\"><br><p align=\"center\"><a href=\"../../site/Roles/"
                         "Tester/overview.htm\""));
    EXPECT_TRUE(
        contains(page, "<td width=\"34%\">&nbsp;</td><td width=\"33%\">&nbsp;</td></tr></table><HR>\r\n"));
    EXPECT_EQ(countOf(page, "images/role.gif"), 4);
    EXPECT_FALSE(contains(page, "Junior"));
    EXPECT_TRUE(project.ui.messages.empty());
}

// The settings decide whether role groups get a page, and whether that page
// lists the group's activities; the roles' own pages are written either way.
TEST(RolePageTest, TheRoleGroupKeysDecideTheGroupPageAndItsActivities) {
    const struct {
        const char* groupPage;
        const char* groupActivities;
        bool written;
        bool activities;
    } cases[] = {
        {"yes", "yes", true, true},
        {"yes", "no", true, false},
        {"no", "yes", false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.groupPage) + "/" + c.groupActivities);
        PagesProject project;
        project.setOption("PROCESS_OPTION", "GenerateRoleGroup", c.groupPage);
        project.setOption("PROCESS_OPTION", "GenerateActivitiesOnRoleGroup", c.groupActivities);
        project.open();
        project.prepare();
        for (int language = 0; language <= 1; ++language)
            project.manager->generateRole(language);
        for (const char* page : {"site/Roles/overview.htm", "site/Roles/overviewL2.htm"}) {
            SCOPED_TRACE(page);
            ASSERT_EQ(project.exists(page), c.written);
            if (!c.written)
                continue;
            const std::string text = project.read(page);
            // The members are there in any case, the activities only when asked for.
            EXPECT_TRUE(contains(text, "Roles/Tester/overview"));
            EXPECT_EQ(contains(text, "class =\"roleTable\""), c.activities);
            EXPECT_EQ(contains(text, "Run_the_tests/overview"), c.activities);
        }
        const std::string tester = project.read("site/Roles/Tester/overview.htm");
        EXPECT_TRUE(contains(tester, "class =\"roleTable\""));
        EXPECT_TRUE(contains(tester, "Run_the_tests/overview.htm"));
        EXPECT_TRUE(project.ui.messages.empty());
    }
}

// A role's activities: one table per phase of the process (the activities
// of no phase first, without heading), under each project kind that some
// of its activities name, generic activities under every shown kind; one
// row per activity, marked under each of its responsibilities.
TEST(RolePageTest, TheActivitiesOfARoleComeByProjectKindAndPhase) {
    PagesProject project;
    // The macro-activity becomes a phase: everything below it belongs to it.
    project.write("site/Delivery/Plan_the_tests/process.data", "[PROCESSUS]\r\nClass=PHASE\r\n");
    // The test plan is written for large projects only; the design, for
    // every kind, names the tester twice.
    std::string plan = project.read("site/Delivery/Plan_the_tests/Write_the_test_plan/process.data");
    project.write("site/Delivery/Plan_the_tests/Write_the_test_plan/process.data",
                  plan + "ProjectKind=large\r\n");
    std::string design = project.read("site/Delivery/Plan_the_tests/Design_the_system/process.data");
    const std::string roles = "Roles=~n2/responsible,~n3/consulted";
    design.replace(design.find(roles), roles.size(), roles + ",~n3/Responsible");
    project.write("site/Delivery/Plan_the_tests/Design_the_system/process.data", design);
    project.open();
    project.prepare();
    project.manager->generateRole(0);
    project.manager->generateRole(1);
    const std::string page = project.read("site/Roles/Tester/overview.htm");

    const size_t small = page.find("<font size=\"4\">small:</em>");
    const size_t large = page.find("<HR>\r\n<p align=\"center\"><b><em><font size=\"4\">large:</em>");
    ASSERT_NE(small, std::string::npos);
    ASSERT_NE(large, std::string::npos);
    EXPECT_LT(small, large);
    const std::string smallPart = page.substr(small, large - small);
    const std::string largePart = page.substr(large);
    // Small: the tests of no phase, then the design in its phase; the plan,
    // for large projects only, is not there.
    const size_t run = smallPart.find(">Run the tests</a>");
    const size_t phase =
        smallPart.find("PhaseBullet.gif\">&nbsp;<B><font color=crimson> Phase Plan the tests</font>");
    const size_t designRow = smallPart.find("Design the system</span></a></td>");
    EXPECT_LT(run, phase);
    EXPECT_LT(phase, designRow);
    EXPECT_EQ(designRow == std::string::npos, false);
    EXPECT_FALSE(contains(smallPart, "Write the test plan"));
    // Large: the design and the plan in their phase; no tests.
    EXPECT_TRUE(contains(largePart, "Design the system"));
    EXPECT_TRUE(contains(largePart, "Write the test plan"));
    EXPECT_FALSE(contains(largePart, "Run the tests"));
    // The design's row: one row, marked under both responsibilities.
    const std::string checked =
        "<img alt=\"\" src=\"../../..//images/checked.gif\" border=\"0\" align=\"middle\">\r\n";
    const size_t row = smallPart.find("<tr><td width=\"40%\">", phase);
    const std::string designCells = smallPart.substr(row, smallPart.find("</tr>", row) - row);
    EXPECT_EQ(countOf(designCells, checked), 2);
    EXPECT_EQ(countOf(smallPart, "Design the system</span></a></td>"), 1);

    const std::string second = project.read("site/Roles/Tester/overviewL2.htm");
    EXPECT_TRUE(contains(second, "Phase Pr\xE9parer les tests</font>"));
    EXPECT_TRUE(project.ui.messages.empty());
}

// A role acting as a group lists the roles below it; a role with a group
// picture shows it in its banner and as its icon in its group's grid; a
// milestone review says so in its row; the phase "Shared" gets no table.
TEST(RolePageTest, ActingGroupsGroupPicturesMilestonesAndTheSharedPhase) {
    PagesProject project;
    insertAfter(project, "N2", record(2, "N30", "Reviewer", "Roles/Architect/Reviewer"));
    project.write("site/Roles/Architect/Reviewer/process.data", "[PROCESSUS]\r\nClass=PROCESSROLE\r\n");
    project.write("site/Roles/Architect/process.data",
                  project.read("site/Roles/Architect/process.data") + "ActingRoleGroup=yes\r\n");
    project.write("site/Roles/Tester/process.data",
                  project.read("site/Roles/Tester/process.data") + "Image_RG=group.png\r\n");
    std::string run = project.read("site/Delivery/Run_the_tests/process.data");
    run.replace(run.find("ActivityType=Standard"), 21, "ActivityType=Milestone review");
    project.write("site/Delivery/Run_the_tests/process.data", run);
    // The planning macro-activity becomes the phase "Shared".
    std::string tree = project.read("tolvane/MenuTreeV2.dat");
    tree.replace(tree.find("*Plan the tests*"), 16, "*Shared*");
    project.write("tolvane/MenuTreeV2.dat", tree);
    project.write("site/Delivery/Plan_the_tests/process.data", "[PROCESSUS]\r\nClass=PHASE\r\n");
    project.open();
    project.prepare();
    project.manager->generateRole(0);

    EXPECT_TRUE(contains(project.read("site/Roles/Architect/overview.htm"),
                         "<br><b>Includes the roles</b>\r\n<ul>\r\n<li><a href=\"./Reviewer/overview.htm\" "
                         "target=\"main\">Reviewer</a></li>\r\n</ul>\r\n"));
    const std::string tester = project.read("site/Roles/Tester/overview.htm");
    EXPECT_TRUE(contains(tester, "<h1 class=\"banner\"><img alt=\"\" border=\"0\" src=\"group.png\" "
                                 "align=\"left\">Tester</h1>"));
    EXPECT_TRUE(contains(tester, ">Run the tests</a> <i>(Milestone)</i></td>\r\n"));
    // The activities of the phase "Shared" are in no table.
    EXPECT_FALSE(contains(tester, "Write the test plan</span></a></td>"));
    EXPECT_FALSE(contains(tester, "Design the system</span></a></td>"));
    EXPECT_FALSE(contains(tester, "Phase Shared"));
    EXPECT_TRUE(contains(project.read("site/Roles/overview.htm"),
                         "<img alt=\"\" border=\"0\" src=\"./Tester/group.png\"></a>"));
    EXPECT_TRUE(project.ui.messages.empty());
}

// A responsibility line is written whole, however long: a line cut in
// pieces would get a break inside a sentence.
TEST(RolePageTest, ALongResponsibilityLineStaysWhole) {
    PagesProject project;
    std::string line = "Runs";
    while (line.size() < 2500)
        line += " every test";
    project.write("site/Roles/Tester/RoleDescription.txt", line + ".\r\nKeeps the plan.\r\n");
    project.open();
    project.prepare();
    project.manager->generateRole(0);
    const std::string page = project.read("site/Roles/Tester/overview.htm");
    EXPECT_TRUE(contains(page, line + ".<br>\r\nKeeps the plan.<br>\r\n"));
    EXPECT_TRUE(project.ui.messages.empty());
}

// A page that cannot be written is told, and the run writes the other
// pages and goes on with the next family.
TEST(RolePageTest, APageThatCannotBeWrittenIsToldAndTheRunGoesOn) {
    PagesProject project;
    // Folders where the role group's pages should be written.
    std::filesystem::create_directories(project.dir / "proj/site/Roles/overview.htm");
    std::filesystem::create_directories(project.dir / "proj/site/Roles/overviewL2.htm");
    // The architect's page is not to be generated: it stays as it is.
    project.write("site/Roles/Architect/overview.htm", "<p>Kept by hand.</p>\r\n");
    const std::string architect = project.read("site/Roles/Architect/process.data");
    project.write("site/Roles/Architect/process.data", architect + "doNotGenerate=yes\r\n");
    project.open().generate();
    ASSERT_EQ(project.ui.messages.size(), 2u); // one per language
    EXPECT_TRUE(contains(project.ui.messages[0].text.str(), "Roles/overview.htm writing error"));
    EXPECT_TRUE(contains(project.ui.messages[1].text.str(), "Roles/overviewL2.htm"));
    EXPECT_TRUE(
        contains(project.read("site/Roles/Tester/overview.htm"), "Author of the following work products"));
    EXPECT_TRUE(contains(project.read("site/Roles/Tester/overviewL2.htm"), "Testeur"));
    EXPECT_EQ(project.read("site/Roles/Architect/overview.htm"), "<p>Kept by hand.</p>\r\n");
    // The later families ran.
    EXPECT_TRUE(project.exists("site/Delivery/overviewL2.htm"));
}

} // namespace
