// Saving a diagram's site pictures as the editor's save does: for each of
// the two languages the crop's measure, its rendering at zoom 1, the PNG
// encoding (Adam7) and the file, and the area file once (target for 500
// nodes and 600 labelled links in two languages: at most 400 ms). Headless:
//   build/bin/bench_site_image [nodes...]
// The nodes stand in a grid of 25 columns on a 1000-pixel wide paper, each
// linked to its right neighbour and every third one to the node below, up to 6 links for 5 nodes.

#include "BenchReport.h"
#include "CFlowchartEditor.h"
#include "CFlowchartEntityBox.h"
#include "CFlowchartEntityContainer.h"
#include "SiteImageExport.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A box that leads to an item, as a bound node does.
class AreaBox : public CFlowchartEntityBox {
public:
    explicit AreaBox(CString uid) : m_uid(std::move(uid)) {}
    bool getClickableArea(ClickableArea& area) const override {
        area = areaOverRect(m_uid);
        return true;
    }

private:
    CString m_uid;
};

void benchSave(int nodes, const std::string& folder) {
    CFlowchartEntityContainer container;
    std::vector<CFlowchartEntity*> placed;
    constexpr int kColumns = 25;
    for (int i = 0; i < nodes; ++i) {
        auto box = std::make_unique<AreaBox>(CString("N" + std::to_string(i)));
        const int x = 10 + (i % kColumns) * 40, y = 10 + (i / kColumns) * 50;
        box->setRect(x, y, x + 24, y + 20);
        placed.push_back(box.get());
        container.add(std::move(box));
    }
    int links = 0;
    auto link = [&](int from, int to, int fromSide, int toSide) {
        auto made = std::make_unique<CFlowchartLink>();
        made->setFromName(placed[size_t(from)]->getName());
        made->setToName(placed[size_t(to)]->getName());
        made->setFromSide(fromSide);
        made->setToSide(toSide);
        made->setLabel("go");
        made->setLabelL2("aller");
        container.addLink(std::move(made));
        ++links;
    };
    for (int i = 0; i + 1 < nodes; ++i)
        if ((i + 1) % kColumns != 0)
            link(i, i + 1, LINK_RIGHT, LINK_LEFT);
    for (int i = 0; i + kColumns < nodes && links < nodes * 6 / 5; i += 3)
        link(i, i + kColumns, LINK_BOTTOM, LINK_TOP);

    CFlowchartEditor editor;
    editor.setDiagramEntityContainer(&container);
    editor.setBackgroundColor(RGB(255, 255, 255));
    SiteImageExport exporter(editor);
    const double seconds = bestOf(5, [&] {
        BenchTimer timer;
        exporter.exportTo(folder.c_str(), 0);
        exporter.exportTo(folder.c_str(), 1);
        return timer.seconds();
    });
    benchReport("save of the site pictures in two languages, " + std::to_string(links) + " links", nodes,
                seconds, "nodes");
    std::printf("    picture %s: %ju bytes\n", (folder + "wf.png").c_str(),
                std::uintmax_t(std::filesystem::file_size(folder + "wf.png")));
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {500};
    char folder[] = "/tmp/bench-site-image-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    for (int size : sizes)
        benchSave(size, std::string(folder) + "/");
    std::filesystem::remove_all(folder);
    return 0;
}
