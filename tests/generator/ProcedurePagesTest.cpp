#include "ProcedureGroupPage.h"
#include "ProcedurePage.h"

#include "Golden.h"
#include "PagesProject.h"

#include <gtest/gtest.h>
#include <string>

namespace {

void generate(PagesProject& project) {
    project.prepare();
    project.manager->generateGenericProcedure(0);
    project.manager->generateGenericProcedure(1);
}

// The procedure named by an activity (together with an activity and a uid
// that are no procedure) and its group, in both languages.
TEST(ProcedurePagesTest, PagesOfTheFixtureInBothLanguages) {
    PagesProject project;
    project.open();
    generate(project);
    EXPECT_TRUE(project.ui.messages.empty());
    expectGoldenPages(project,
                      {
                          {"site/Procedures/Review_procedure/overview.htm", "Review_procedure.htm"},
                          {"site/Procedures/Review_procedure/overviewL2.htm", "Review_procedureL2.htm"},
                          {"site/Procedures/overview.htm", "Procedures.htm"},
                          {"site/Procedures/overviewL2.htm", "ProceduresL2.htm"},
                      });
}

// The group's flags choose its columns; widths in integer percent.
TEST(ProcedurePagesTest, ColumnWidthsFollowTheGroupsFlags) {
    const struct {
        const char* flags;
        const char* header;
    } cases[] = {
        {"PrintType=no\r\n",
         "<td width=\"40%\" align=\"center\" class=\"procedureTable\">"
         "Name</td>\r\n<td width=\"60%\" align=\"center\" class=\"procedureTable\">Description</td>"},
        {"PrintType=yes\r\nPrintState=yes\r\nPrintVersion=yes\r\n",
         "<td width=\"25%\" align=\"center\" class=\"procedureTable\">Name</td>\r\n"
         "<td width=\"12%\" align=\"center\" class=\"procedureTable\">Type:</td>\r\n"
         "<td width=\"12%\" align=\"center\" class=\"procedureTable\"></td>\r\n"
         "<td width=\"12%\" align=\"center\" class=\"procedureTable\">Version</td>\r\n"
         "<td width=\"39%\" align=\"center\" class=\"procedureTable\">Description</td>"},
    };
    for (const auto& c : cases) {
        PagesProject project;
        project.write("site/Procedures/process.data",
                      std::string("[PROCESSUS]\r\nClass=GENERALPROCEDUREGROUP\r\n") + c.flags);
        project.open();
        generate(project);
        const std::string page = project.read("site/Procedures/overview.htm");
        EXPECT_TRUE(contains(page, c.header)) << c.flags << page;
    }
}

// A link that holds "http" or "ftp" in any case stays as written; another
// one is reached from the group's folder. A page opens ".htm" documents in
// the main frame, others in a new window.
TEST(ProcedurePagesTest, LinksOfTheGroupTable) {
    const struct {
        const char* link;
        const char* cell;
    } cases[] = {
        {"HTTP://Example.org/Review.PDF", "<a href=\"HTTP://Example.org/Review.PDF\" target=\"_blank\">"},
        {"ftp://host/review.htm", "<a href=\"ftp://host/review.htm\" target=\"main\">"},
        {"review.htm", "<a href=\"./Review_procedure/review.htm\" target=\"main\">"},
        {"review.doc", "<a href=\"./Review_procedure/review.doc\" target=\"_blank\">"},
    };
    for (const auto& c : cases) {
        PagesProject project;
        project.write("site/Procedures/Review_procedure/process.data",
                      std::string("[PROCESSUS]\r\nClass=GENERALPROCEDURE\r\nProcedure=") + c.link + "\r\n");
        project.open();
        generate(project);
        EXPECT_TRUE(contains(project.read("site/Procedures/overview.htm"), c.cell)) << c.link;
    }
}

// With the all-procedures flag, procedures without discipline come in the
// last pass, whose table opens without a discipline title.
TEST(ProcedurePagesTest, AllProceduresWithoutDiscipline) {
    PagesProject project;
    project.write("site/Procedures/process.data", "[PROCESSUS]\r\nClass=GENERALPROCEDUREGROUP\r\n"
                                                  "AllProcedures=yes\r\n");
    project.open();
    generate(project);
    const std::string page = project.read("site/Procedures/overview.htm");
    EXPECT_FALSE(contains(page, "disciplineTitle"));
    EXPECT_EQ(countOf(page, "<table border=\"1\" width=\"100%\" cellspacing=\"0\">"), 1);
    EXPECT_TRUE(contains(
        page, "<br><div align=\"justify\">\r\n<table border=\"1\" width=\"100%\" cellspacing=\"0\">"));
    EXPECT_TRUE(contains(page, "Review procedure</a></td>"));
}

} // namespace
