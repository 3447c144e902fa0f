// Repaints a flowchart of activity boxes and links as the editor repaints
// it: the paper, a dotted grid, 500 activity boxes of the rounded notations
// with their gradients, icons, markers and captions, and 600 straight links
// between them. The editor's cached grid tile is not on this branch: the
// grid is drawn here as a cached tile of its own, composited over the paper.
// Target: a repaint in at most 16 ms. Headless:
//   build/bin/bench_activity_paint [boxes...]

#include "BenchReport.h"
#include "CActivityBox.h"
#include "CGradient.h"
#include "DiagramDC.h"

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 3000;
constexpr int kHeight = 2000;

DiagramPicture gridTile() {
    DiagramPicture tile(kWidth, kHeight);
    DiagramDC dc(tile);
    for (int y = 0; y < kHeight; y += 12)
        for (int x = 0; x < kWidth; x += 12)
            dc.SetPixel(x, y, RGB(192, 192, 192));
    return tile;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {500};
    const DiagramPicture grid = gridTile();
    for (int boxes : sizes) {
        std::vector<std::unique_ptr<CActivityBox>> nodes;
        for (int i = 0; i < boxes; ++i) {
            auto box = std::make_unique<CActivityBox>(nullptr);
            const int kinds[] = {1, 3, 4, 5, 6, 8};
            box->setNotationKind(kinds[i % 6]);
            box->setStyle(i % 13 == 9 ? 10 : i % 13);
            box->setTaskType(i % 8);
            box->setEventTrigger(1 + i % 16);
            box->setMarkers(i % 3 == 0, 0, i % 5 == 0, 0, i % 7 == 0, i % 2);
            box->setTitle("Activity " + CString(std::to_string(i).c_str()));
            const int column = i % 20, row = i / 20;
            box->setRect(20 + column * 145, 20 + row * 75, 20 + column * 145 + 120, 20 + row * 75 + 50);
            nodes.push_back(std::move(box));
        }
        DiagramPicture frame(kWidth, kHeight, RGB(255, 255, 255));
        auto paint = [&] {
            BenchTimer timer;
            {
                DiagramDC dc(frame);
                dc.FillSolidRect(CRect(0, 0, kWidth, kHeight), RGB(255, 255, 255));
                dc.DrawPicture(0, 0, grid);
                for (auto& node : nodes)
                    node->drawObject(dc, 1.0, 0);
                dc.SelectStockObject(BLACK_PEN);
                // Links join neighbours, as in a drawn flow: along the rows, then down.
                for (int l = 0; l < 600; ++l) {
                    const int from = l < 475 ? l + l / 19 : (l - 475) * 4;
                    const int to = l < 475 ? from + 1 : from + 20;
                    if (from >= boxes || to >= boxes)
                        continue;
                    const CPoint a = nodes[from]->getLinkPosition(l < 475 ? LINK_RIGHT : LINK_BOTTOM);
                    const CPoint b = nodes[to]->getLinkPosition(l < 475 ? LINK_LEFT : LINK_TOP);
                    dc.MoveTo(a);
                    dc.LineTo(b);
                }
            }
            return timer.seconds();
        };
        const double first = paint();
        const double best = bestOf(5, paint);
        std::printf("activity repaint: %d boxes, 600 links, grid: first %.1f ms (tiles made), then %.1f ms "
                    "(target 16 ms), %d gradient tiles\n",
                    boxes, first * 1000, best * 1000, CGradient::cachedTileCount());
    }
    return 0;
}
