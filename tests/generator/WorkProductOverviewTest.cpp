#include "Golden.h"
#include "PagesProject.h"

#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

void generateOverviews(PagesProject& project, int languages = 2) {
    ProcessManager& manager = project.open();
    project.prepare();
    for (int language = 0; language < languages; ++language)
        manager.generateWPOverview(language);
}

// Gives the fixture's disciplines "Design" and "Test" other names in its tree file.
void renameDisciplines(PagesProject& project, const std::string& design, const std::string& test) {
    std::string tree = project.read("tolvane/MenuTreeV2.dat");
    for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
             {"1*N5*Design*", "1*N5*" + design + "*"}, {"1*N9*Test*", "1*N9*" + test + "*"}}) {
        ASSERT_NE(tree.find(from), std::string::npos) << from;
        tree.replace(tree.find(from), from.size(), to);
    }
    project.write("tolvane/MenuTreeV2.dat", tree);
}

// The overview of every domain: its map, its author's text, the index of
// the disciplines, a section per discipline with its rows of domains, the
// work products of no discipline last; its spreadsheet files and the
// activity tables of its sections. The overview of one domain: no rows of
// domains, nothing of another domain.
TEST(WorkProductOverviewTest, PagesAndFilesOfTheFixtureInBothLanguages) {
    PagesProject project;
    generateOverviews(project);
    EXPECT_TRUE(project.ui.messages.empty()) << project.ui.messages.front().text;
    expectGoldenPages(project,
                      {
                          {"site/Work_products/overview.htm", "Work_products.htm"},
                          {"site/Work_products/overviewL2.htm", "Work_productsL2.htm"},
                          {"site/Work_products/WP.csv", "Work_products-WP.csv"},
                          {"site/Work_products/WPL2.csv", "Work_products-WPL2.csv"},
                          {"site/Work_products/Test.htm", "Work_products-Test.htm"},
                          {"site/Work_products/.htm", "Work_products-none.htm"},
                          {"site/Work_products/L2.htm", "Work_products-noneL2.htm"},
                          {"site/Engineering/Engineering_products/overview.htm", "Engineering_products.htm"},
                          {"site/Engineering/Engineering_products/WPL2.csv", "Engineering_products-WPL2.csv"},
                      });
}

// The widths of the columns, in units of the whole: the name takes seven
// (two for the picture, five for the name), each optional column its own.
TEST(WorkProductOverviewTest, ColumnWidthsFollowTheOptions) {
    const char* const options[] = {"View_WPO_CMPolicy",   "View_WPO_Naming_Rules",       "View_WPO_Location",
                                   "View_WPO_Timing",     "View_WPO_Traceability",       "View_WPO_Author",
                                   "View_WPO_RewievedBy", "View_WPO_ValidatedBy",        "View_WPO_Recipient",
                                   "View_WPO_Sent",       "View_WPO_Tailoring_Guideline"};
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on);
        PagesProject project;
        for (const char* option : options)
            project.setOption("PROCESS_OPTION", option, on ? "yes" : "no");
        generateOverviews(project, 1);
        const std::string page = project.read("site/Work_products/overview.htm");
        if (!on) {
            EXPECT_TRUE(
                contains(page, "<td align=\"center\" width=\"100%\" colspan=\"2\" class=\"wpTable\">"));
            EXPECT_TRUE(contains(page, "<tr><td align=\"center\" width=\"28%\"><img "));
            EXPECT_TRUE(contains(page, "<td width=\"71%\"><a href="));
            EXPECT_EQ(countOf(page, "%\"><font size=\"1\">"), 0);
        } else {
            // 47 units: the name 14 %, a column of four units 8 %.
            EXPECT_TRUE(
                contains(page, "<td align=\"center\" width=\"14%\" colspan=\"2\" class=\"wpTable\">"));
            EXPECT_TRUE(contains(page, "<td align=\"center\" width=\"8%\" class=\"wpTable\">Author</td>"));
            EXPECT_TRUE(contains(page, "<td align=\"center\" width=\"10%\" class=\"wpTable\">Tailoring"));
            EXPECT_EQ(countOf(page, "class=\"wpTable\">"), 3 * 12);
            // The tailoring guideline of the test plan, and its location.
            EXPECT_TRUE(contains(page, "Small projects may merge it with the test report."));
            EXPECT_TRUE(contains(page, "<font size=\"1\">Shared drive, folder Plans</font></td>"));
        }
    }
}

// Elements are listed only when the settings ask for it; states and hidden
// work products never.
TEST(WorkProductOverviewTest, ElementsStatesAndHiddenWorkProducts) {
    for (const char* elements : {"no", "yes"}) {
        SCOPED_TRACE(elements);
        PagesProject project;
        project.setOption("PROCESS_OPTION", "ViewChildrenWPInWPOverview", elements);
        ProcessManager& manager = project.open();
        project.prepare();
        project.item("N11")->setVisible(0);
        manager.generateWPOverview(0);
        const std::string page = project.read("site/Work_products/overview.htm");
        const std::string csv = project.read("site/Work_products/WP.csv");
        EXPECT_EQ(contains(csv, "\r\nDesign model / Interface description;"), std::string(elements) == "yes");
        EXPECT_EQ(contains(page, "Design model / Interface description"), std::string(elements) == "yes");
        EXPECT_FALSE(contains(csv, "Approved"));
        EXPECT_FALSE(contains(csv, "Test report"));
        EXPECT_TRUE(contains(csv, "\r\nTest plan;"));
    }
}

// Each overview writes its own spreadsheet file, its header line once,
// however many sections it has.
TEST(WorkProductOverviewTest, OneSpreadsheetFilePerOverview) {
    PagesProject project;
    project.write("site/Engineering/Test/Test_plan/ArtefactDescription.txt",
                  "Scope; the \"exit\" criteria.\r\n");
    generateOverviews(project, 1);
    // A field with the separator or quotes is quoted, its quotes doubled.
    EXPECT_TRUE(contains(project.read("site/Work_products/WP.csv"),
                         "\r\nTest plan;Engineering;Test;Versioned;;~n3/author,~n2/reviewed by;"
                         "\"Scope; the \"\"exit\"\" criteria. \"\r\n"));
    for (const char* file : {"site/Work_products/WP.csv", "site/Engineering/Engineering_products/WP.csv"}) {
        const std::string csv = project.read(file);
        EXPECT_EQ(csv.rfind("Name;Domain;Discipline;Configuration policy;Name;Author;Description;\r\n", 0),
                  0u)
            << csv;
        EXPECT_EQ(countOf(csv, "Domain;Discipline"), 1) << csv;
    }
    EXPECT_TRUE(contains(project.read("site/Work_products/WP.csv"), "\r\nChecklist;;;"));
    EXPECT_FALSE(contains(project.read("site/Engineering/Engineering_products/WP.csv"), "Checklist"));
}

// The page of a discipline's activities is named by the item-folder rule:
// a name holding "/" or climbing with ".." gives a page beside the
// overview, which its link reaches, and no page of another item is touched.
TEST(WorkProductOverviewTest, DisciplinePagesAreNamedByTheFolderRule) {
    PagesProject project;
    renameDisciplines(project, "../Roles/overview", "Test/QA");
    project.write("site/Roles/overview.htm", "<p>Roles, written by hand.</p>\r\n");
    // A link beside the overview named as the discipline begins: the page
    // goes through no folder, so neither through this one.
    project.dir.write("outside/kept.txt", "not the project's");
    ASSERT_EQ(
        symlink((project.dir / "outside").c_str(), (project.dir / "proj/site/Work_products/Test").c_str()),
        0);
    const std::string outside = dumpFolder(project.dir / "outside");
    generateOverviews(project);
    EXPECT_TRUE(project.ui.messages.empty()) << project.ui.messages.front().text;
    EXPECT_EQ(project.read("site/Roles/overview.htm"), "<p>Roles, written by hand.</p>\r\n");
    EXPECT_EQ(dumpFolder(project.dir / "outside"), outside);
    for (const char* language : {"", "L2"}) {
        const std::string overview =
            project.read(std::string("site/Work_products/overview") + language + ".htm");
        for (const char* page : {"___Roles_overview", "Test_QA"}) {
            const std::string name = std::string(page) + language + ".htm";
            EXPECT_TRUE(contains(overview, "<a href=\"" + name + "\">")) << name;
            EXPECT_TRUE(contains(project.read("site/Work_products/" + name), "</html>")) << name;
        }
    }
}

// Two disciplines whose names give one file name by the folder rule each
// keep a page of their own: the later one's page is numbered, its link
// leads there, and neither table replaces the other.
TEST(WorkProductOverviewTest, DisciplinesOfOneFileNameKeepAPageEach) {
    PagesProject project;
    renameDisciplines(project, "Test QA", "test/QA");
    generateOverviews(project);
    EXPECT_TRUE(project.ui.messages.empty()) << project.ui.messages.front().text;
    for (const char* language : {"", "L2"}) {
        const std::string overview =
            project.read(std::string("site/Work_products/overview") + language + ".htm");
        const struct {
            const char* page;
            const char* discipline;
        } pages[] = {{"Test_QA", "Test QA"}, {"test_QA_2", "test/QA"}};
        for (const auto& page : pages) {
            const std::string name = std::string(page.page) + language + ".htm";
            EXPECT_TRUE(contains(overview, "<a href=\"" + name + "\">")) << name;
            if (!language[0])
                EXPECT_TRUE(contains(project.read("site/Work_products/" + name),
                                     std::string(": ") + page.discipline + "<"))
                    << name;
        }
    }
}

// The activity table of chosen disciplines: an activity with activities
// below it spans their rows, each leaf its columns; a reference to no work
// product is shown as it is stored.
TEST(WorkProductOverviewTest, ActivityTableOfADiscipline) {
    PagesProject project;
    project.write("tolvane/MenuTreeV2.dat",
                  "\r\n0*N1*Flow*../site/Flow/overview.htm* *b.gif*b.gif*f*true*false* * *"
                  "\r\n1*N2*A1*../site/Flow/A1/overview.htm* *b.gif*b.gif*f*true*false* * *"
                  "\r\n2*N3*B1*../site/Flow/A1/B1/overview.htm* *b.gif*b.gif*f*true*false* * *"
                  "\r\n2*N4*B2*../site/Flow/A1/B2/overview.htm* *b.gif*b.gif*f*true*false* * *"
                  "\r\n1*N5*A2*../site/Flow/A2/overview.htm* *b.gif*b.gif*f*true*false* * *"
                  "\r\n0*N6*Other flow*../site/Other_flow/overview.htm* *b.gif*b.gif*f*true*false* * *"
                  "\r\n1*N7*C1*../site/Other_flow/C1/overview.htm* *b.gif*b.gif*f*true*false* * *"
                  "\r\n0*N8*Plan*../site/Plan/overview.htm* *b.gif*b.gif*f*true*false* * *");
    project.write("site/Flow/process.data", "[PROCESSUS]\r\nClass=WORKFLOW\r\n");
    project.write("site/Other_flow/process.data", "[PROCESSUS]\r\nClass=WORKFLOW\r\n");
    project.write("site/Plan/process.data", "[PROCESSUS]\r\nClass=WORKPRODUCT\r\n");
    for (const char* activity : {"Flow/A1", "Flow/A2", "Other_flow/C1"})
        project.write(std::string("site/") + activity + "/process.data", "[PROCESSUS]\r\nClass=ACTIVITY\r\n");
    project.write("site/Flow/A1/B1/process.data",
                  "[PROCESSUS]\r\nClass=ACTIVITY\r\nInWorkProducts=~n8//1,Lost\r\n");
    project.write("site/Flow/A1/B2/process.data",
                  "[PROCESSUS]\r\nClass=ACTIVITY\r\nOutWorkProducts=~n8//1\r\n");
    ProcessManager& manager = project.open();
    manager.updateLinks(1, 0);
    CStringListePlus disciplines;
    disciplines.append(new CString(""));
    const CString path = manager.getSiteDirectory() + "Flow/table.htm";
    EXPECT_TRUE(manager.generateActivityWorkProductTable(path, 0, "Table", disciplines, 1, 0));
    // A table whose folder is missing is not written, and says so.
    const CString lost = manager.getSiteDirectory() + "Missing/table.htm";
    EXPECT_FALSE(manager.generateActivityWorkProductTable(lost, 0, "Table", disciplines, 1, 0));
    EXPECT_EQ(project.messages(), std::vector<std::string>{"File " + lost.str() + " writing error"});
    disciplines.deleteAll();
    const std::string table = project.read("site/Flow/table.htm");
    EXPECT_TRUE(
        contains(table, "<title>Table</title>\r\n<link rel=\"stylesheet\" href=\"../../css/project.css\""));
    EXPECT_TRUE(
        contains(table, "<td width=\"50%\" colspan=\"2\" bgcolor=\"#FFFFCC\"><b>Activities</b></td>"));
    const std::string body = table.substr(table.find("</b></td>\r\n\t</tr>\r\n") + 19);
    EXPECT_EQ(
        body,
        "\t<tr>\r\n"
        "\t\t<td width=\"25%\" rowspan=\"2\">A1</td>\r\n"
        "\t\t<td width=\"25%\">B1</td>\r\n"
        "\t\t<td width=\"25%\"><a href=\"../../site/Plan/overview.htm\" target=\"main\">Plan</a>, "
        "lost</td>\r\n"
        "\t\t<td width=\"25%\">&nbsp;</td>\r\n"
        "\t</tr>\r\n"
        "\t<tr>\r\n"
        "\t\t<td width=\"25%\">B2</td>\r\n"
        "\t\t<td width=\"25%\">&nbsp;</td>\r\n"
        "\t\t<td width=\"25%\"><a href=\"../../site/Plan/overview.htm\" target=\"main\">Plan</a></td>\r\n"
        "\t</tr>\r\n"
        "\t<tr>\r\n"
        "\t\t<td width=\"50%\" colspan=\"2\">A2</td>\r\n"
        "\t\t<td width=\"25%\">&nbsp;</td>\r\n"
        "\t\t<td width=\"25%\">&nbsp;</td>\r\n"
        "\t</tr>\r\n"
        "\t<tr>\r\n"
        "\t\t<td width=\"50%\" colspan=\"2\">C1</td>\r\n"
        "\t\t<td width=\"25%\">&nbsp;</td>\r\n"
        "\t\t<td width=\"25%\">&nbsp;</td>\r\n"
        "\t</tr>\r\n"
        "</table>\r\n</body>\r\n</html>\r\n");
}

} // namespace
