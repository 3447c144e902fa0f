#include "ProcessAssetLibraryPage.h"

#include "ItemWorkProduct.h"
#include "PagesProject.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

// The library of "Test report": two subfolders (one with a folder of its
// own), three files, and a folder and a file that stay private.
class ProcessAssetLibraryPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove(project.dir / "proj/site/Engineering/Test/Test_report/ar/old-report.doc");
        for (const char* file : {"a.doc", "b.pdf", "c.xls", "models/archive/v1.doc", "models/m.doc",
                                 "old/o.doc", "_private/p.doc"})
            project.write(std::string("site/Engineering/Test/Test_report/ar/") + file, "x");
        ProcessManager& manager = project.open();
        manager.updateLinks(1, 0);
        ProcessAssetLibraryPage::writeLibraryPage(manager, *project.item("N11"), 0);
    }
    std::string page(const std::string& path) const {
        return project.read("site/Engineering/Test/Test_report/ar/" + path);
    }

    PagesProject project;
};

TEST_F(ProcessAssetLibraryPageTest, TheLibraryPageIsAGridThreeWide) {
    const std::string library = page("overview.htm");
    const std::string grid = library.substr(library.find("<br><table"));
    const std::string expected =
        "<br><table border=\"0\" width=\"100%\">\r\n"
        "<tr>\r\n"
        "<td width=\"33%\"><center><img alt=\"\" border=\"0\" src=\"../../../../../images/dir.gif\"><br>"
        "<a href=\"models/overview.htm\" >models</a></center><br></td>\r\n"
        "<td width=\"33%\"><center><img alt=\"\" border=\"0\" src=\"../../../../../images/dir.gif\"><br>"
        "<a href=\"old/overview.htm\" >old</a></center><br></td>\r\n"
        "<td width=\"33%\"><center><img alt=\"\" border=\"0\" src=\"../../../../../" +
        std::string(project.item("N11")->getItemWorkProduct()->getImagePath().GetString()) +
        "\"><br><a href=\"a.doc\"  target=\"_blank\" >a.doc</a></center><br></td>\r\n"
        "</tr>\r\n";
    EXPECT_EQ(grid.substr(0, expected.size()), expected);
    EXPECT_EQ(countOf(grid, "<td width=\"33%\"><center>"), 5);
    EXPECT_TRUE(
        contains(grid, "c.xls</a></center><br></td>\r\n<td width=\"33%\"></td>\r\n</tr>\r\n</table>\r\n"));
    EXPECT_FALSE(contains(library, "_private"));
    EXPECT_FALSE(contains(library, "_keep"));
    EXPECT_TRUE(contains(library, "<title>Process asset library Test report</title>"));
}

// Each subfolder gets its page, titled after its path, one level further
// from the project folder.
TEST_F(ProcessAssetLibraryPageTest, SubfolderPagesInTurn) {
    const std::string models = page("models/overview.htm");
    EXPECT_TRUE(contains(models, "<title>Process asset library Test report/models</title>"));
    EXPECT_TRUE(contains(models, "href=\"../../../../../../css/project.css\""));
    EXPECT_TRUE(contains(models, "<a href=\"archive/overview.htm\" >archive</a>"));
    EXPECT_TRUE(contains(models, "<a href=\"m.doc\"  target=\"_blank\" >m.doc</a>"));
    const std::string archive = page("models/archive/overview.htm");
    EXPECT_TRUE(
        contains(archive, "<h1 class=\"banner\">Process asset library Test report/models/archive</h1>"));
    EXPECT_TRUE(contains(archive, "href=\"../../../../../../../css/project.css\""));
    // Exactly one entry: one cell and two fillers.
    EXPECT_EQ(countOf(archive, "<td width=\"33%\"></td>"), 2);
    EXPECT_TRUE(project.exists("site/Engineering/Test/Test_report/ar/old/overview.htm"));
    EXPECT_FALSE(project.exists("site/Engineering/Test/Test_report/ar/_private/overview.htm"));
}

} // namespace
