#include "ExportsProject.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

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

TEST(BreakdownTest, AShortcutBesideTheWorkflowEndsItsBlock) {
    // A shortcut after the workflow's last item, at the workflow's own
    // level, stands outside the workflow: its target's branch is no part
    // of the breakdown, of the schedule or of the document's activities.
    ExportsProject project;
    std::string tree = project.read("tolvane/MenuTreeV2.dat");
    const size_t after = tree.find("\r\n", tree.find("*N31*")) + 2;
    tree.insert(
        after,
        "0*N50*-> Design*../site/Engineering/Design/overview.htm* *b.gif*b.gif*f*true*false* *N5*\r\n");
    project.write("tolvane/MenuTreeV2.dat", tree);
    project.write("site/Engineering/Design/process.data", "[PROCESSUS]\r\nClass=MACROACTIVITY\r\n");
    ProcessManager& manager = project.open();
    manager.exportWBS();
    for (const char* file : {"tmp/wbs.csv", "tmp/wbs2.csv", "tmp/schedule.csv"}) {
        const std::string text = project.read(file);
        EXPECT_NE(text.find("Q&A session"), std::string::npos) << file;
        EXPECT_EQ(text.find("Design model"), std::string::npos) << file << "\n" << text;
        for (const char* line : {"\r\nDesign\r\n", "\r\nDesign;"})
            EXPECT_EQ(text.find(line), std::string::npos) << file << "\n" << text;
    }
    manager.exportOnePageProcess(0, project.item("N19"), nullptr);
    const std::string document = project.read("tmp/site.htm");
    EXPECT_NE(document.find("Q&amp;A session</H"), std::string::npos);
    EXPECT_EQ(document.find("<H1>Design</H1>"), std::string::npos) << document;
}

TEST(BreakdownTest, EveryFileThatCannotBeWrittenIsToldAndNoneIsReportedGenerated) {
    struct Case {
        void (ProcessManager::*exportFiles)();
        std::vector<std::string> blocked;
        std::vector<std::string> written;
    };
    const Case cases[] = {
        {&ProcessManager::exportWBS, {"wbs.csv"}, {"wbs2.csv", "schedule.csv"}},
        {&ProcessManager::exportWBS, {"wbs.csv", "schedule.csv"}, {"wbs2.csv"}},
        {&ProcessManager::exportWBS, {"wbs.csv", "wbs2.csv", "schedule.csv"}, {}},
        {&ProcessManager::exportWBS, {"schedule.csv"}, {"wbs.csv", "wbs2.csv"}},
        {&ProcessManager::exportActivityArtefactMatrix, {"aam.csv", "aat.csv"}, {}},
        {&ProcessManager::exportActivityArtefactMatrix, {"aam.csv"}, {"aat.csv"}},
    };
    for (const Case& c : cases) {
        ExportsProject project;
        for (const std::string& name : c.blocked)
            project.blockExport(name);
        (project.open().*c.exportFiles)();
        std::vector<std::string> expected;
        for (const std::string& name : c.blocked)
            expected.push_back(project.creationFailed(name));
        EXPECT_EQ(project.ui.takeMessageTexts(), expected) << c.blocked.front();
        for (const std::string& name : c.blocked)
            EXPECT_TRUE(std::filesystem::is_directory(project.path("tmp/" + name))) << name;
        for (const std::string& name : c.written)
            EXPECT_FALSE(project.read("tmp/" + name).empty()) << name;
    }
}
