#include "DiskLinks.h"
#include "ItemListe.h"
#include "ItemWorkProduct.h"
#include "PagesProject.h"
#include "TextOutStream.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

const char* const kDelivery = "site/Delivery/templates.htm";
const char* const kAllTemplates = "site/All_templates/overview.htm";

// A workflow and every plain item inside it get a templates page; the
// activities and the shortcut inside it, and the items outside, get none.
TEST(TemplatePagesTest, TemplatesPagesOfWorkflowsAndTheItemsInside) {
    PagesProject project;
    project.open();
    project.prepare();
    project.manager->generateTemplateAccess(0);
    for (const char* page :
         {"site/Delivery/templates.htm", "site/Delivery/Plan_the_tests/templates.htm",
          "site/Delivery/Plan_the_tests/Design_the_system/Design_is_reviewed/templates.htm"})
        EXPECT_TRUE(project.exists(page)) << page;
    for (const char* page : {"site/Delivery/Plan_the_tests/Design_the_system/templates.htm",
                             "site/Delivery/Plan_the_tests/Write_the_test_plan/templates.htm",
                             "site/Delivery/Run_the_tests/templates.htm", "site/All_templates/templates.htm",
                             "site/Engineering/templates.htm", "site/Roles/templates.htm"})
        EXPECT_FALSE(project.exists(page)) << page;
    EXPECT_FALSE(project.exists("site/Delivery/templatesL2.htm"));
    // The macro-activity lists what its own activities produce, its
    // element's parent included, and not what the workflow's other
    // activity produces.
    const std::string macro = project.read("site/Delivery/Plan_the_tests/templates.htm");
    EXPECT_TRUE(contains(macro, "Templates used in 'Plan the tests'"));
    EXPECT_TRUE(contains(macro, ">Design model</span>"));
    EXPECT_TRUE(contains(macro, ">Interface description<"));
    EXPECT_TRUE(contains(macro, ">Test plan<"));
    EXPECT_FALSE(contains(macro, "Test report"));
    EXPECT_TRUE(project.ui.messages.empty());
}

// A workflow's span ends only at an item of the workflow's own level: an
// item at a smaller level met first still gets its templates page.
TEST(TemplatePagesTest, OnlyAnItemAtTheWorkflowsLevelEndsItsSpan) {
    PagesProject project;
    project.write("tolvane/MenuTreeV2.dat",
                  "\r\n0*N40*Lifecycle*../site/Lifecycle/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
                  "1*N41*Flow*../site/Lifecycle/Flow/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
                  "2*N42*Step*../site/Lifecycle/Flow/Step/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
                  "0*N43*Annex*../site/Annex/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
                  "1*N44*Same level*../site/Annex/Same/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n"
                  "1*N45*After*../site/Annex/After/overview.htm* *b.gif*b.gif*f*true*false* * *\r\n");
    project.write("site/Lifecycle/Flow/process.data", "[PROCESSUS]\r\nClass=WORKFLOW\r\n");
    for (const char* folder : {"site/Lifecycle/", "site/Lifecycle/Flow/Step/", "site/Annex/",
                               "site/Annex/Same/", "site/Annex/After/"})
        project.write(std::string(folder) + "process.data", "[PROCESSUS]\r\nClass=NOPROCESSCLASS\r\n");
    project.open();
    project.manager->generateTemplateAccess(0);
    EXPECT_TRUE(project.exists("site/Lifecycle/Flow/templates.htm"));
    EXPECT_TRUE(project.exists("site/Lifecycle/Flow/Step/templates.htm"));
    EXPECT_TRUE(project.exists("site/Annex/templates.htm"));
    EXPECT_FALSE(project.exists("site/Annex/Same/templates.htm"));
    EXPECT_FALSE(project.exists("site/Annex/After/templates.htm"));
    EXPECT_FALSE(project.exists("site/Lifecycle/templates.htm"));
}

// A page lists what lies below its item, shortcuts below it standing for
// their targets; a shortcut just after the item's subtree is not below it.
TEST(TemplatePagesTest, AShortcutAfterTheSubtreeIsNotPartOfIt) {
    PagesProject project;
    // The shortcut to the tests' run follows the planning macro-activity.
    std::string tree = project.read("tolvane/MenuTreeV2.dat");
    const std::string shortcut =
        "1*N25*-> Run the tests*../site/Delivery/Run_the_tests/overview.htm* *b.gif*b.gif*f*"
        "true*false*-> Ex\xE9"
        "cuter les tests*N24*\r\n";
    tree.erase(tree.find("1*N25*"));
    tree.insert(tree.find("1*N24*"), shortcut);
    project.write("tolvane/MenuTreeV2.dat", tree);
    project.open();
    project.manager->generateTemplateAccess(0);
    EXPECT_FALSE(contains(project.read("site/Delivery/Plan_the_tests/templates.htm"), "Test report"));
    EXPECT_TRUE(contains(project.read(kDelivery), ">Test report<"));
}

// Links to documents that exist take their names as they are on disk.
TEST(TemplatePagesTest, LinksTakeTheSpellingOfTheFilesOnDisk) {
    PagesProject project;
    std::filesystem::rename(project.dir / "proj/site/Engineering/Test/Test_plan/test-plan.doc",
                            project.dir / "proj/site/Engineering/Test/Test_plan/Test-Plan.DOC");
    project.open();
    project.manager->generateTemplateAccess(0);
    const std::string page = project.read(kDelivery);
    EXPECT_TRUE(contains(page, "<a href=\"../Engineering/Test/Test_plan/Test-Plan.DOC\" target=_blank>"));
    // A document that is not there keeps the name it was given.
    EXPECT_TRUE(contains(page, "<a href=\"../Engineering/Design/Design_model/design.doc\" target=_blank>"));
}

// Which work products each page selects: the template access page takes
// first-format documents (templates or examples) or an example library;
// the templates page takes templates of either format or a library, and
// nothing that an activity both reads and produces.
TEST(TemplatePagesTest, EachPageSelectsTheWorkProductsItsRulesName) {
    PagesProject project;
    // The report keeps its example and loses its library; the checklist
    // keeps only a second-format template, produced by the tests' run,
    // which also reads and rewrites the report.
    std::filesystem::remove(project.dir / "proj/site/Engineering/Test/Test_report/ar/old-report.doc");
    project.write("site/Checklist/process.data",
                  "[PROCESSUS]\r\nClass=WORKPRODUCT\r\nTemplateNameL1F2=checklist.ods\r\n");
    project.write("site/Delivery/Run_the_tests/process.data",
                  "[PROCESSUS]\r\nClass=ACTIVITY\r\nInWorkProducts=~n11//1\r\n"
                  "OutWorkProducts=~n11//1,~n14//1\r\n");
    project.open();
    project.manager->generateTemplateAccess(0);
    const std::string all = project.read(kAllTemplates);
    EXPECT_TRUE(contains(all, ">Test report<"));
    EXPECT_FALSE(contains(all, ">Checklist<"));
    // The element of another project kind stays out of a page for small projects.
    EXPECT_FALSE(contains(all, "Interface description"));
    const std::string delivery = project.read(kDelivery);
    EXPECT_FALSE(contains(delivery, "Test report"));
    EXPECT_TRUE(contains(delivery, ">Checklist<"));

    // Sharing a project kind with the page is enough.
    project.write("site/All_templates/process.data",
                  "[PROCESSUS]\r\nClass=TEMPLATEACCESS\r\nProjectKind=large\r\n");
    project.open();
    project.manager->generateTemplateAccess(0);
    EXPECT_TRUE(contains(project.read(kAllTemplates), ">Interface description<"));
}

// With templates in two languages every row has seven cells and the
// domain row spans seven columns; with one, five.
TEST(TemplatePagesTest, TheTableHasTwoColumnsMoreWithTemplatesInTwoLanguages) {
    for (const bool twoLanguages : {false, true}) {
        PagesProject project;
        project.setOption("PROCESS_OPTION", "TemplatesIn2Languages", twoLanguages ? "yes" : "no");
        project.open();
        project.manager->generateTemplateAccess(0);
        const std::string page = project.read(kDelivery);
        EXPECT_EQ(contains(page, "colspan=\"7\""), twoLanguages);
        EXPECT_EQ(contains(page, "colspan=\"5\""), !twoLanguages);
        EXPECT_EQ(contains(page, "Documents, first language"), twoLanguages);
        // The design model's second-language template.
        EXPECT_EQ(contains(page, "Design_model/conception.doc"), twoLanguages);
        const std::string row = page.substr(page.find("<td width=\"126\"><a"));
        const std::string firstRow = row.substr(0, row.find("</tr>"));
        size_t cells = 0;
        for (size_t at = firstRow.find("<td"); at != std::string::npos; at = firstRow.find("<td", at + 1))
            ++cells;
        EXPECT_EQ(cells, twoLanguages ? 7u : 5u);
    }
}

// A template's link: addresses, file urls and drive paths as written, any
// other name in the work product's folder.
TEST(TemplatePagesTest, TemplateLinksKeepAddressesAndDrivePaths) {
    const struct {
        const char* name;
        const char* href;
    } cases[] = {
        {"http://example.org/a.doc", "http://example.org/a.doc"},
        {"HTTPS://example.org/a.doc", "HTTPS://example.org/a.doc"},
        {"File:///share/a.doc", "File:///share/a.doc"},
        {"d:\\share\\a.doc", "d:\\share\\a.doc"},
        {"a.doc", "../Checklist/a.doc"},
        {"forms/a.doc", "../Checklist/forms/a.doc"},
    };
    PagesProject project;
    project.open();
    project.manager->updateLinks(1, 0);
    ProcessItem* checklist = project.item("N14");
    ItemListe list;
    list.append(checklist);
    for (const auto& c : cases) {
        checklist->getItemWorkProduct()->m_templateName[0][0] = c.name;
        const std::string path = project.dir / "table.htm";
        {
            TextOutStream out(path.c_str());
            int counter = 0;
            project.manager->writeTemplateTableRows(list, "../", out, project.item("N13"), &counter, 0, 0, 0);
        }
        EXPECT_TRUE(
            contains(project.dir.read("table.htm"), std::string("<a href=\"") + c.href + "\" target=_blank>"))
            << c.name;
    }
    list.removeAll();
}

} // namespace

namespace {

// The author's texts come on the page line for line, however long a line:
// a long paragraph gets no break inside a sentence or a tag.
TEST(TemplatePagesTest, LongAuthoredLinesStayWhole) {
    PagesProject project;
    const std::string paragraph = "<p>" + std::string(1200, 'a') + " <a href=\"guide.htm\">guide</a></p>";
    project.write("tolvane/Templates/Template/TemplateIntroduction.txt", paragraph + "\r\n");
    project.write("tolvane/Templates/Template/TemplateFinal.txt", paragraph);
    project.write("site/All_templates/add.htm", paragraph + "\r\nNext line\r\n");
    project.open();
    project.manager->generateTemplateAccess(0);
    const std::string all = project.read(kAllTemplates);
    EXPECT_TRUE(contains(all, "\r\n" + paragraph + "<br>\r\n<br>\r\n" + paragraph + "\r\nNext line\r\n"));
    EXPECT_TRUE(contains(all, "</table>\r\n" + paragraph + "<br>\r\n<p align=\"center\">"));
    EXPECT_TRUE(contains(project.read(kDelivery), "\r\n" + paragraph + "<br>\r\n<br>\r\n"));
}

} // namespace
