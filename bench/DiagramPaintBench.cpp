// Paints a large synthetic diagram with the diagram painter, offscreen, and
// times the calls the editor and the picture export make most: a whole
// frame of nodes, gateways and links with their labels, the dotted grid,
// pictures and captions. Headless:
//   build/bin/bench_diagram_paint [nodes...]

#include "BenchReport.h"
#include "DiagramDC.h"
#include "GatewayMarker.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 3000;
constexpr int kHeight = 2000;

CRect nodeRect(int i) {
    const int column = i % 20, row = i / 20;
    return CRect(20 + column * 145, 20 + row * 75, 20 + column * 145 + 120, 20 + row * 75 + 50);
}

// One frame: nodes as rounded boxes with a centred caption, every fifth a
// gateway with its marker, and links between neighbours with a head and a
// label.
void paintFrame(DiagramDC& dc, int nodes) {
    dc.FillSolidRect(CRect(0, 0, kWidth, kHeight), RGB(255, 255, 255));
    dc.SetBkMode(TRANSPARENT);
    const CFont caption{.height = -12, .face = "Arial"};
    for (int i = 0; i < nodes; ++i) {
        const CRect r = nodeRect(i);
        if (i % 5 == 4) {
            const int cx = (r.left + r.right) / 2;
            const CPoint diamond[] = {
                {cx - 18, r.top + 18}, {cx, r.top}, {cx + 18, r.top + 18}, {cx, r.top + 36}};
            dc.SelectObject(CBrush(RGB(240, 235, 225)));
            dc.Polygon(diamond, 4);
            dc.DrawPicture(cx - 18, r.top, GatewayMarker::picture(1 + i % 7));
            continue;
        }
        dc.SelectObject(CBrush(RGB(205, 235, 220)));
        dc.RoundRect(r, CPoint(6, 6));
        dc.SelectObject(caption);
        dc.DrawText("Activity " + std::to_string(i), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    const CPen dashed = CPen::ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, RGB(0, 0, 0), {10, 5});
    for (int i = 0; i + 1 < nodes; ++i) {
        const CRect a = nodeRect(i), b = nodeRect(i + 1);
        const CPoint from(a.right, (a.top + a.bottom) / 2), to(b.left, (b.top + b.bottom) / 2);
        const CPen before = dc.SelectObject(i % 3 == 0 ? dashed : CPen());
        const CPoint line[] = {from, CPoint((from.x + to.x) / 2, from.y), CPoint((from.x + to.x) / 2, to.y),
                               to};
        dc.Polyline(line, 4);
        dc.SelectObject(before);
        dc.SelectObject(CBrush::stock(BLACK_BRUSH));
        const CPoint head[] = {to, CPoint(to.x - 8, to.y - 4), CPoint(to.x - 8, to.y + 4)};
        dc.Polygon(head, 3);
        if (i % 4 == 0)
            dc.DrawText("yes", CRect(from.x + 4, from.y - 16, from.x + 40, from.y), DT_CENTER | DT_WORDBREAK);
    }
}

void run(int nodes) {
    DiagramPicture canvas(kWidth, kHeight, RGB(255, 255, 255));
    {
        DiagramDC warm(canvas);
        paintFrame(warm, nodes); // fonts resolved, markers drawn once
    }
    const double frame = bestOf(3, [&] {
        BenchTimer timer;
        DiagramDC dc(canvas);
        paintFrame(dc, nodes);
        dc.flush();
        return timer.seconds();
    });
    benchReport("frame of nodes and links", nodes, frame, "nodes");

    const double grid = bestOf(3, [&] {
        BenchTimer timer;
        DiagramDC dc(canvas);
        for (int x = 0; x < 1000; x += 6)
            for (int y = 0; y < 1000; y += 6)
                dc.SetPixel(x, y, RGB(192, 192, 192));
        dc.flush();
        return timer.seconds();
    });
    benchReport("dotted grid of a 1000 x 1000 paper", 167 * 167, grid, "dots");

    const double pictures = bestOf(3, [&] {
        BenchTimer timer;
        DiagramDC dc(canvas);
        for (int i = 0; i < 10000; ++i)
            dc.DrawPicture((i * 37) % (kWidth - 37), (i / 80) * 7 % (kHeight - 37),
                           GatewayMarker::picture(4));
        dc.flush();
        return timer.seconds();
    });
    benchReport("37 x 37 pictures with alpha", 10000, pictures, "pictures");

    const double captions = bestOf(3, [&] {
        BenchTimer timer;
        DiagramDC dc(canvas);
        dc.SelectObject(CFont{.height = -12, .face = "Arial"});
        for (int i = 0; i < 1000; ++i) {
            CRect box(10, 10, 130, 60);
            dc.DrawText("Review the design of the component", box, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
            dc.DrawText("Review the design of the component", box, DT_WORDBREAK | DT_CENTER);
        }
        return timer.seconds();
    });
    benchReport("captions measured and drawn", 1000, captions, "captions");
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atoi(argv[i]));
    if (sizes.empty())
        sizes = {100, 500};
    for (int nodes : sizes)
        run(nodes);
    return 0;
}
