#include "PagesProject.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The workflow of the fixture is generated whole: its page shows its
// picture with the map of its area file.
const char* const kAreaFile = "site/Delivery/map.data";
const char* const kPage = "site/Delivery/overview.htm";

struct AreaLine {
    const char* line;
    // The area the line gives, or what the log says of it when it gives none.
    const char* area;
    const char* logged;
};

// Damaged lines give no area and one log line each; the sound lines around
// them give their areas, numbered in the order they come.
TEST(ClickableAreaMapTest, DamagedLinesAreLeftOutAndLogged) {
    const AreaLine lines[] = {
        {"N20;20;30;140;74", "coords=\"20,30,140,74\"  onMouseover=\"ShowTip(Text[1])\"", nullptr},
        {"N20;20;30;140", nullptr, "fewer than five fields: N20;20;30;140"},
        {"N24;a;30;280;74", nullptr, "a coordinate that is no whole number: N24;a;30;280;74"},
        {"N24;160;30;;74", nullptr, "a coordinate that is no whole number"},
        {"N24;1.5;30;280;74", nullptr, "a coordinate that is no whole number"},
        {"N24;99999999999;30;280;74", nullptr, "a coordinate that is no whole number"},
        {"N99;1;2;3;4", nullptr, "no item has the uid N99"},
        {"N99;1;2;3;4; ; ; ; ; ", nullptr, "no item has the uid N99"},
        {";", nullptr, "fewer than five fields"},
        // Blanks around a number, and the texts of a line of six or seven
        // fields, are no damage.
        {"N3; 160 ;90;280;110;extra", "coords=\"160,90,280,110\"  onMouseover=\"ShowTip(Text[2])\"", nullptr},
        {"Pic;1;2;3;4;../Roles/overview.htm; ; ;go()\\semicolon stop()",
         "<area href=\"../Roles/overview.htm\" alt=\"\" shape=\"rect\" coords=\"1,2,3,4\"  onclick=\"go(); "
         "stop()\" >",
         nullptr},
        {"N24;160;30;280;74", "coords=\"160,30,280,74\">", nullptr},
    };
    std::string file;
    for (const AreaLine& l : lines)
        file += std::string(l.line) + "\r\n";
    // An empty line is no area and no damage.
    file += "\r\n";
    PagesProject project;
    project.write(kAreaFile, file);
    project.open();
    project.prepare();
    project.manager->generateMacroActivity(0);
    EXPECT_TRUE(project.ui.messages.empty());

    const std::string page = project.read(kPage);
    const std::string log = project.read("site/ZevoRiruradiruzuz.log");
    int areas = 0;
    for (size_t i = 0; i < std::size(lines); ++i) {
        const AreaLine& l = lines[i];
        SCOPED_TRACE(l.line);
        const std::string where = kAreaFile + std::string(" line ") + std::to_string(i + 1) + ", ";
        if (l.area) {
            ++areas;
            EXPECT_TRUE(contains(page, l.area));
            EXPECT_FALSE(contains(log, where));
        } else {
            EXPECT_TRUE(contains(log, where + l.logged)) << log;
        }
    }
    EXPECT_EQ(countOf(page, "<area "), areas);
    EXPECT_EQ(countOf(log, "Clickable area left out"), static_cast<int>(std::size(lines)) - areas);
    // Each item's area has its entry in the tooltip script.
    EXPECT_EQ(countOf(page, "\"];\r\n"), 3);
}

// Without an area file the picture still shows, over an empty map; without
// its picture a page shows no map at all.
TEST(ClickableAreaMapTest, AMissingFileGivesAnEmptyMapAndAMissingPictureNone) {
    PagesProject project;
    std::filesystem::remove(project.dir / (std::string("proj/") + kAreaFile));
    std::filesystem::remove(project.dir / "proj/site/Delivery/wfL2.png");
    project.open();
    project.prepare();
    project.manager->generateMacroActivity(0);
    project.manager->generateMacroActivity(1);
    const std::string page = project.read(kPage);
    EXPECT_TRUE(contains(page,
                         "<map name=\"FPMap0\">\r\n</map>\r\n<!-- tooltips on item of the workflow  -->\r\n"
                         "<script language=\"JavaScript1.2\"  type=\"text/javascript\">\r\n</script>\r\n"));
    EXPECT_TRUE(contains(page, "src=\"wf.png\" border=\"0\" usemap=\"#FPMap0\">"));
    const std::string second = project.read("site/Delivery/overviewL2.htm");
    EXPECT_FALSE(contains(second, "<map"));
    EXPECT_FALSE(contains(second, "wfL2.png"));
    EXPECT_TRUE(project.ui.messages.empty());
}

} // namespace
