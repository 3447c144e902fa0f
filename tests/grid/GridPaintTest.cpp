// What the grid paints, probed pixel by pixel, and that painting a screen
// draws only the cells on it however many rows the grid has.

#include "DialogLook.h"
#include "GridPageSetUp.h"
#include "GridSystem.h"
#include "GridTestWindow.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/dialog.h>
#include <wx/image.h>
#include <wx/sizer.h>

namespace {

// The grid painted into a bitmap of its client size.
wxImage paint(CGridCtrl& grid) {
    const wxSize size = grid.GetClientSize();
    wxBitmap bitmap(size.x, size.y, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxGREEN_BRUSH);
        dc.Clear();
        grid.OnDraw(dc);
    }
    return bitmap.ConvertToImage();
}

COLORREF pixel(const wxImage& image, int x, int y) {
    return RGB(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

// Whether the rectangle holds a pixel of the colour (text is drawn in it).
bool holds(const wxImage& image, const GridRect& rect, COLORREF colour) {
    for (int y = rect.top; y <= rect.bottom; ++y)
        for (int x = rect.left; x <= rect.right; ++x)
            if (pixel(image, x, y) == colour)
                return true;
    return false;
}

TEST(GridPaintTest, CellsBandsSelectionAndLinesHaveTheirColours) {
    GridTestWindow window(wxSize(400, 300));
    CGridCtrl& grid = window.grid();
    setUpLikeItemPage(grid, {"Role", "Responsibility"}, {150, 120},
                      {{"Analyst", "performs"}, {"Reviewer", "assists"}, {"Manager", "approves"}});
    grid.SetItemBackColor(2, 1, RGB(250, 200, 10));
    grid.SetFocusCell(3, 0);
    grid.SetSelectedRange(3, 0, 3, 1);
    const wxImage image = paint(grid);
    const int h = grid.GetRowHeight(0);
    auto inside = [&](int row, int col) {
        GridRect rect;
        grid.GetCellRect(row, col, &rect);
        return wxPoint(rect.right - 3, rect.top + 3); // away from the text
    };
    const COLORREF window_ = gridsystem::colour(wxSYS_COLOUR_WINDOW);
    const COLORREF face = gridsystem::colour(wxSYS_COLOUR_BTNFACE);
    const COLORREF highlight = gridsystem::colour(wxSYS_COLOUR_HIGHLIGHT);

    EXPECT_EQ(pixel(image, inside(0, 0).x, inside(0, 0).y), face);
    EXPECT_EQ(pixel(image, inside(1, 0).x, inside(1, 0).y), window_);
    EXPECT_EQ(pixel(image, inside(2, 1).x, inside(2, 1).y), RGB(250, 200, 10));
    EXPECT_EQ(pixel(image, inside(2, 0).x, inside(2, 0).y), window_);
    EXPECT_EQ(pixel(image, inside(3, 1).x, inside(3, 1).y), highlight);
    // The focus cell, selected, is framed in the highlight text colour.
    GridRect focus;
    grid.GetCellRect(3, 0, &focus);
    EXPECT_EQ(pixel(image, focus.left, focus.top + h / 2), gridsystem::colour(wxSYS_COLOUR_HIGHLIGHTTEXT));
    EXPECT_EQ(pixel(image, inside(3, 0).x, inside(3, 0).y), highlight);
    // Grid lines on the right and bottom pixels of body cells.
    GridRect cell;
    grid.GetCellRect(1, 0, &cell);
    EXPECT_EQ(pixel(image, cell.right, cell.top + 4), RGB(192, 192, 192));
    EXPECT_EQ(pixel(image, cell.left + 4, cell.bottom), RGB(192, 192, 192));
    // Beyond the last column and below the last row: the grid's background.
    EXPECT_EQ(pixel(image, 300, h + 5), grid.GetBkColor());
    EXPECT_EQ(pixel(image, 10, 4 * h + 10), grid.GetBkColor());
    // Texts are drawn in their cells.
    GridRect text;
    grid.GetCellRect(1, 0, &text);
    EXPECT_TRUE(holds(image, text, gridsystem::colour(wxSYS_COLOUR_WINDOWTEXT)));
    grid.GetCellRect(3, 1, &text);
    EXPECT_TRUE(holds(image, text, gridsystem::colour(wxSYS_COLOUR_HIGHLIGHTTEXT)));
}

TEST(GridPaintTest, HiddenRowsTakeNoPixelAndLinesFollowTheSetting) {
    GridTestWindow window(wxSize(400, 300));
    CGridCtrl& grid = window.grid();
    setUpLikeItemPage(grid, {"A", "B"}, {100, 100}, {{"1", "2"}, {"3", "4"}, {"5", "6"}});
    grid.SetItemBackColor(3, 0, RGB(0, 0, 255));
    grid.SetRowHeight(2, 0);
    grid.SetGridLines(GVL_NONE);
    const wxImage image = paint(grid);
    GridRect first, third;
    grid.GetCellRect(1, 0, &first);
    grid.GetCellRect(3, 0, &third);
    EXPECT_EQ(third.top, first.bottom + 1);
    EXPECT_EQ(pixel(image, third.left + 3, third.top), RGB(0, 0, 255));
    EXPECT_EQ(pixel(image, first.right, first.top + 3), gridsystem::colour(wxSYS_COLOUR_WINDOW));
    grid.SetGridLines(GVL_HORZ);
    const wxImage lines = paint(grid);
    EXPECT_EQ(pixel(lines, first.right, first.top + 3), gridsystem::colour(wxSYS_COLOUR_WINDOW));
    EXPECT_EQ(pixel(lines, first.left + 3, first.bottom), RGB(192, 192, 192));
}

TEST(GridPaintTest, TheWindowShowsWhatThePaintingDrew) {
    GridTestWindow window(wxSize(300, 200));
    CGridCtrl& grid = window.grid();
    setUpLikeItemPage(grid, {"A", "B"}, {100, 100}, {{"1", "2"}, {"3", "4"}});
    grid.SetItemBackColor(2, 1, RGB(200, 0, 0));
    grid.Refresh();
    grid.Update();
    processPending();
    GridRect rect;
    grid.GetCellRect(2, 1, &rect);
    wxBitmap shot(300, 200, 24);
    {
        wxMemoryDC memory(shot);
        wxClientDC client(&grid);
        memory.Blit(0, 0, 300, 200, &client, 0, 0);
    }
    const wxImage image = shot.ConvertToImage();
    EXPECT_EQ(pixel(image, rect.right - 3, rect.top + 3), RGB(200, 0, 0));
    EXPECT_EQ(pixel(image, 250, rect.top + 3), grid.GetBkColor());
}

// The grid as an item page shows it, in a dialog on the display: its
// picture is saved for a person to look at ("grid.png" in
// $TOLVANE_SCREENSHOT_DIR when that is set).
TEST(GridPaintTest, TheItemPagesGridLooksRightOnTheDisplay) {
    wxDialog dialog(nullptr, wxID_ANY, "Roles");
    auto* grid = new CGridCtrl;
    grid->Create(&dialog, GridTestWindow::kGridId, wxDefaultPosition, wxSize(420, 180));
    setUpLikeItemPage(*grid, {"Role", "Responsibility", "Nb"}, {150, 200, 40},
                      {{"Analyst", "performs", "1"},
                       {"Reviewer", "assists", "2"},
                       {"A role whose name is far too long for its column", "approves", "3"},
                       {"Tester", "performs", "4"},
                       {"Writer", "assists", "5"},
                       {"Manager", "approves", "6"},
                       {"Architect", "performs", "7"},
                       {"Trainer", "assists", "8"}});
    grid->SetSortColumn(0);
    grid->SetFocusCell(2, 1);
    grid->SetSelectedRange(2, 0, 2, 2);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(grid, 1, wxEXPAND | wxALL, 10);
    dialog.SetSizerAndFit(sizer);
    TempDir folder;
    checkDialogLook(dialog, "grid", folder.path());
    // The grid needs more rows than it shows: its vertical bar is up.
    EXPECT_TRUE(grid->IsScrollBarShown(SB_VERT));
    EXPECT_FALSE(grid->IsScrollBarShown(SB_HORZ));
}

// A cell that counts how often it is drawn.
int g_draws = 0;
class CountingCell : public CGridCell {
public:
    BOOL Draw(wxDC& dc, int row, int col, GridRect rect, BOOL erase) override {
        ++g_draws;
        return CGridCell::Draw(dc, row, col, rect, erase);
    }
};

TEST(GridPaintTest, PaintingAScreenDrawsTheSameCellsAtTheTopAndAtTheEndOfManyRows) {
    GridTestWindow window(wxSize(300, 200));
    CGridCtrl& grid = window.grid();
    grid.SetCellFactory([]() -> CGridCellBase* { return new CountingCell; });
    grid.SetColumnCount(3);
    grid.SetRowCount(10001);
    grid.SetFixedRowCount(1);
    g_draws = 0;
    paint(grid);
    const int atTop = g_draws;
    EXPECT_GT(atTop, 3);
    EXPECT_LT(atTop, 60);
    grid.EnsureVisible(10000, 0);
    EXPECT_TRUE(grid.IsCellVisible(10000, 0));
    g_draws = 0;
    paint(grid);
    EXPECT_LE(std::abs(g_draws - atTop), 3)
        << atTop << " cells drawn at the top, " << g_draws << " at the end";
}

} // namespace
