// Scroll bars, scrolling by lines, pages, the wheel and the keys, and
// bringing a cell into view, on a grid on the display.

#include "GridTestWindow.h"

#include <gtest/gtest.h>

namespace {

// A grid whose client area is exactly 300 x 80 pixels.
void sizeClientTo80(GridTestWindow& window) {
    CGridCtrl& grid = window.grid();
    const int border = grid.GetSize().y - grid.GetClientSize().y;
    window.frame().SetClientSize(300, 80 + border);
    processPending();
    ASSERT_EQ(grid.GetClientSize().y, 80);
}

TEST(GridScrollTest, TheVerticalBarShowsOnlyWhenTheRowsDoNotFit) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    sizeClientTo80(window);
    grid.SetColumnCount(2);
    grid.SetColumnWidth(0, 100);
    grid.SetColumnWidth(1, 100);
    grid.SetRowCount(4);
    grid.SetFixedRowCount(1);
    for (int row = 0; row < 4; ++row)
        grid.SetRowHeight(row, 20);
    grid.ResetScrollBars();
    EXPECT_FALSE(grid.IsScrollBarShown(SB_VERT));
    EXPECT_EQ(grid.GetScrollMax(SB_VERT), 0);

    grid.SetRowCount(6);
    for (int row = 4; row < 6; ++row)
        grid.SetRowHeight(row, 20);
    EXPECT_TRUE(grid.IsScrollBarShown(SB_VERT));
    EXPECT_EQ(grid.GetScrollMax(SB_VERT), 99);
    EXPECT_FALSE(grid.IsScrollBarShown(SB_HORZ));
    EXPECT_EQ(grid.GetScrollPos32(SB_VERT), 0);

    // One line down moves by the top row's height, skipping hidden rows.
    grid.SetRowHeight(1, 0);
    grid.OnVScroll(SB_LINEDOWN);
    EXPECT_EQ(grid.GetScrollPos32(SB_VERT), 20);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell().row, 3);
    // The position never passes the range less the page.
    grid.OnVScroll(SB_BOTTOM);
    EXPECT_EQ(grid.GetScrollPos32(SB_VERT), 80 - 60);
    grid.OnVScroll(SB_TOP);
    EXPECT_EQ(grid.GetScrollPos32(SB_VERT), 0);
    // The thumb sets the position directly.
    grid.OnVScroll(SB_THUMBTRACK, 20);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell().row, 3);
}

TEST(GridScrollTest, HitTestsFollowTheScrolledBody) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    grid.SetRowCount(50);
    grid.SetColumnCount(4);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int col = 0; col < 4; ++col)
        grid.SetColumnWidth(col, 50);
    const int h = grid.GetRowHeight(0);
    EXPECT_EQ(grid.GetCellFromPt(wxPoint(120, 2)), CCellID(0, 2));
    EXPECT_EQ(grid.GetCellFromPt(wxPoint(120, 2), FALSE).row, -1);
    EXPECT_EQ(grid.GetCellFromPt(wxPoint(250, h + 2)).col, -1);
    grid.OnVScroll(SB_LINEDOWN);
    grid.OnVScroll(SB_LINEDOWN);
    EXPECT_EQ(grid.GetCellFromPt(wxPoint(60, h + 2)), CCellID(3, 1));
    EXPECT_EQ(grid.GetCellFromPt(wxPoint(10, 2)), CCellID(0, 0));
    wxPoint origin;
    EXPECT_FALSE(grid.GetCellOrigin(1, 1, &origin)); // scrolled out
    ASSERT_TRUE(grid.GetCellOrigin(3, 1, &origin));
    EXPECT_EQ(origin, wxPoint(50, h));
}

TEST(GridScrollTest, TheWheelAndTheScrollBarScrollByRows) {
    GridTestWindow window(wxSize(300, 200));
    CGridCtrl& grid = window.grid();
    grid.SetRowCount(50);
    grid.SetColumnCount(2);
    grid.SetFixedRowCount(1);
    wxMouseEvent wheel(wxEVT_MOUSEWHEEL);
    wheel.m_wheelRotation = -120;
    wheel.m_wheelDelta = 120;
    wheel.m_linesPerAction = 3;
    wheel.SetEventObject(&grid);
    grid.GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell().row, 4);
    wheel.m_wheelRotation = 120;
    grid.GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell().row, 1);
    // A touchpad sends a notch in tenths: together they scroll as far.
    wheel.m_wheelRotation = -12;
    for (int i = 0; i < 10; ++i)
        grid.GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell().row, 4);
    wheel.m_wheelRotation = 12;
    for (int i = 0; i < 10; ++i)
        grid.GetEventHandler()->ProcessEvent(wheel);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell().row, 1);

    // The scroll bar's arrows and thumb come as scroll events.
    wxScrollWinEvent down(wxEVT_SCROLLWIN_LINEDOWN, 0, wxVERTICAL);
    down.SetEventObject(&grid);
    grid.GetEventHandler()->ProcessEvent(down);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell().row, 2);
    EXPECT_EQ(grid.GetScrollPos(wxVERTICAL), grid.GetRowHeight(1));
    wxScrollWinEvent thumb(wxEVT_SCROLLWIN_THUMBTRACK, 5 * grid.GetRowHeight(1), wxVERTICAL);
    thumb.SetEventObject(&grid);
    grid.GetEventHandler()->ProcessEvent(thumb);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell().row, 6);
}

TEST(GridScrollTest, EnsureVisibleBringsACellInFull) {
    GridTestWindow window(wxSize(300, 200));
    CGridCtrl& grid = window.grid();
    grid.SetRowCount(100);
    grid.SetColumnCount(8);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    for (int col = 0; col < 8; ++col)
        grid.SetColumnWidth(col, 70);
    grid.EnsureVisible(99, 7);
    GridRect rect;
    ASSERT_TRUE(grid.GetCellRect(99, 7, &rect));
    EXPECT_LE(rect.bottom, grid.GetClientSize().y);
    EXPECT_LE(rect.right, grid.GetClientSize().x);
    grid.EnsureVisible(1, 1);
    EXPECT_EQ(grid.GetTopLeftNonFixedCell(), CCellID(1, 1));
}

TEST(GridScrollTest, EnsureVisibleStopsWhenTheScrollPositionCannotMove) {
    GridTestWindow window(wxSize(300, 300));
    CGridCtrl& grid = window.grid();
    grid.SetRowCount(40);
    grid.SetColumnCount(2);
    grid.SetFixedRowCount(1);
    // The window shrinks while the grid does not redraw, so the scroll
    // range still belongs to the taller window: scrolling stops before the
    // last row comes in full.
    grid.SetRedraw(FALSE);
    window.frame().SetClientSize(300, 120);
    processPending();
    grid.SetRedraw(TRUE, FALSE);
    grid.EnsureVisible(39, 0);
    const int stuck = grid.GetScrollPos32(SB_VERT);
    grid.OnVScroll(SB_LINEDOWN);
    EXPECT_EQ(grid.GetScrollPos32(SB_VERT), stuck);
    GridRect rect;
    ASSERT_TRUE(grid.GetCellRect(39, 0, &rect));
    EXPECT_GT(rect.bottom, grid.GetClientSize().y);
    // Once the bars are sized again the cell comes in full.
    grid.ResetScrollBars();
    grid.EnsureVisible(39, 0);
    ASSERT_TRUE(grid.GetCellRect(39, 0, &rect));
    EXPECT_LE(rect.bottom, grid.GetClientSize().y);
}

} // namespace
