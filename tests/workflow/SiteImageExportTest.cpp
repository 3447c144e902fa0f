#include "SiteImageExport.h"

#include "../diagram/LinkedFlowchart.h"
#include "../generator/PagesProject.h"
#include "AreaNodes.h"
#include "CFlowchartEditor.h"
#include "CFlowchartEntityContainer.h"
#include "CWebImageDC.h"
#include "DiagramDC.h"
#include "DiagramPicture.h"
#include "FileSystem.h"
#include "PngFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr std::time_t kFixedTime = 1772600767;

// A workflow's editor over the fixture's workflow item "Delivery", with
// white paper as the editor dialog gives it.
class ExportedDiagram {
public:
    ExportedDiagram() {
        project.open();
        workflow = project.item("N19");
        editor = std::make_unique<CFlowchartEditor>(project.manager.get(), workflow);
        editor->setDiagramEntityContainer(&container);
        editor->setBackgroundColor(kPaper);
    }
    BoundBox* bound(const char* uid, int left, int top, int right, int bottom) {
        auto box = std::make_unique<BoundBox>(project.item(uid));
        box->setRect(left, top, right, bottom);
        BoundBox* raw = box.get();
        container.add(std::move(box));
        return raw;
    }
    CFlowchartLink* link(const CFlowchartEntity* from, const CFlowchartEntity* to, int fromSide, int toSide) {
        return chart.link(from, to, fromSide, toSide);
    }
    BOOL save(int language) {
        SiteImageExport exporter(*editor);
        exporter.setClock([] { return kFixedTime; });
        return exporter.exportSiteImage(language);
    }
    std::string file(const char* name) const { return project.read(std::string("site/Delivery/") + name); }
    bool has(const char* name) const { return project.exists(std::string("site/Delivery/") + name); }
    DecodedPng picture(const char* name = "wf.png") const { return decodePng(file(name)); }

    PagesProject project;
    ProcessItem* workflow = nullptr;
    LinkedFlowchart chart;
    CFlowchartEntityContainer& container = chart.container;
    std::unique_ptr<CFlowchartEditor> editor;
};

struct EdgeCase {
    const char* what;
    std::function<void(ExportedDiagram&)> build;
    int width;
    int height;
    std::string areas;
};

const EdgeCase kEdgeCases[] = {
    {"one bound box", [](ExportedDiagram& d) { d.bound("N20", 100, 80, 190, 116); }, 91, 37,
     "N20;0;0;90;36\r\n"},
    {"a bend point left of every node widens the picture to it",
     [](ExportedDiagram& d) {
         BoundBox* a = d.bound("N20", 100, 80, 190, 116);
         BoundBox* b = d.bound("N24", 300, 80, 390, 116);
         d.link(a, b, LINK_BOTTOM, LINK_BOTTOM)->addIntermediaryPoint(CPoint(20, 200));
     },
     371, 121, "N20;80;0;170;36\r\nN24;280;0;370;36\r\n"},
    {"link ends widen nothing but by their heads",
     [](ExportedDiagram& d) {
         BoundBox* a = d.bound("N20", 100, 80, 190, 116);
         BoundBox* b = d.bound("N24", 300, 80, 390, 116);
         d.link(a, b, LINK_RIGHT, LINK_LEFT);
     },
     291, 37, "N20;0;0;90;36\r\nN24;200;0;290;36\r\n"},
    {"a picture node with only its target",
     [](ExportedDiagram& d) {
         auto picture = std::make_unique<LinkedPicture>();
         picture->setRect(10, 20, 40, 50);
         picture->texts[4] = "_blank";
         d.container.add(std::move(picture));
     },
     31, 31, " ;0;0;30;30; ; ; ; ;_blank\r\n"},
    {"a picture node's semicolons",
     [](ExportedDiagram& d) {
         auto picture = std::make_unique<LinkedPicture>();
         picture->setRect(10, 20, 40, 50);
         picture->key = "N2;x";
         picture->texts[0] = "http://example.org/";
         picture->texts[3] = "a();b()";
         d.container.add(std::move(picture));
         // No text at all: no line.
         auto silent = std::make_unique<LinkedPicture>();
         silent->setRect(0, 0, 5, 5);
         d.container.add(std::move(silent));
     },
     41, 51, "N2;x;10;20;40;50;http://example.org/; ; ;a()\\semicolonb(); \r\n"},
    {"unbound and plain nodes write no area",
     [](ExportedDiagram& d) {
         d.bound("N20", 100, 80, 190, 116);
         auto unbound = std::make_unique<BoundBox>(nullptr);
         unbound->setRect(50, 60, 70, 90);
         d.container.add(std::move(unbound));
     },
     141, 57, "N20;50;20;140;56\r\n"},
};

} // namespace

// Part of the save's table: the picture's size and the areas, in picture
// pixels, for each layout; the picture decodes to the offscreen rendering.
TEST(SiteImageExportTest, CropsAndAreasOfEachLayout) {
    for (const EdgeCase& c : kEdgeCases) {
        SCOPED_TRACE(c.what);
        ExportedDiagram d;
        c.build(d);
        ASSERT_TRUE(d.save(0));
        const DecodedPng png = d.picture();
        EXPECT_EQ(png.width, c.width);
        EXPECT_EQ(png.height, c.height);
        EXPECT_EQ(d.file("map.data"), c.areas);
        EXPECT_EQ(pngcheck(d.project.dir / "proj/site/Delivery/wf.png").exitCode, 0);

        SiteImageExport exporter(*d.editor);
        DiagramPicture none;
        DiagramDC measuring(none);
        CWebImageDC image;
        ASSERT_TRUE(exporter.render(image, exporter.crop(measuring), 0));
        EXPECT_TRUE(png.pixels == picturePixels(*image.getPicture()));
        EXPECT_TRUE(d.project.ui.messages.empty());
    }
}

// An empty diagram gives one pixel of paper and an empty area file, both
// replacing what the site had.
TEST(SiteImageExportTest, AnEmptyDiagramGivesOnePixelOfPaper) {
    ExportedDiagram d;
    d.editor->setBackgroundColor(RGB(250, 250, 230));
    ASSERT_FALSE(d.file("map.data").empty());
    ASSERT_TRUE(d.save(0));
    const DecodedPng png = d.picture();
    ASSERT_EQ(png.width, 1);
    ASSERT_EQ(png.height, 1);
    EXPECT_EQ(png.pixels[0], 0xFAFAE6u);
    EXPECT_EQ(d.file("map.data"), "");
}

// Two languages give two pictures of one size, each with its own texts,
// and one area file, from the first language.
TEST(SiteImageExportTest, TwoLanguagesGiveTwoPicturesAndOneAreaFile) {
    ExportedDiagram d;
    BoundBox* a = d.bound("N20", 100, 80, 190, 116);
    BoundBox* b = d.bound("N24", 300, 80, 390, 116);
    CFlowchartLink* link = d.link(a, b, LINK_RIGHT, LINK_LEFT);
    link->setLabel("Plan");
    link->setLabelL2("Un plan bien plus long, sur plusieurs lignes");
    ASSERT_TRUE(d.save(0));
    const std::string areas = d.file("map.data");
    std::filesystem::remove(d.project.dir / "proj/site/Delivery/map.data");
    ASSERT_TRUE(d.save(1));
    EXPECT_FALSE(d.has("map.data"));
    const DecodedPng first = d.picture("wf.png");
    const DecodedPng second = d.picture("wfL2.png");
    EXPECT_EQ(first.width, second.width);
    EXPECT_EQ(first.height, second.height);
    EXPECT_FALSE(first.pixels == second.pixels);
    // The longer label is not cut: the crop reaches below the boxes for it.
    EXPECT_GT(first.height, 37);
    EXPECT_EQ(areas, "N20;0;0;90;36\r\nN24;200;0;290;36\r\n");
}

// The editor's zoom and the user's selection change nothing of the files,
// and the selection is still there afterwards, in its order.
TEST(SiteImageExportTest, ZoomAndSelectionLeaveTheFilesAsTheyAre) {
    ExportedDiagram d;
    BoundBox* a = d.bound("N20", 100, 80, 190, 116);
    BoundBox* b = d.bound("N24", 300, 80, 390, 116);
    CFlowchartLink* link = d.link(a, b, LINK_BOTTOM, LINK_BOTTOM);
    link->addIntermediaryPoint(CPoint(250, 200));
    ASSERT_TRUE(d.save(0));
    const std::string picture = d.file("wf.png");
    const std::string areas = d.file("map.data");

    d.editor->setZoom(2.0);
    b->select(TRUE);
    a->select(TRUE);
    link->setSelected(TRUE);
    link->setFirstPointSelected(TRUE);
    const auto timeA = a->getSelectionTime(), timeB = b->getSelectionTime();
    d.container.setModified(FALSE);
    ASSERT_TRUE(d.save(0));
    EXPECT_TRUE(d.file("wf.png") == picture);
    EXPECT_EQ(d.file("map.data"), areas);
    EXPECT_TRUE(a->isSelected() && b->isSelected() && link->isSelected() && link->isFirstPointSelected());
    EXPECT_EQ(a->getSelectionTime(), timeA);
    EXPECT_EQ(b->getSelectionTime(), timeB);
    EXPECT_FALSE(d.editor->getDiagramEntityContainer()->isModified());
}

// Each area holds its node's outline, two pixels inside at most, with paper
// just outside it.
TEST(SiteImageExportTest, TheAreasMatchThePicture) {
    ExportedDiagram d;
    d.editor->setZoom(1.5);
    const char* uids[] = {"N20", "N21", "N23", "N24", "N16", "N3"};
    for (int i = 0; i < 6; ++i)
        d.bound(uids[i], 37 + (i % 3) * 150, 41 + (i / 3) * 90, 37 + (i % 3) * 150 + 60 + 7 * i,
                41 + (i / 3) * 90 + 40 + 3 * i);
    ASSERT_TRUE(d.save(0));
    const DecodedPng png = d.picture();
    const std::uint32_t paper = 0xFFFFFF;
    auto at = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= png.width || y >= png.height)
            return paper;
        return png.pixels[size_t(y) * png.width + x];
    };
    const std::string areas = d.file("map.data");
    int lines = 0;
    for (size_t start = 0; start < areas.size();) {
        const size_t end = areas.find("\r\n", start);
        const std::string line = areas.substr(start, end - start);
        start = end + 2;
        ++lines;
        int l, t, r, b;
        ASSERT_EQ(sscanf(line.substr(line.find(';') + 1).c_str(), "%d;%d;%d;%d", &l, &t, &r, &b), 4) << line;
        SCOPED_TRACE(line);
        // The outline: ink on every side, within two pixels inside the area.
        for (int x = l + 2; x < r - 2; ++x) {
            EXPECT_TRUE(at(x, t) != paper || at(x, t + 1) != paper || at(x, t + 2) != paper) << x;
            EXPECT_TRUE(at(x, b) != paper || at(x, b - 1) != paper || at(x, b - 2) != paper) << x;
            EXPECT_EQ(at(x, t - 1), paper);
            EXPECT_EQ(at(x, b + 1), paper);
        }
        for (int y = t + 2; y < b - 2; ++y) {
            EXPECT_TRUE(at(l, y) != paper || at(l + 1, y) != paper || at(l + 2, y) != paper) << y;
            EXPECT_TRUE(at(r, y) != paper || at(r - 1, y) != paper || at(r - 2, y) != paper) << y;
            EXPECT_EQ(at(l - 1, y), paper);
            EXPECT_EQ(at(r + 1, y), paper);
        }
    }
    EXPECT_EQ(lines, 6);
}

// A picture or area file that cannot be written is told, naming it; the
// other file is still written.
TEST(SiteImageExportTest, AFileThatCannotBeWrittenIsTold) {
    ExportedDiagram d;
    d.bound("N20", 100, 80, 190, 116);
    std::filesystem::remove(d.project.dir / "proj/site/Delivery/wf.png");
    d.project.write("site/Delivery/wf.png/keep", "x");
    EXPECT_FALSE(d.save(0));
    ASSERT_EQ(d.project.messages().size(), 1u);
    EXPECT_EQ(d.project.messages()[0].rfind("The picture ", 0), 0u) << d.project.messages()[0];
    EXPECT_NE(
        d.project.messages()[0].find("Delivery/wf.png of the diagram could not be written (Is a directory)"),
        std::string::npos)
        << d.project.messages()[0];
    EXPECT_EQ(d.file("map.data"), "N20;0;0;90;36\r\n");

    d.project.ui.messages.clear();
    std::filesystem::remove(d.project.dir / "proj/site/Delivery/map.data");
    d.project.write("site/Delivery/map.data/keep", "x");
    std::filesystem::remove_all(d.project.dir / "proj/site/Delivery/wf.png");
    EXPECT_FALSE(d.save(0));
    ASSERT_EQ(d.project.messages().size(), 1u);
    EXPECT_NE(d.project.messages()[0].find("The clickable-area file"), std::string::npos);
    EXPECT_EQ(d.picture().width, 91);
}
