#include "PagesProject.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const char* const kRun = "site/Delivery/Run_the_tests/";

// The steps cell of the drawn schema of the activity's page.
std::string stepsCell(const std::string& page) {
    const size_t start = page.find("<td style=\"vertical-align: top\" rowspan=");
    return start == std::string::npos ? std::string()
                                      : page.substr(start, page.find("</td></tr>\r\n<tr>", start) - start);
}

// The class of each step, in order.
std::vector<std::string> stepClasses(const std::string& cell) {
    std::vector<std::string> classes;
    const std::string mark = "<span class=\"";
    for (size_t at = cell.find(mark); at != std::string::npos; at = cell.find(mark, at + 1)) {
        const size_t start = at + mark.size();
        classes.push_back(cell.substr(start, cell.find('"', start) - start));
    }
    return classes;
}

// In the tree of steps a step opens the level of the deeper steps after it,
// and a shallower step closes the levels opened before it: every table and
// every division of the cell is closed, however deep the steps begin or
// how far they go down at once. An optional step makes the deeper steps
// after it optional.
TEST(ActivitySchemaTest, TheTreeOfStepsClosesWhatItOpens) {
    const struct {
        const char* steps;
        std::vector<std::string> classes;
    } cases[] = {
        {"Plan,#1 Book the room,#2 Send the agenda,Hold it", {"a_step", "a_step", "a_step", "a_step"}},
        {"#1 Plan,Hold it", {"a_step", "a_step"}},
        {"Plan,#2 Send the agenda,Hold it", {"a_step", "a_step", "a_step"}},
        {"#1O Ask,#2 Call,#2C Mind the time,#1 Note",
         {"a_step_optional", "a_step_optional", "a_step_comment", "a_step"}},
        {"#3 Deep,#1 Up,#2 Down", {"a_step", "a_step", "a_step"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        PagesProject project;
        project.setOption("PROCESS_OPTION", "StepTreeview", "yes");
        project.write(std::string(kRun) + "process.data",
                      std::string("[PROCESSUS]\r\nClass=ACTIVITY\r\nStep=") + c.steps + "\r\n");
        project.open();
        project.prepare();
        project.manager->generateActivity(0);
        const std::string page = project.read(std::string(kRun) + "overview.htm");
        const std::string cell = stepsCell(page);
        ASSERT_FALSE(cell.empty());
        EXPECT_EQ(stepClasses(cell), c.classes);
        EXPECT_EQ(countOf(cell, "<table"), countOf(cell, "</table>")) << cell;
        EXPECT_EQ(countOf(cell, "<div"), countOf(cell, "</div>")) << cell;
        // Deeper steps give the buttons that open and close every level.
        EXPECT_EQ(countOf(page, "javascript:ExpandNodes2(document, RelativePathToImg)"),
                  std::string(c.steps).find('#') != std::string::npos ? 1 : 0);
        EXPECT_TRUE(project.ui.messages.empty());
    }
}

} // namespace
