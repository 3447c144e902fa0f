#include "ExportsProject.h"
#include "ItemClasses.h"
#include "ProcessItemListe.h"

#include <gtest/gtest.h>

TEST(ReportsTest, SearchIgnoresCaseAndNumbersStepsAmongTheInheritedOnes) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    manager.searchText("KEEP IT Short", 0);
    EXPECT_EQ(project.read("tmp/SearchReport.csv"),
              "Search for keep it short\r\n\r\nFound at least one occurence in:\r\n Item uid; Item name;Item "
              "attribute\r\nN31;Q&A session;step 4\r\n\r\n\r\n1 occurences found\r\n");
}

TEST(ReportsTest, SearchLooksAtTheWorkProductAttributesInTheFirstLanguageOnly) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    manager.searchText("baselined", 0);
    EXPECT_NE(
        project.read("tmp/SearchReport.csv").find("N6;Design model;Configuration management policy\r\n"),
        std::string::npos);
    manager.searchText("baselined", 1);
    EXPECT_NE(project.read("tmp/SearchReport.csv").find("\r\n0 occurences found\r\n"), std::string::npos);
}

TEST(ReportsTest, IntegrityListsLongPathsOverTheLimitOnly) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    const int root = manager.getSiteDirectory().GetLength();
    // One url at the limit, one past it.
    project.item("N35")->setUrl("../site/" + CString('a', 255 - root - 8 - 13) + "/overview.htm");
    project.item("N32")->setUrl("../site/" + CString('b', 256 - root - 8 - 13) + "/overview.htm");
    manager.generateIntegrityReport();
    const std::string report = project.read("tmp/Report.csv");
    EXPECT_EQ(report.find(";" + manager.getSiteDirectory().str() + "../site/aaa"), std::string::npos);
    EXPECT_NE(report.find("256;" + manager.getSiteDirectory().str() + "../site/bbb"), std::string::npos)
        << report;
    EXPECT_NE(report.find("Max length (including root path): 256\r\nMax length (excluding root path): " +
                          std::to_string(256 - root) + "\r\n\r\n"),
              std::string::npos);
}

TEST(ReportsTest, ProgressMarksOnlyActivitiesForStepsRolesAndWorkProducts) {
    ExportsProject project;
    project.open().generateProgressStatusReport();
    const std::string report = project.read("tmp/progressStatusReport.csv");
    EXPECT_EQ(report.find('\r'), std::string::npos);
    EXPECT_NE(report.find("\nN10;Test plan;WORKPRODUCT;Engineering;Test;APPROVED;ok;na;na;na;\n"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find("\nN21;Design the system;ACTIVITY;;;DRAFT;ok;ok;ok;ok;\"Check with the team; then "
                          "decide.--Second line.--\"\n"),
              std::string::npos)
        << report;
}

TEST(ReportsTest, QueriesListWorkProductsToArchiveAndMeasuresInTreeOrder) {
    ExportsProject project;
    ProcessManager& manager = project.open();
    for (auto [list, expected] :
         {std::pair{manager.getWorkProductsToArchive(), std::vector<std::string>{"N10"}},
          std::pair{manager.getMeasureItems(), std::vector<std::string>{"N18", "N27"}}}) {
        std::vector<std::string> uids;
        for (int i = 1; i <= list->count(); ++i)
            uids.push_back(list->at(i)->getUid().str());
        EXPECT_EQ(uids, expected);
        list->removeAll();
        delete list;
    }
    EXPECT_EQ(manager.getPhaseName("release", 1), "Livraison finale");
    EXPECT_EQ(manager.getPhaseName("release", 0), "release");
}
