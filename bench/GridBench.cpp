// Fills a grid with rows one at a time as the item pages add them, sorts it
// by its first column, scrolls to its last row, and paints one screen at the
// top and at the end: the painting must cost the same however many rows the
// grid has. Needs a display (run it under scripts/with-xvfb):
//   scripts/with-xvfb build/bin/bench_grid [rows...]

#include "BenchReport.h"
#include "CGridCtrl.h"
#include "DisplayBench.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>
#include <wx/dcmemory.h>
#include <wx/frame.h>

namespace {

// Paints the visible part of the grid a number of times; seconds per paint.
double paintScreen(CGridCtrl& grid) {
    const wxSize size = grid.GetClientSize();
    wxBitmap bitmap(size.x, size.y, 24);
    wxMemoryDC dc(bitmap);
    constexpr int repeats = 50;
    BenchTimer timer;
    for (int i = 0; i < repeats; ++i)
        grid.OnDraw(dc);
    return timer.seconds() / repeats;
}

void run(long rows) {
    auto* frame = new wxFrame(nullptr, wxID_ANY, "Grid bench", wxPoint(0, 0), wxSize(800, 600));
    auto* grid = new CGridCtrl;
    grid->Create(frame, 1101, wxPoint(0, 0), frame->GetClientSize());
    frame->Show();
    wxTheApp->Yield(true);

    grid->SetRowSelectionMode(TRUE);
    grid->SetSingleRowSelection(TRUE);
    grid->SetRowCount(1);
    grid->SetColumnCount(3);
    grid->SetFixedRowCount(1);
    std::mt19937 random(42);
    BenchTimer fill;
    for (long i = 0; i < rows; ++i) {
        const int row = grid->InsertRow("", -1);
        grid->GetCell(row, 0)->SetText(("Item " + std::to_string(random() % 1000000)).c_str());
        grid->GetCell(row, 1)->SetText("performs");
        grid->GetCell(row, 2)->SetText(std::to_string(i).c_str());
    }
    grid->Refresh();
    benchReport("fill row by row", rows, fill.seconds(), "rows");

    BenchTimer sort;
    grid->SortTextItems(0, TRUE);
    benchReport("sort by the first column", rows, sort.seconds(), "rows");

    benchReport("paint one screen at the top", rows, paintScreen(*grid), "rows");
    grid->SetFocusCell(1, 0);
    BenchTimer scroll;
    grid->OnKeyDown(VK_END, MK_CONTROL);
    benchReport("scroll to the last row (Ctrl+End)", rows, scroll.seconds(), "rows");
    if (!grid->IsCellVisible(static_cast<int>(rows), 0))
        std::printf("the last row is not visible\n");
    benchReport("paint one screen at the end", rows, paintScreen(*grid), "rows");

    frame->Destroy();
    wxTheApp->Yield(true);
}

} // namespace

int main(int argc, char** argv) {
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(std::atol(argv[i]));
    if (sizes.empty())
        sizes = {1000, 10000, 100000};

    return runOnDisplay(argv[0], "bench_grid", [&] {
        for (const long rows : sizes)
            run(rows);
    });
}
