// Cell texts leaving and entering grids on the display: the clipboard keys,
// a drag from one grid dropped on another, and the title tip over a cell
// too narrow for its text.

#include "CGridDropTarget.h"
#include "CInPlaceEdit.h"
#include "CTitleTip.h"
#include "GridPageSetUp.h"
#include "GridTestWindow.h"
#include "WxText.h"

#include <gtest/gtest.h>
#include <wx/clipbrd.h>

namespace {

void fill(CGridCtrl& grid, const char* prefix) {
    grid.SetRowCount(5);
    grid.SetColumnCount(3);
    grid.SetFixedRowCount(1);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            grid.SetItemText(r, c, (prefix + std::to_string(r) + "." + std::to_string(c)).c_str());
}

TEST(GridTransferTest, CtrlCAndCtrlVCarryCellsThroughTheClipboard) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fill(grid, "");
    grid.SetItemText(1, 1, "Smith, John");
    window.click(window.centre(1, 0));
    window.click(window.centre(2, 1), true);
    window.key('C', false, true);
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTextDataObject data;
    EXPECT_TRUE(wxTheClipboard->GetData(data));
    wxTheClipboard->Close();
    EXPECT_EQ(data.GetText(), "1.0\t\"Smith, John\"\r\n2.0\t2.1");

    window.click(window.centre(3, 1));
    window.key('V', false, true);
    EXPECT_EQ(grid.GetItemText(3, 1), "1.0");
    EXPECT_EQ(grid.GetItemText(3, 2), "Smith, John");
    EXPECT_EQ(grid.GetItemText(4, 1), "2.0");
    EXPECT_EQ(grid.GetItemText(4, 2), "2.1");
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(3, 1, 4, 2));

    // Ctrl+X copies and empties.
    window.key('X', false, true);
    EXPECT_EQ(grid.GetItemText(3, 2), "");
    ASSERT_TRUE(wxTheClipboard->Open());
    EXPECT_TRUE(wxTheClipboard->GetData(data));
    wxTheClipboard->Close();
    EXPECT_EQ(data.GetText(), "1.0\t\"Smith, John\"\r\n2.0\t2.1");
}

TEST(GridTransferTest, ACutThatCannotReachTheClipboardKeepsTheCells) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fill(grid, "");
    grid.SetEditable(TRUE);
    grid.SetSelectedRange(1, 0, 2, 1);
    // Another holder keeps the clipboard open; the grid's own opening fails
    // (the toolkit's complaint about it is silenced here).
    ASSERT_TRUE(wxTheClipboard->Open());
    const wxAssertHandler_t handler = wxSetAssertHandler(nullptr);
    const BOOL cut = grid.CutSelection();
    wxSetAssertHandler(handler);
    wxTheClipboard->Close();
    EXPECT_FALSE(cut);
    EXPECT_EQ(grid.GetItemText(1, 0), "1.0");
    EXPECT_EQ(grid.GetItemText(2, 1), "2.1");
}

// The edit commands as a menu or toolbar sends them, and whether their
// items are enabled.
bool enabled(CGridCtrl& grid, int id) {
    wxUpdateUIEvent update(id);
    update.SetEventObject(&grid);
    grid.GetEventHandler()->ProcessEvent(update);
    return update.GetEnabled();
}

void command(CGridCtrl& grid, int id) {
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(&grid);
    grid.GetEventHandler()->ProcessEvent(event);
}

void putText(const wxString& text) {
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject(text));
    wxTheClipboard->Close();
}

TEST(GridTransferTest, TheEditCommandsActAndAreEnabledAsTheGridAllows) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fill(grid, "");
    putText("pasted");
    EXPECT_FALSE(enabled(grid, wxID_COPY));
    EXPECT_FALSE(enabled(grid, wxID_CUT));
    EXPECT_FALSE(enabled(grid, wxID_PASTE)); // no focus cell
    EXPECT_TRUE(enabled(grid, wxID_SELECTALL));

    window.click(window.centre(1, 1));
    EXPECT_TRUE(enabled(grid, wxID_COPY));
    EXPECT_TRUE(enabled(grid, wxID_CUT));
    EXPECT_TRUE(enabled(grid, wxID_PASTE));
    command(grid, wxID_PASTE);
    EXPECT_EQ(grid.GetItemText(1, 1), "pasted");

    window.notices.clear();
    command(grid, wxID_SELECTALL);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 0, 4, 2));
    EXPECT_EQ(window.notices.front().code, kGridNotifySelChanging);
    EXPECT_EQ(window.notices.back().code, kGridNotifySelChanged);
    command(grid, wxID_COPY);
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTextDataObject data;
    EXPECT_TRUE(wxTheClipboard->GetData(data));
    wxTheClipboard->Close();
    EXPECT_TRUE(data.GetText().StartsWith("1.0\tpasted\t1.2\r\n2.0\t")) << data.GetText();

    // A grid that is not editable copies but neither cuts nor pastes.
    grid.SetEditable(FALSE);
    EXPECT_TRUE(enabled(grid, wxID_COPY));
    EXPECT_FALSE(enabled(grid, wxID_CUT));
    EXPECT_FALSE(enabled(grid, wxID_PASTE));
    command(grid, wxID_CUT);
    EXPECT_EQ(grid.GetItemText(2, 0), "2.0");
    grid.EnableSelection(FALSE);
    EXPECT_FALSE(enabled(grid, wxID_SELECTALL));
}

TEST(GridTransferTest, PastingWhileACellIsEditedPastesIntoTheEdit) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fill(grid, "");
    window.click(window.centre(2, 1));
    window.key(WXK_F2);
    CInPlaceEdit* edit = grid.GetCell(2, 1)->GetEditWnd();
    ASSERT_NE(edit, nullptr);
    putText("more");
    command(grid, wxID_PASTE);
    processPending();
    EXPECT_EQ(edit->GetValue(), "2.1more");
    EXPECT_EQ(grid.GetItemText(2, 2), "2.2");
    window.key(edit, WXK_RETURN);
    EXPECT_EQ(grid.GetItemText(2, 1), "2.1more");
    processPending();
}

TEST(GridTransferTest, TheGridTakesDragsThroughTheDropTargetItRegistered) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    fill(grid, "");
    grid.SetDragAndDrop(TRUE);
    auto* target = dynamic_cast<CGridDropTarget*>(grid.GetDropTarget());
    ASSERT_NE(target, nullptr);
    EXPECT_TRUE(target->IsRegistered());
    const wxPoint over = window.centre(2, 1);
    EXPECT_EQ(target->OnEnter(over.x, over.y, wxDragMove), wxDragMove);
    EXPECT_EQ(target->OnDragOver(over.x, over.y, wxDragMove), wxDragMove);
    EXPECT_EQ(grid.GetDropTargetCell(), CCellID(2, 1));
    EXPECT_NE(grid.GetItemState(2, 1) & kCellDropHighlighted, 0u);
    // Over the header there is nowhere to drop.
    EXPECT_EQ(target->OnDragOver(over.x, 2, wxDragMove), wxDragNone);
    EXPECT_EQ(grid.GetItemState(2, 1) & kCellDropHighlighted, 0u);
    target->OnDragOver(over.x, over.y, wxDragMove);
    target->OnLeave();
    EXPECT_EQ(grid.GetItemState(2, 1) & kCellDropHighlighted, 0u);
    // A grid that takes no drops refuses them.
    grid.SetDragAndDrop(FALSE);
    EXPECT_EQ(target->OnEnter(over.x, over.y, wxDragMove), wxDragNone);
}

// A grid whose drag is dropped on another grid at a point, as the
// toolkit's drag loop would do it with the pointer there.
class DraggingGrid : public CGridCtrl {
public:
    CGridCtrl* target = nullptr;
    wxPoint dropAt;
    UINT keys = 0;
    bool highlightedWhileOver = false;

protected:
    wxDragResult DoDragDrop(wxDataObject& data) override {
        const wxString text = static_cast<wxTextDataObject&>(data).GetText();
        wxDragResult effect = target->OnDragEnter(TRUE, keys, wxPoint(5, 5));
        effect = target->OnDragOver(TRUE, keys, dropAt);
        const CCellID cell = target->GetDropTargetCell();
        highlightedWhileOver = (target->GetItemState(cell.row, cell.col) & kCellDropHighlighted) != 0;
        if (effect == wxDragNone || !target->OnDrop(fromWx(text), effect, dropAt)) {
            target->OnDragLeave();
            return wxDragNone;
        }
        return effect;
    }
};

TEST(GridTransferTest, ADragMovesCellsToAnotherGridOrCopiesThemWithCtrl) {
    auto* source = new DraggingGrid;
    GridTestWindow from(wxSize(400, 200), source);
    GridTestWindow to(wxSize(400, 200));
    fill(*source, "s");
    fill(to.grid(), "t");
    source->SetDragAndDrop(TRUE);
    to.grid().SetDragAndDrop(TRUE);
    source->target = &to.grid();
    source->dropAt = to.centre(2, 1);

    // Select two cells, then press on the selection and move: a drag.
    from.click(from.centre(1, 0));
    from.click(from.centre(1, 1), true);
    from.mouse(wxEVT_LEFT_DOWN, from.centre(1, 0));
    from.mouse(wxEVT_MOTION, from.centre(2, 0));
    from.mouse(wxEVT_LEFT_UP, from.centre(2, 0));
    EXPECT_TRUE(source->highlightedWhileOver);
    EXPECT_EQ(to.grid().GetItemText(2, 1), "s1.0");
    EXPECT_EQ(to.grid().GetItemText(2, 2), "s1.1");
    EXPECT_EQ(to.grid().GetItemState(2, 1) & kCellDropHighlighted, 0u);
    // Moved: the source cells are emptied.
    EXPECT_EQ(source->GetItemText(1, 0), "");
    EXPECT_EQ(source->GetItemText(1, 1), "");
    EXPECT_EQ(source->GetMouseMode(), 0);
    EXPECT_NE(std::find(from.notices.begin(), from.notices.end(), GridNotice{kGridNotifyBeginDrag, 1, 0}),
              from.notices.end());

    // With Ctrl held the drop copies, and the source keeps its texts.
    source->keys = MK_CONTROL;
    source->dropAt = to.centre(3, 0);
    from.click(from.centre(2, 2));
    from.mouse(wxEVT_LEFT_DOWN, from.centre(2, 2));
    from.mouse(wxEVT_MOTION, from.centre(3, 2));
    from.mouse(wxEVT_LEFT_UP, from.centre(3, 2));
    EXPECT_EQ(to.grid().GetItemText(3, 0), "s2.2");
    EXPECT_EQ(source->GetItemText(2, 2), "s2.2");

    // A grid that takes no drops refuses, and the source keeps its text.
    to.grid().SetDragAndDrop(FALSE);
    source->keys = 0;
    from.mouse(wxEVT_LEFT_DOWN, from.centre(2, 2));
    from.mouse(wxEVT_MOTION, from.centre(3, 2));
    from.mouse(wxEVT_LEFT_UP, from.centre(3, 2));
    EXPECT_EQ(source->GetItemText(2, 2), "s2.2");
}

TEST(GridTransferTest, ATitleTipShowsTheWholeTextOfANarrowCell) {
    GridTestWindow window;
    CGridCtrl& grid = window.grid();
    setUpLikeItemPage(grid, {"Role", "Nb"}, {60, 200}, {{"A role with a long name", "short"}, {"Tiny", "x"}});
    CTitleTip* tip = grid.GetTitleTip();
    ASSERT_NE(tip, nullptr);
    window.mouse(wxEVT_MOTION, window.centre(2, 0));
    EXPECT_FALSE(tip->IsShown());
    window.mouse(wxEVT_MOTION, window.centre(1, 1));
    EXPECT_FALSE(tip->IsShown());
    window.mouse(wxEVT_MOTION, window.centre(1, 0));
    ASSERT_TRUE(tip->IsShown());
    EXPECT_EQ(tip->GetShownText(), " A role with a long name ");
    GridRect cell;
    grid.GetCellRect(1, 0, &cell);
    EXPECT_EQ(tip->GetPosition(), grid.ClientToScreen(wxPoint(cell.left, cell.top)));
    EXPECT_GT(tip->GetSize().x, 60);
    // The grid keeps the mouse and the focus.
    EXPECT_EQ(wxWindow::GetCapture(), nullptr);
    EXPECT_EQ(wxWindow::FindFocus(), &grid);

    // Moving inside the cell keeps it; a press goes through to the cell.
    tip->OnMouseMove(wxPoint(5, 3));
    EXPECT_TRUE(tip->IsShown());
    tip->OnButtonDown(wxEVT_LEFT_DOWN, wxPoint(5, 3));
    EXPECT_FALSE(tip->IsShown());
    processPending();
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 0));

    // Leaving the cell hides it.
    window.mouse(wxEVT_LEFT_UP, window.centre(1, 0));
    window.mouse(wxEVT_MOTION, window.centre(1, 0));
    ASSERT_TRUE(tip->IsShown());
    tip->OnMouseMove(wxPoint(5, 60));
    EXPECT_FALSE(tip->IsShown());

    // What ends the tip reaches the grid, the pointer passing through the
    // tip: a move to another cell, the pointer leaving the grid, a press, a
    // key, the window losing the focus.
    const auto shownAgain = [&] {
        // A tip is shown only while the program has the focus.
        grid.SetFocus();
        processPending();
        window.mouse(wxEVT_MOTION, window.centre(2, 0));
        window.mouse(wxEVT_MOTION, window.centre(1, 0));
        return tip->IsShown();
    };
    const wxEventType ends[] = {wxEVT_MOTION,     wxEVT_LEAVE_WINDOW, wxEVT_LEFT_DOWN,
                                wxEVT_RIGHT_DOWN, wxEVT_KEY_DOWN,     wxEVT_ACTIVATE};
    for (const wxEventType end : ends) {
        ASSERT_TRUE(shownAgain()) << "before event " << end;
        if (end == wxEVT_MOTION) {
            window.mouse(wxEVT_MOTION, window.centre(1, 1));
        } else if (end == wxEVT_KEY_DOWN) {
            wxKeyEvent key(wxEVT_KEY_DOWN);
            key.m_keyCode = WXK_DOWN;
            grid.GetEventHandler()->ProcessEvent(key);
        } else if (end == wxEVT_ACTIVATE) {
            wxActivateEvent deactivated(wxEVT_ACTIVATE, false);
            window.frame().GetEventHandler()->ProcessEvent(deactivated);
        } else {
            window.mouse(end, window.centre(1, 0));
            if (end == wxEVT_LEFT_DOWN)
                window.mouse(wxEVT_LEFT_UP, window.centre(1, 0));
        }
        EXPECT_FALSE(tip->IsShown()) << "event " << end;
    }
}

} // namespace
