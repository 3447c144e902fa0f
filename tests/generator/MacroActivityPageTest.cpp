#include "PagesProject.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

const char* const kMacro = "site/Delivery/Plan_the_tests/";

// A phase's page is written as a macro-activity's: whole, with the picture
// of its diagram and its image map, when its flag says the diagram makes
// it; else below its author's text, with the author's own picture.
TEST(MacroActivityPageTest, PhasesAndMacroActivitiesAreWholeOrBelowTheMarkerByTheirFlag) {
    const struct {
        const char* classKeyword;
        const char* fullyGenerated;
        bool whole;
    } cases[] = {
        {"MACROACTIVITY", "yes", true},
        {"PHASE", "yes", true},
        {"PHASE", "no", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.classKeyword) + " " + c.fullyGenerated);
        PagesProject project;
        project.write(std::string(kMacro) + "process.data",
                      std::string("[PROCESSUS]\r\nClass=") + c.classKeyword +
                          "\r\nfullyGenerated=" + c.fullyGenerated + "\r\n");
        std::filesystem::copy_file(project.dir / "proj/site/Delivery/wf.png",
                                   project.dir / (std::string("proj/") + kMacro + "wf.png"));
        project.write(std::string(kMacro) + "map.data", "N21;1;2;30;40\r\n");
        project.open();
        project.prepare();
        project.manager->generateMacroActivity(0);
        const std::string page = project.read(std::string(kMacro) + "overview.htm");
        EXPECT_EQ(page.rfind("<!DOCTYPE HTML PUBLIC", 0) == 0, c.whole);
        EXPECT_EQ(contains(page, "<area href=\"../../../site/Delivery/Plan_the_tests/Design_the_system/"
                                 "overview.htm\" alt=\"\" shape=\"rect\" coords=\"1,2,30,40\""),
                  c.whole);
        EXPECT_EQ(contains(page, "src=\"wf.png\" border=\"0\" usemap=\"#FPMap0\">"), c.whole);
        EXPECT_EQ(contains(page, "<p>Written by the author.</p>\r\n<!--PROCESS_HYPERLINK-->\r\n"), !c.whole);
        EXPECT_EQ(contains(page, "<img alt=\"\" src=\"workflow_ai.png\" border=0>"), !c.whole);
        // Either way the page lists the work elements below it.
        EXPECT_TRUE(contains(page, ">Write the test plan</span></a></li>"));
        EXPECT_TRUE(project.ui.messages.empty());
    }
}

// A macro-activity without children still has its table of activities and
// produced work products: an empty list on the left, no list on the right.
TEST(MacroActivityPageTest, AMacroActivityWithoutChildrenKeepsItsTable) {
    PagesProject project;
    std::string tree = project.read("tolvane/MenuTreeV2.dat");
    tree += "1*N31*Close*../site/Delivery/Close/overview.htm* *b.gif*b.gif*f*true*false*Clore* *\r\n";
    project.write("tolvane/MenuTreeV2.dat", tree);
    project.write("site/Delivery/Close/process.data", "[PROCESSUS]\r\nClass=MACROACTIVITY\r\n");
    project.write("site/Delivery/Close/overview.htm",
                  "<html>\r\n<body>\r\n<p>Close.</p>\r\n</BODY>\r\n</html>\r\n");
    project.open();
    project.prepare();
    project.manager->generateMacroActivity(0);
    const std::string page = project.read("site/Delivery/Close/overview.htm");
    EXPECT_TRUE(contains(page, "<p>Close.</p>\r\n<!--PROCESS_HYPERLINK-->\r\n"));
    EXPECT_TRUE(contains(page, "<tr><td width=\"50%\" valign=\"top\"><ul>\r\n</ul></td>\r\n"
                               "<td width=\"50%\" valign=\"top\">\r\n</td></tr></tbody></table>\r\n"));
    EXPECT_FALSE(contains(page, "</html>\r\n</html>"));
    EXPECT_TRUE(project.ui.messages.empty());
}

} // namespace
