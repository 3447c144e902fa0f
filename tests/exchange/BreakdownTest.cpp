#include "ExportsProject.h"

#include <gtest/gtest.h>

TEST(BreakdownTest, AProjectWithoutWorkflowsHasNoBreakdown) {
    ExportsProject project;
    project.write("site/Delivery/process.data", "[PROCESSUS]\r\nClass=NOPROCESSCLASS\r\n");
    project.open().exportWBS();
    EXPECT_EQ(project.read("tmp/wbs.csv"), "");
    EXPECT_EQ(project.read("tmp/wbs2.csv"), "");
    EXPECT_EQ(project.read("tmp/schedule.csv"), "Nom;Niveau_hi\xE9rarchique;Remarques\r\n");
}

TEST(BreakdownTest, AShortcutListsItsTargetsBranchAtItsOwnPlace) {
    ExportsProject project;
    project.open().exportWBS();
    const std::string wbs = project.read("tmp/wbs.csv");
    // The shortcut under the workflow stands for the activity and its
    // criterion, at the depths counted from the shortcut.
    EXPECT_NE(wbs.find(";Run the tests\r\n;Design the system\r\n;;Design is reviewed\r\n;Release\r\n"),
              std::string::npos)
        << wbs;
    EXPECT_NE(
        project.read("tmp/schedule.csv")
            .find("Design is reviewed;2;Activity in process: "
                  "<root>../site/Delivery/Plan_the_tests/Design_the_system/Design_is_reviewed/overview.htm"),
        std::string::npos);
}

TEST(BreakdownTest, AWorkProductListedTwiceAsOutputIsInAndOut) {
    ExportsProject project;
    project.write("site/Delivery/Run_the_tests/process.data",
                  "[PROCESSUS]\r\nClass=ACTIVITY\r\nOutWorkProducts=~n11//1,~n11//2\r\n");
    project.open().exportActivityArtefactMatrix();
    const std::string aam = project.read("tmp/aam.csv");
    EXPECT_NE(aam.find("\r\nRun the tests;;;;in/out;\r\n"), std::string::npos) << aam;
    EXPECT_NE(project.read("tmp/aat.csv").find("\r\nRun the tests;;Test report|Test report\r\n"),
              std::string::npos);
}
