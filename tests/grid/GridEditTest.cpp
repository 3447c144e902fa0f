// In-place editing started and ended by synthetic keys and mouse events,
// with its begin and end notifications.

#include "CInPlaceEdit.h"
#include "GridPageSetUp.h"
#include "GridTestWindow.h"

#include <gtest/gtest.h>

namespace {

// A grid of 6 rows and 4 columns below a header row, focus on (1, 1).
void fillGrid(GridTestWindow& window) {
    CGridCtrl& grid = window.grid();
    grid.SetRowCount(7);
    grid.SetColumnCount(4);
    grid.SetFixedRowCount(1);
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 4; ++c)
            grid.SetItemText(r, c, ("cell " + std::to_string(r) + "." + std::to_string(c)).c_str());
    grid.SetModified(FALSE);
    grid.SetFocusCell(1, 1);
    grid.SetSelectedRange(1, 1, 1, 1);
    window.notices.clear();
}

CInPlaceEdit* editOf(CGridCtrl& grid, int row, int col) {
    CGridCellBase* cell = grid.GetCell(row, col);
    return cell && cell->IsEditing() ? cell->GetEditWnd() : nullptr;
}

int count(const GridTestWindow& window, int code) {
    return static_cast<int>(std::count_if(window.notices.begin(), window.notices.end(),
                                          [code](const GridNotice& n) { return n.code == code; }));
}

TEST(GridEditTest, ATypedLetterReplacesTheTextAndEnterKeepsItAndGivesTheKeysBack) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fillGrid(window);
    window.type(&grid, 'x');
    CInPlaceEdit* edit = editOf(grid, 1, 1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetValue(), "x");
    EXPECT_EQ(count(window, kGridNotifyBeginEdit), 1);
    // The edit lies over the cell.
    GridRect rect;
    grid.GetCellRect(1, 1, &rect);
    EXPECT_EQ(edit->GetPosition(), wxPoint(rect.left, rect.top));
    EXPECT_TRUE(focusArrivesAt(edit));

    window.type(edit, 'y');
    edit->WriteText("z");
    window.key(edit, WXK_RETURN);
    EXPECT_FALSE(grid.IsItemEditing(1, 1));
    EXPECT_EQ(grid.GetItemText(1, 1), "xz");
    EXPECT_EQ(count(window, kGridNotifyEndEdit), 1);
    EXPECT_TRUE(grid.GetModified(1, 1));
    EXPECT_TRUE(grid.GetModified());
    processPending(); // the edit window goes
    EXPECT_EQ(wxWindow::FindWindowById(kInPlaceEditId, &grid), nullptr);
    // The keyboard is the grid's again, not lost with the edit window.
    EXPECT_TRUE(focusArrivesAt(&grid));
}

TEST(GridEditTest, F2AndBackspaceKeepTheTextAndEscapeRestoresIt) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fillGrid(window);
    window.key(WXK_F2);
    CInPlaceEdit* edit = editOf(grid, 1, 1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetValue(), "cell 1.1");
    EXPECT_EQ(edit->GetInsertionPoint(), edit->GetLastPosition());
    EXPECT_FALSE(edit->HasSelection());
    edit->WriteText(" changed");
    window.key(edit, WXK_ESCAPE);
    EXPECT_FALSE(grid.IsItemEditing(1, 1));
    EXPECT_EQ(grid.GetItemText(1, 1), "cell 1.1");
    // Nothing changed: no end notification, nothing modified.
    EXPECT_EQ(count(window, kGridNotifyEndEdit), 0);
    EXPECT_FALSE(grid.GetModified(1, 1));
    processPending();

    window.type(&grid, WXK_BACK);
    edit = editOf(grid, 1, 1);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetValue(), "cell 1.");
    window.key(edit, WXK_RETURN);
    EXPECT_EQ(grid.GetItemText(1, 1), "cell 1.");
    processPending();
}

TEST(GridEditTest, TheParentCanRefuseTheStartOrTheNewText) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fillGrid(window);
    window.answers[kGridNotifyBeginEdit] = -1;
    window.type(&grid, 'x');
    EXPECT_FALSE(grid.IsItemEditing(1, 1));

    window.answers.clear();
    window.answers[kGridNotifyEndEdit] = -1;
    window.type(&grid, 'x');
    CInPlaceEdit* edit = editOf(grid, 1, 1);
    ASSERT_NE(edit, nullptr);
    window.key(edit, WXK_RETURN);
    EXPECT_EQ(grid.GetItemText(1, 1), "cell 1.1");
    EXPECT_TRUE(grid.GetModified(1, 1));
    EXPECT_FALSE(grid.IsItemEditing(1, 1));
    processPending();

    // A read-only cell or grid opens no edit.
    grid.SetItemState(1, 1, grid.GetItemState(1, 1) | kCellReadOnly);
    window.type(&grid, 'x');
    EXPECT_FALSE(grid.IsItemEditing(1, 1));
}

TEST(GridEditTest, TabAndArrowsEndTheEditAndOpenTheNextOne) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fillGrid(window);
    window.type(&grid, 'a');
    window.key(editOf(grid, 1, 1), WXK_TAB);
    EXPECT_EQ(grid.GetItemText(1, 1), "a");
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 2));
    CInPlaceEdit* edit = editOf(grid, 1, 2);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetStringSelection(), "cell 1.2");

    // Opened from the keyboard, Down ends it and moves on.
    window.key(edit, WXK_DOWN);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 2));
    edit = editOf(grid, 2, 2);
    ASSERT_NE(edit, nullptr);
    window.key(edit, WXK_ESCAPE);
    processPending();

    // Opened by the mouse (a press on the focus cell's text and a release),
    // Left moves the caret inside the text.
    window.click(window.centre(2, 2));
    edit = editOf(grid, 2, 2);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetInsertionPoint(), edit->GetLastPosition());
    window.key(edit, WXK_LEFT);
    EXPECT_EQ(editOf(grid, 2, 2), edit);
    window.key(edit, WXK_LEFT, false, true); // with Ctrl it ends
    EXPECT_EQ(editOf(grid, 2, 2), nullptr);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));
    EXPECT_NE(editOf(grid, 2, 1), nullptr);
    window.key(editOf(grid, 2, 1), WXK_ESCAPE);
    processPending();
}

TEST(GridEditTest, ADoubleClickOnACellsTextOpensItsEditAndTellsTheParent) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fillGrid(window);
    const wxPoint point = window.centre(3, 2);
    window.click(point);
    window.mouse(wxEVT_LEFT_DCLICK, point);
    CInPlaceEdit* edit = editOf(grid, 3, 2);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->GetValue(), "cell 3.2");
    EXPECT_EQ(count(window, kGridNotifyDoubleClick), 1);
    EXPECT_EQ(window.notices.back(), (GridNotice{kGridNotifyDoubleClick, 3, 2}));
    window.key(edit, WXK_ESCAPE);
    processPending();

    // On a header cell it only tells the parent.
    window.mouse(wxEVT_LEFT_DCLICK, window.centre(0, 1));
    EXPECT_FALSE(grid.IsItemEditing(0, 1));
    EXPECT_EQ(window.notices.back(), (GridNotice{kGridNotifyDoubleClick, 0, 1}));
}

TEST(GridEditTest, TypingPastTheEdgeWidensTheEditUpToTheClientEdge) {
    GridTestWindow window(wxSize(300, 200));
    CGridCtrl& grid = window.grid();
    fillGrid(window);
    grid.SetColumnWidth(1, 60);
    grid.SetFocusCell(1, 1);
    window.type(&grid, 'w');
    CInPlaceEdit* edit = editOf(grid, 1, 1);
    ASSERT_NE(edit, nullptr);
    const int start = edit->GetSize().x;
    edit->WriteText("ide enough to pass the column");
    EXPECT_GT(edit->GetSize().x, start);
    edit->WriteText(" and then far beyond the right edge of the whole grid window");
    EXPECT_EQ(edit->GetPosition().x + edit->GetSize().x, grid.GetClientSize().x);
    window.key(edit, WXK_ESCAPE);
    processPending();
}

TEST(GridEditTest, ALayoutPassKeepsTheEditOpenAndAResizeEndsIt) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fillGrid(window);
    window.type(&grid, 'x');
    ASSERT_NE(editOf(grid, 1, 1), nullptr);
    // Laying the frame out again sizes the grid to the size it has: the
    // user goes on typing into the same edit.
    window.frame().Layout();
    processPending();
    CInPlaceEdit* edit = editOf(grid, 1, 1);
    ASSERT_NE(edit, nullptr);
    edit->WriteText("y");
    // A real change of size ends it, keeping the text.
    window.frame().SetClientSize(300, 200);
    window.frame().Layout();
    processPending();
    EXPECT_FALSE(grid.IsItemEditing(1, 1));
    EXPECT_EQ(grid.GetItemText(1, 1), "xy");
}

// A cell whose edit window cannot be made.
class NoEditCell : public CGridCell {
protected:
    CInPlaceEdit* CreateEditWindow(GridRect, long, UINT, int, int, UINT) override { return nullptr; }
};

TEST(GridEditTest, AnEditThatCannotBeMadeLeavesNoCellEditing) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    grid.SetCellFactory([]() -> CGridCellBase* { return new NoEditCell; });
    fillGrid(window);
    window.type(&grid, 'x');
    EXPECT_EQ(count(window, kGridNotifyBeginEdit), 1);
    EXPECT_FALSE(grid.IsItemEditing(1, 1));
    EXPECT_EQ(grid.GetCell(1, 1)->GetEditWnd(), nullptr);
    // The grid goes on as before: keys move, and no end arrives.
    window.key(WXK_DOWN);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 1));
    EXPECT_EQ(grid.GetItemText(1, 1), "cell 1.1");
    EXPECT_EQ(count(window, kGridNotifyEndEdit), 0);
}

} // namespace
