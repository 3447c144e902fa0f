#pragma once

// How the grid tells its parent what happens: the one event type
// wxEVT_GRIDCTRL_NOTIFY, a command event with the grid's window id, carrying
// the notification code (the kGridNotify... values of GridDefines.h), the
// cell it concerns and, where the code has one, a range or a cell record.
// It reaches the grid's parent and climbs further up while nobody handles
// it, so a page binds it for its grid's id:
//
//     Bind(wxEVT_GRIDCTRL_NOTIFY, &Page::OnGridNotify, this, kRolesGridId);
//
// | code                          | cell                      | extra          | result              |
// |-------------------------------|---------------------------|----------------|---------------------|
// | kGridNotifyClick (-2)         | the cell pressed          |                |                     |
// | kGridNotifyDoubleClick (-3)   | the cell                  |                |                     |
// | kGridNotifyRightClick (-5)    | the cell, (-1,-1) outside |                |                     |
// | kGridNotifySelChanging (-100) | the cell                  |                |                     |
// | kGridNotifySelChanged (-101)  | the cell                  |                |                     |
// | kGridNotifyBeginEdit (-105)   | the cell                  |                | negative cancels    |
// | kGridNotifyEndEdit (-106)     | the cell                  |                | negative reverts    |
// | kGridNotifyBeginDrag (-109)   | top-left selected cell    |                |                     |
// | kGridNotifyCacheHint (-113)   |                           | range to read  |                     |
// | kGridNotifyGetDisplayInfo (-150) | the cell               | item to fill   | fill GetItem()      |
//
// A handler answers with SetResult. The in-place edit sends its own
// kGridNotifyEndEdit to the grid (id kInPlaceEditId) with the item holding
// the final text and, as param, the key that ended the edit.
//
// Besides, the release of the left button after a press on a cell queues a
// wxEVT_GRIDCTRL_COMMAND command event with the grid's id to the parent.

#include "CCellRange.h"
#include "CGridItem.h"

#include <wx/event.h>

class GridNotifyEvent : public wxCommandEvent {
public:
    GridNotifyEvent(wxEventType type = wxEVT_NULL, int id = 0, int code = 0)
        : wxCommandEvent(type, id), m_code(code) {}

    wxEvent* Clone() const override { return new GridNotifyEvent(*this); }

    int GetCode() const { return m_code; }
    int GetRow() const { return m_row; }
    int GetColumn() const { return m_col; }
    void SetCell(int row, int col) { m_row = row, m_col = col; }
    const CCellRange& GetRange() const { return m_range; }
    void SetRange(const CCellRange& range) { m_range = range; }
    // The cell record of codes -150 and of the edit's -106; null otherwise.
    CGridItem* GetItem() const { return m_item; }
    void SetItem(CGridItem* item) { m_item = item; }
    long GetResult() const { return m_result; }
    void SetResult(long result) { m_result = result; }

private:
    int m_code;
    int m_row = -1;
    int m_col = -1;
    CCellRange m_range;
    CGridItem* m_item = nullptr;
    long m_result = 0;
};

wxDECLARE_EVENT(wxEVT_GRIDCTRL_NOTIFY, GridNotifyEvent);
wxDECLARE_EVENT(wxEVT_GRIDCTRL_COMMAND, wxCommandEvent);
