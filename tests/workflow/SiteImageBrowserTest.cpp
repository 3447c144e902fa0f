#include "SiteImageExport.h"

#include "../diagram/LinkedFlowchart.h"
#include "../generator/PagesProject.h"
#include "AreaNodes.h"
#include "CFlowchartEditor.h"
#include "SiteChecks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>

namespace {

// Saves the site pictures of a diagram of bound boxes drawn for the item,
// in both languages, as the editor's save does.
void saveDiagram(PagesProject& project, ProcessItem* item,
                 const std::vector<std::pair<const char*, CRect>>& boxes) {
    LinkedFlowchart chart;
    CFlowchartEntity* previous = nullptr;
    for (const auto& [uid, rect] : boxes) {
        auto box = std::make_unique<BoundBox>(project.item(uid));
        box->setRect(rect.left, rect.top, rect.right, rect.bottom);
        CFlowchartEntity* raw = box.get();
        chart.container.add(std::move(box));
        if (previous)
            chart.link(previous, raw, LINK_RIGHT, LINK_LEFT)->setLabel("then");
        previous = raw;
    }
    CFlowchartEditor editor(project.manager.get(), item);
    editor.setDiagramEntityContainer(&chart.container);
    editor.setBackgroundColor(RGB(255, 255, 255));
    editor.setZoom(1.5);
    ASSERT_TRUE(editor.exportSiteImage(0));
    ASSERT_TRUE(editor.exportSiteImage(1));
}

// The areas of the page's image map as the browser has them: coords -> the
// file the link leads to, resolved from the page's folder.
std::map<std::string, std::string> mappedAreas(const std::string& dom, const std::filesystem::path& folder) {
    std::map<std::string, std::string> areas;
    const std::regex area("<area href=\"([^\"]*)\"[^>]*coords=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(dom.begin(), dom.end(), area); it != std::sregex_iterator(); ++it)
        areas[(*it)[2]] = std::filesystem::weakly_canonical(folder / (*it)[1].str()).string();
    return areas;
}

} // namespace

// After a save, the generated activity page and the workflow page written
// whole from its diagram show the new pictures with the saved areas, each
// leading to its item's page. (The fixture has no site scripts: the
// tooltips' script calls are left to the demo site's test.)
TEST(SiteImageBrowserTest, GeneratedPagesMapTheSavedAreas) {
    PagesProject project;
    project.open();
    saveDiagram(project, project.item("N19"),
                {{"N20", CRect(40, 30, 160, 74)}, {"N24", CRect(240, 30, 360, 74)}});
    saveDiagram(project, project.item("N21"),
                {{"N2", CRect(300, 200, 380, 240)}, {"N3", CRect(500, 200, 580, 250)}});
    EXPECT_EQ(project.read("site/Delivery/map.data"), "N20;0;0;120;44\r\nN24;200;0;320;44\r\n");
    EXPECT_EQ(project.read("site/Delivery/Plan_the_tests/Design_the_system/map.data"),
              "N2;0;0;80;40\r\nN3;200;0;280;50\r\n");
    project.manager->generate();
    EXPECT_TRUE(project.messages().empty());

    const std::string root = project.dir / "proj/";
    const std::string profile = project.dir / "browser-profile";
    struct PageCase {
        const char* page;
        const char* picture;
        std::map<std::string, std::string> areas;
    };
    const PageCase pages[] = {
        {"site/Delivery/overview.htm",
         "wf.png",
         {{"0,0,120,44", root + "site/Delivery/Plan_the_tests/overview.htm"},
          {"200,0,320,44", root + "site/Delivery/Run_the_tests/overview.htm"}}},
        {"site/Delivery/overviewL2.htm",
         "wfL2.png",
         {{"0,0,120,44", root + "site/Delivery/Plan_the_tests/overviewL2.htm"},
          {"200,0,320,44", root + "site/Delivery/Run_the_tests/overviewL2.htm"}}},
        {"site/Delivery/Plan_the_tests/Design_the_system/overview.htm",
         "wf.png",
         {{"0,0,80,40", root + "site/Roles/Architect/overview.htm"},
          {"200,0,280,50", root + "site/Roles/Tester/overview.htm"}}},
    };
    for (const PageCase& c : pages) {
        SCOPED_TRACE(c.page);
        const BrowserRun run = loadInBrowser(root + c.page, profile);
        EXPECT_NE(run.dom.find(std::string("src=\"") + c.picture + "\""), std::string::npos);
        EXPECT_NE(run.dom.find("usemap=\"#FPMap0\""), std::string::npos);
        const auto areas = mappedAreas(run.dom, std::filesystem::path(root + c.page).parent_path());
        EXPECT_EQ(areas, c.areas) << run.dom.substr(run.dom.find("<map"), 600);
        for (const auto& [coords, target] : areas)
            EXPECT_TRUE(std::filesystem::exists(target)) << target;
    }
}
