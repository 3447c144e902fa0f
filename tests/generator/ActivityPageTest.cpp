#include "ActivityStep.h"
#include "PagesProject.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

// The templates block of a page: from its anchor to the next block's heading.
std::string templatesBlock(const std::string& page) {
    const size_t start = page.find("<a name=\"template\">");
    if (start == std::string::npos)
        return std::string();
    return page.substr(start, page.find("<H4>", start) - start);
}

const char* const kDesign = "site/Delivery/Plan_the_tests/Design_the_system/";
const char* const kRun = "site/Delivery/Run_the_tests/";
const char* const kPlan = "site/Delivery/Plan_the_tests/Write_the_test_plan/";

TEST(ActivityStepTest, ReadsThePrefixOfAStep) {
    const struct {
        const char* stored;
        int depth;
        bool comment;
        bool optional;
        const char* detailText;
    } cases[] = {
        {"Plain step", 0, false, false, "Plain step"},
        {"#1 Check", 1, false, false, "Check"},
        {"#2O Ask", 2, false, true, "Ask"},
        {"#1C Note", 1, true, false, "Note"},
        {"#0C Note", 0, true, false, "#0C Note"},
        {"#0 Do", 0, false, false, "#0 Do"},
        {"#x Do", 0, false, false, "#x Do"},
        {"#5", 0, false, false, "#5"},
        {"#3 ", 3, false, false, ""},
        {"#", 0, false, false, "#"},
    };
    for (const auto& c : cases) {
        const ActivityStep step(c.stored);
        EXPECT_EQ(step.depth, c.depth) << c.stored;
        EXPECT_EQ(step.comment, c.comment) << c.stored;
        EXPECT_EQ(step.optional, c.optional) << c.stored;
        EXPECT_EQ(step.detailText, c.detailText) << c.stored;
    }
}

// The positions of the blocks come from the settings: two blocks at one
// place follow in the table's order, a block at no place from 1 to 6 is
// left out.
TEST(ActivityPageTest, BlocksComeInTheOrderOfTheSettings) {
    PagesProject project;
    project.setOption("PROCESS_OPTION", "ActivityItemOrderDescription", "1");
    project.setOption("PROCESS_OPTION", "ActivityItemOrderTemplate", "1");
    project.setOption("PROCESS_OPTION", "ActivityItemOrderTailoringGuideline", "6");
    project.setOption("PROCESS_OPTION", "ActivityItemOrderMeasure", "7");
    project.open();
    project.prepare();
    project.manager->generateActivity(0);
    const std::string page = project.read(std::string(kDesign) + "overview.htm");
    const size_t description = page.find("<a name=\"desc\">");
    const size_t templates = page.find("<a name=\"template\">");
    const size_t procedures = page.find("<a name=\"proc\">Procedures");
    const size_t tailoring = page.find("<a name=\"tailorGuid\">");
    const size_t criteria = page.find("<a name=\"proc\">Quality criteria");
    ASSERT_NE(criteria, std::string::npos);
    EXPECT_LT(description, templates);
    EXPECT_LT(templates, procedures);
    EXPECT_LT(procedures, tailoring);
    EXPECT_LT(tailoring, criteria);
    EXPECT_FALSE(contains(page, "Measures</a>"));
    EXPECT_TRUE(project.ui.messages.empty());
}

TEST(ActivityPageTest, PagesThatCannotBeWrittenAreToldAndLeftAsTheyWere) {
    PagesProject project;
    const std::string unmarked = "<html>\r\n<body>\r\n<p>Run them all.</p>\r\n";
    project.write(std::string(kRun) + "overview.htm", unmarked);
    std::filesystem::remove(project.dir / (std::string("proj/") + kDesign + "overview.htm"));
    project.open();
    project.prepare();
    project.manager->generateActivity(0);
    ASSERT_EQ(project.ui.messages.size(), 2u);
    EXPECT_EQ(project.ui.messages[0].text,
              "File " + project.manager->getItemPagePath(project.item("N21"), 0) + " opening error");
    EXPECT_EQ(project.ui.messages[1].text,
              "File Run the tests/overview.htm format error (or content.htm if frame on)");
    EXPECT_EQ(project.read(std::string(kRun) + "overview.htm"), unmarked);
    EXPECT_FALSE(project.exists(std::string(kDesign) + "overview.htm"));
    // The activity between them was written.
    EXPECT_TRUE(contains(project.read(std::string(kPlan) + "overview.htm"), "<a name=\"template\">"));
}

// Procedure cells fill rows of three; the last row is filled up.
TEST(ActivityPageTest, ProceduresFillRowsOfThree) {
    PagesProject project;
    project.write(std::string(kRun) + "process.data",
                  "[PROCESSUS]\r\nClass=ACTIVITY\r\nGProc=N16,N16,N23,N16\r\n");
    project.open();
    project.prepare();
    project.manager->generateActivity(0);
    const std::string page = project.read(std::string(kRun) + "overview.htm");
    const size_t block = page.find("<table border=\"0\" width=\"100%\"><tr><td width=\"33%\">");
    ASSERT_NE(block, std::string::npos);
    const std::string cells = page.substr(block, page.find("</tr></table>", block) - block);
    std::string openings;
    for (size_t at = cells.find("<td width="); at != std::string::npos; at = cells.find("<td width=", at + 1))
        openings += cells.substr(at + 11, 2) + (cells.compare(at - 9, 9, "</tr><tr>") == 0 ? "/" : " ");
    EXPECT_EQ(openings, "33 34 33 33/34 33 ");
    EXPECT_TRUE(contains(cells, "</tr><tr><td width=\"33%\"><br><p align=\"center\">"));
    // An activity's own procedure page gives a cell only when it exists.
    const std::string plan = project.read(std::string(kPlan) + "overview.htm");
    EXPECT_TRUE(contains(plan, "<a href=\"proc.htm\">Write the test plan</a>"));
    project.manager->generateActivity(1);
    EXPECT_FALSE(contains(project.read(std::string(kPlan) + "overviewL2.htm"), "<a name=\"proc\">"));
}

// Which work products the templates block lists: those produced with a
// first-format template or example, those read with an example, and those
// produced and read (updated) only with an example; a work product read
// through its parent counts as read.
TEST(ActivityPageTest, TheTemplatesBlockListsWhatTheActivityProducesOrReads) {
    PagesProject project;
    // The run produces and reads the design model (a template only), and
    // produces the interface description (its element) while reading the model.
    project.write(
        std::string(kRun) + "process.data",
        "[PROCESSUS]\r\nClass=ACTIVITY\r\nInWorkProducts=~n6//1\r\nOutWorkProducts=~n6//1,~n8//1\r\n");
    project.open();
    project.prepare();
    project.manager->generateActivity(0);
    std::string page = templatesBlock(project.read(std::string(kRun) + "overview.htm"));
    EXPECT_TRUE(contains(page, ">Interface description<"));
    EXPECT_FALSE(contains(page, "Design model"));

    // Produced only, the model is listed.
    project.write(std::string(kRun) + "process.data",
                  "[PROCESSUS]\r\nClass=ACTIVITY\r\nOutWorkProducts=~n8//1\r\n");
    project.open();
    project.prepare();
    project.manager->generateActivity(0);
    page = templatesBlock(project.read(std::string(kRun) + "overview.htm"));
    EXPECT_TRUE(contains(page, ">Interface description<"));
    EXPECT_TRUE(contains(page, "Design model"));
}

} // namespace

namespace {

// An item without uid (a damaged tree file) is the target of no shortcut:
// its bar of places lists its own place only, not one for every item.
TEST(ActivityPageTest, AnItemWithoutUidHasNoShortcutsToIt) {
    PagesProject project;
    std::string tree = project.read("tolvane/MenuTreeV2.dat");
    tree.replace(tree.find("1*N24*"), 6, "1* *");
    project.write("tolvane/MenuTreeV2.dat", tree);
    project.open();
    project.manager->updateLinks(1, 0);
    project.manager->generateActivity(0);
    const std::string page = project.read(std::string(kRun) + "overview.htm");
    const size_t places = page.find("<ul><li>");
    ASSERT_NE(places, std::string::npos);
    const std::string list = page.substr(places, page.find("</ul>", places) - places);
    size_t entries = 0;
    for (size_t at = list.find("<li>"); at != std::string::npos; at = list.find("<li>", at + 1))
        ++entries;
    EXPECT_EQ(entries, 1u) << list;
}

} // namespace
