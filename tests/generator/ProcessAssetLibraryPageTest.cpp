#include "ProcessAssetLibraryPage.h"

#include "ItemWorkProduct.h"
#include "PagesProject.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

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

// The library of "Test report" with symbolic links: to a folder and a
// file outside the project, to the work product's own folder, to the
// library itself, to one of its folders under another name, from inside a
// folder back to the library, and to nothing. Both languages are generated.
class ProcessAssetLibraryLinksTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::remove(project.dir / (kLibrary + "old-report.doc"));
        for (const char* file : {"a.doc", "models/m.doc", "models/archive/v1.doc"})
            project.write(std::string("site/Engineering/Test/Test_report/ar/") + file, "x");
        project.dir.write("outside/shared/o.doc", "not the project's");
        project.dir.write("outside/secret.doc", "not the project's");
        link(project.dir / "outside/shared", "shared");
        link(project.dir / "outside/secret.doc", "secret.doc");
        link("..", "loop");
        link(".", "again");
        link("models", "latest");
        link("..", "models/up");
        link("missing", "gone");
        m_outside = dumpFolder(project.dir / "outside");
    }
    void link(const std::string& target, const std::string& name) {
        ASSERT_EQ(symlink(target.c_str(), (project.dir / (kLibrary + name)).c_str()), 0) << name;
    }
    std::string page(const std::string& path) const { return project.read(kLibrary.substr(5) + path); }

    const std::string kLibrary = "proj/site/Engineering/Test/Test_report/ar/";
    PagesProject project;
    std::string m_outside;
};

TEST_F(ProcessAssetLibraryLinksTest, TheWalkStaysInsideTheLibraryAndWritesEachFolderOnce) {
    ProcessManager& manager = project.open();
    project.prepare();
    manager.generateWorkProduct(0);
    manager.generateWorkProduct(1);
    EXPECT_TRUE(project.messages().empty());
    // Nothing written outside the project.
    EXPECT_EQ(dumpFolder(project.dir / "outside"), m_outside);
    // The work product's pages and the library's pages are the ones of
    // their language: no pass wrote one over another.
    for (const char* language : {"", "L2"}) {
        const std::string product =
            project.read(std::string("site/Engineering/Test/Test_report/overview") + language + ".htm");
        EXPECT_TRUE(
            contains(product, language[0] ? "<title>Rapport de test</title>" : "<title>Test report</title>"))
            << language;
        const std::string library = page(std::string("overview") + language + ".htm");
        EXPECT_TRUE(contains(library, (language[0] ? "des actifs" : "<title>Process asset library") +
                                          std::string(" Test report</title>")))
            << library.substr(0, 600);
    }
    const std::string library = page("overview.htm");
    // What lies outside the project, or nowhere, is not listed.
    for (const char* hidden : {"shared", "secret.doc", "gone"})
        EXPECT_FALSE(contains(library, std::string(">") + hidden + "<")) << hidden;
    // The other names are listed, each reaching its folder's page.
    for (const char* shown : {"again", "latest", "loop", "models"})
        EXPECT_TRUE(
            contains(library, std::string("<a href=\"") + shown + "/overview.htm\" >" + shown + "</a>"))
            << shown;
    // The folder reached under two names has one page; the link inside it
    // back to the library is listed, not walked.
    EXPECT_TRUE(contains(page("models/overview.htm"), "<a href=\"up/overview.htm\" >up</a>"));
    EXPECT_TRUE(contains(page("models/archive/overview.htm"), "v1.doc"));
}

// A library named by its path, outside the project: its folders get their
// pages below the work product's "ar" folder, where the links lead, and
// its documents are linked where they are. A link leading out of it is
// not listed; one back to it reaches the library's page.
TEST(ProcessAssetLibraryElsewhereTest, PagesAndLinksUseTheWorkProductsLibraryFolder) {
    PagesProject project;
    const std::string lib = project.dir / "lib/";
    for (const char* file : {"a.doc", "models/m.doc", "models/archive/v1.doc"})
        project.dir.write(std::string("lib/") + file, "x");
    ASSERT_EQ(symlink("..", (lib + "up").c_str()), 0);
    ASSERT_EQ(symlink("..", (lib + "models/back").c_str()), 0);
    const std::string data = project.read("site/Engineering/Test/Test_report/process.data");
    project.write("site/Engineering/Test/Test_report/process.data",
                  data + "DefaultExampleLibrary=false\r\nExampleLibraryPath=" + lib + "\r\n");
    const std::string listed = dumpFolder(project.dir / "lib");
    ProcessManager& manager = project.open();
    project.prepare();
    manager.generateWorkProduct(0);
    EXPECT_TRUE(project.messages().empty());
    EXPECT_EQ(dumpFolder(project.dir / "lib"), listed);

    const std::string ar = "site/Engineering/Test/Test_report/ar/";
    const std::string library = project.read(ar + "overview.htm");
    EXPECT_TRUE(contains(library, "<a href=\"models/overview.htm\" >models</a>"));
    EXPECT_TRUE(contains(library, "<a href=\"" + lib + "a.doc\"  target=\"_blank\" >a.doc</a>"));
    EXPECT_FALSE(contains(library, ">up<"));
    const std::string models = project.read(ar + "models/overview.htm");
    EXPECT_TRUE(contains(models, "<title>Process asset library Test report/models</title>"));
    EXPECT_TRUE(contains(models, "href=\"../../../../../../css/project.css\""));
    EXPECT_TRUE(contains(models, "<a href=\"archive/overview.htm\" >archive</a>"));
    EXPECT_TRUE(contains(models, "<a href=\"../overview.htm\" >back</a>"));
    EXPECT_TRUE(contains(models, "<a href=\"" + lib + "models/m.doc\"  target=\"_blank\" >m.doc</a>"));
    EXPECT_TRUE(contains(project.read(ar + "models/archive/overview.htm"),
                         "<a href=\"" + lib + "models/archive/v1.doc\"  target=\"_blank\" >v1.doc</a>"));
}

} // namespace
