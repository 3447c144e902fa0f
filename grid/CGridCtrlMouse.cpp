// Selection by the keys and the mouse, resizing rows and columns, the
// autoscroll while selecting, cursors and the edit commands.

#include "CGridCtrl.h"

#include "CGridCell.h"
#include "CTitleTip.h"
#include "GridKeys.h"

#include <algorithm>
#include <cstdlib>
#include <wx/clipbrd.h>
#include <wx/utils.h>

namespace {

// Whether the point lies in the cell's text area (inclusive rectangle).
bool onText(CGridCellBase* cell, GridRect rect, const wxPoint& point) {
    if (!cell || !cell->GetTextRect(rect))
        return false;
    return point.x >= rect.left && point.x <= rect.right && point.y >= rect.top && point.y <= rect.bottom;
}

} // namespace

// ---------------------------------------------------------------------------
// Selection operations

void CGridCtrl::SelectAllCells() {
    if (!m_selectionEnabled)
        return;
    SetSelectedRange(m_fixedRows, m_fixedCols, GetRowCount() - 1, GetColumnCount() - 1, FALSE, TRUE);
}

void CGridCtrl::SelectColumns(CCellID cell, BOOL forceRepaint, BOOL selectCells) {
    if (!m_selectionEnabled || !IsValid(cell) || cell.col < m_fixedCols)
        return;
    if (m_singleColSelection)
        SetSelectedRange(m_fixedRows, cell.col, GetRowCount() - 1, cell.col, forceRepaint, selectCells);
    else
        SetSelectedRange(m_fixedRows, std::min(m_selectionStartCell.col, cell.col), GetRowCount() - 1,
                         std::max(m_selectionStartCell.col, cell.col), forceRepaint, selectCells);
}

void CGridCtrl::SelectRows(CCellID cell, BOOL forceRepaint, BOOL selectCells) {
    if (!m_selectionEnabled || !IsValid(cell) || cell.row < m_fixedRows)
        return;
    if (m_singleRowSelection && m_rowSelectionMode)
        SetSelectedRange(cell.row, m_fixedCols, cell.row, GetColumnCount() - 1, forceRepaint, selectCells);
    else
        SetSelectedRange(std::min(m_selectionStartCell.row, cell.row), m_fixedCols,
                         std::max(m_selectionStartCell.row, cell.row), GetColumnCount() - 1, forceRepaint,
                         selectCells);
}

void CGridCtrl::SelectCells(CCellID cell, BOOL forceRepaint, BOOL selectCells) {
    if (!m_selectionEnabled || !IsValid(cell) || cell.row < m_fixedRows || cell.col < m_fixedCols)
        return;
    SetSelectedRange(std::min(m_selectionStartCell.row, cell.row),
                     std::min(m_selectionStartCell.col, cell.col),
                     std::max(m_selectionStartCell.row, cell.row),
                     std::max(m_selectionStartCell.col, cell.col), forceRepaint, selectCells);
}

void CGridCtrl::OnSelecting(const CCellID& cell) {
    if (!m_selectionEnabled)
        return;
    switch (m_mouseMode) {
    case 1:
        SelectAllCells();
        break;
    case 2:
        SelectColumns(cell, FALSE, TRUE);
        break;
    case 3:
        SelectRows(cell, FALSE, TRUE);
        break;
    case 4:
        SelectCells(cell, FALSE, TRUE);
        break;
    default:
        break;
    }
}

void CGridCtrl::SelectAll() {
    if (!m_selectionEnabled)
        return;
    SendMessageToParent(m_leftClickDownCell.row, m_leftClickDownCell.col, kGridNotifySelChanging);
    SelectAllCells();
    SendMessageToParent(m_focusCell.row, m_focusCell.col, kGridNotifySelChanged);
}

void CGridCtrl::OnFixedRowClick(CCellID& cell) {
    if (!IsValid(cell))
        return;
    if (m_sortOnHeaderClick) {
        std::unique_ptr<wxBusyCursor> busy;
        if (HasWindow())
            busy = std::make_unique<wxBusyCursor>();
        const BOOL ascending = !(cell.col == m_sortColumn && m_sortAscending);
        SortTextItems(cell.col, ascending);
        Refresh();
    }
    if (m_fixedRowClickSelectsColumns) {
        m_mouseMode = cell.col < m_fixedCols ? 1 : 2;
        OnSelecting(cell);
    }
}

void CGridCtrl::OnFixedColumnClick(CCellID& cell) {
    if (!IsValid(cell) || !m_fixedColumnClickSelectsRows)
        return;
    m_mouseMode = cell.row < m_fixedRows ? 1 : 3;
    OnSelecting(cell);
}

// ---------------------------------------------------------------------------
// Keys

bool CGridCtrl::OnKeyDown(UINT key, UINT flags) {
    if (m_titleTip)
        m_titleTip->Hide();
    if (!IsValid(m_focusCell))
        return false;
    const bool shift = (flags & MK_SHIFT) != 0;
    const bool control = (flags & MK_CONTROL) != 0;
    CCellID next = m_focusCell;

    if (control) {
        if (key == VK_INSERT || key == 'C')
            CopySelection();
        else if (key == 'A')
            SelectAll();
        else if (key == 'V')
            PasteAtFocus();
        else if (key == 'X')
            CutSelection();
    }
    if (shift && key == VK_INSERT) {
        PasteAtFocus();
        return false;
    }

    bool wrapped = false;
    // The next shown body row (or column) from an index on, going by step;
    // a move keeps the old value when there is none.
    auto nextRow = [this](int from, int step) {
        return m_rowHeights.NextShown(from, step, m_fixedRows, m_rows - 1);
    };
    auto nextCol = [this](int from, int step) {
        return m_colWidths.NextShown(from, step, m_fixedCols, m_cols - 1);
    };
    auto moveTo = [](int& value, int index) {
        if (index >= 0)
            value = index;
    };
    switch (key) {
    case VK_DELETE:
        ClearSelectedCells();
        break;
    case VK_DOWN:
        moveTo(next.row, nextRow(next.row + 1, 1));
        break;
    case VK_UP:
        moveTo(next.row, nextRow(next.row - 1, -1));
        break;
    case VK_TAB:
        if (shift && next.col == m_fixedCols) {
            // At the first cell of a row: to the last cell of the row above.
            if (next.row <= m_fixedRows)
                return false;
            if (const int row = nextRow(next.row - 1, -1); row >= 0) {
                next = CCellID(row, m_cols - 1);
                wrapped = true;
            }
        } else if (!shift && next.col + 1 >= m_cols) {
            // At the last cell of a row: to the first cell of the row below.
            if (next.row >= m_rows - 1)
                return false;
            if (const int row = nextRow(next.row + 1, 1); row >= 0) {
                next = CCellID(row, m_fixedCols);
                wrapped = true;
            }
        } else {
            moveTo(next.col, shift ? nextCol(next.col - 1, -1) : nextCol(next.col + 1, 1));
        }
        break;
    case VK_RIGHT:
        moveTo(next.col, nextCol(next.col + 1, 1));
        break;
    case VK_LEFT:
        moveTo(next.col, nextCol(next.col - 1, -1));
        break;
    case VK_NEXT: {
        const CCellID before = GetTopLeftNonFixedCell();
        OnVScroll(SB_PAGEDOWN);
        const CCellID after = GetTopLeftNonFixedCell();
        if (after == before)
            next.row = m_rows - 1;
        else
            next.row = std::min(m_rows - 1, next.row + (after.row - before.row));
        break;
    }
    case VK_PRIOR: {
        const CCellID before = GetTopLeftNonFixedCell();
        OnVScroll(SB_PAGEUP);
        const CCellID after = GetTopLeftNonFixedCell();
        if (after == before)
            next.row = m_fixedRows;
        else
            next.row = std::max(m_fixedRows, next.row - (before.row - after.row));
        break;
    }
    case VK_HOME: {
        if (control) {
            OnVScroll(SB_TOP);
            OnHScroll(SB_TOP);
            next.row = m_fixedRows;
        } else {
            OnHScroll(SB_TOP);
        }
        next.col = std::max(nextCol(m_fixedCols, 1), m_fixedCols);
        moveTo(next.row, nextRow(next.row, 1));
        break;
    }
    case VK_END: {
        if (control) {
            OnVScroll(SB_BOTTOM);
            OnHScroll(SB_BOTTOM);
            next.row = m_rows - 1;
        } else {
            OnHScroll(SB_BOTTOM);
        }
        next.col = std::max(nextCol(m_cols - 1, -1), m_fixedCols);
        moveTo(next.row, nextRow(next.row, -1));
        break;
    }
    case VK_F2:
        BeginCellEdit(m_focusCell.row, m_focusCell.col, wxPoint(-1, -1), VK_LBUTTON);
        break;
    default:
        return false;
    }

    if (next == m_focusCell)
        return true;

    if (m_mouseMode == 0) {
        m_prevSelectedCellMap.clear();
        m_mouseMode = m_rowSelectionMode ? 3 : 4;
        if (!shift || key == VK_TAB)
            m_selectionStartCell = next;
        SendMessageToParent(next.row, next.col, kGridNotifySelChanging);
        OnSelecting(next);
        SendMessageToParent(next.row, next.col, kGridNotifySelChanged);
        m_mouseMode = 0;
    }
    SetFocusCell(next);

    if (!IsCellVisible(next)) {
        if (wrapped && key == VK_TAB && !shift) {
            OnVScroll(SB_LINEDOWN);
            SetScrollPos32(SB_HORZ, 0);
        } else if (wrapped) {
            OnVScroll(SB_LINEUP);
            SetScrollPos32(SB_HORZ, m_hScrollMax);
        } else if (key == VK_RIGHT || (key == VK_TAB && !shift)) {
            OnHScroll(SB_LINERIGHT);
        } else if (key == VK_LEFT || key == VK_TAB) {
            OnHScroll(SB_LINELEFT);
        } else if (key == VK_DOWN) {
            OnVScroll(SB_LINEDOWN);
        } else if (key == VK_UP) {
            OnVScroll(SB_LINEUP);
        }
        EnsureVisible(next);
        Refresh();
    }
    EnsureVisible(next);
    return true;
}

bool CGridCtrl::OnChar(UINT ch, UINT flags) {
    if ((flags & MK_CONTROL) || m_mouseMode != 0 || ch == VK_ESCAPE || (ch == VK_TAB && m_handleTabKey))
        return false;
    if (!IsValid(m_focusCell))
        return false;
    // Backspace, Enter and Tab open the edit their own way; any other
    // character is typed into the new edit.
    const UINT first = (ch == VK_BACK || ch == VK_RETURN || ch == VK_TAB) ? ch : (ch | kTypedCharacterFlag);
    if (ch < 0x20 && first == (ch | kTypedCharacterFlag))
        return false;
    BeginCellEdit(m_focusCell.row, m_focusCell.col, wxPoint(-1, -1), first);
    return IsItemEditing(m_focusCell.row, m_focusCell.col);
}

// ---------------------------------------------------------------------------
// Mouse

BOOL CGridCtrl::mouseOverResizeArea(bool columns, const wxPoint& point) {
    // Column dividers are taken in the header rows, row dividers in the
    // fixed columns.
    if ((columns ? point.y : point.x) >= (columns ? GetFixedRowHeight() : GetFixedColumnWidth()))
        return FALSE;
    const CCellID cell = GetCellFromPt(point);
    wxPoint origin;
    if (!GetCellOrigin(cell, &origin))
        return FALSE;
    const int index = columns ? cell.col : cell.row;
    const int start = columns ? origin.x : origin.y;
    const int at = columns ? point.x : point.y;
    const int end = start + (columns ? GetColumnWidth(index) : GetRowHeight(index));
    return (at - start < m_resizeCaptureRange && index != 0) || end - at < m_resizeCaptureRange;
}

BOOL CGridCtrl::mouseOverColumnResizeArea(const wxPoint& point) {
    return m_columnResize && mouseOverResizeArea(true, point);
}

BOOL CGridCtrl::mouseOverRowResizeArea(const wxPoint& point) {
    return m_rowResize && mouseOverResizeArea(false, point);
}

int CGridCtrl::dividerOwner(bool columns, const CCellID& cell, const wxPoint& point) {
    int index = columns ? cell.col : cell.row;
    wxPoint origin;
    if (GetCellOrigin(cell, &origin) &&
        (columns ? point.x - origin.x : point.y - origin.y) < m_resizeCaptureRange && index > 0)
        --index;
    return index;
}

int CGridCtrl::resizeTarget(bool columns, const wxPoint& point) {
    const GridAxis& axis = columns ? m_colWidths : m_rowHeights;
    const int last = (columns ? m_cols : m_rows) - 1;
    GridRect visible;
    GetVisibleNonFixedCellRange(&visible);
    int index = dividerOwner(columns, m_leftClickDownCell, point);
    // A last row or column too narrow to hold its own divider is taken at
    // the end of the cells.
    if (last >= 0 && axis.GetSize(last) < m_resizeCaptureRange &&
        std::abs((columns ? point.x - visible.right : point.y - visible.bottom)) < m_resizeCaptureRange)
        index = last;
    if (!(columns ? m_hiddenColumnsResizable : m_hiddenRowsResizable))
        while (index >= 0 && axis.GetSize(index) == 0)
            --index;
    return index;
}

void CGridCtrl::OnLButtonDown(UINT flags, wxPoint point) {
    const bool control = (flags & MK_CONTROL) != 0;
    if (HasWindow())
        SetFocus();
    m_leftClickDownPoint = point;
    m_leftButtonDown = TRUE;
    m_leftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_leftClickDownCell))
        return;

    if (!(flags & MK_SHIFT))
        m_selectionStartCell = m_leftClickDownCell;
    else if (!IsValid(m_selectionStartCell))
        m_selectionStartCell = m_focusCell;

    EndEditing();
    CGridCellBase* cell = GetCell(m_leftClickDownCell.row, m_leftClickDownCell.col);
    if (cell)
        cell->OnClickDown(GetPointClicked(m_leftClickDownCell.row, m_leftClickDownCell.col, point));
    GridRect rect;
    const bool pressOnText = GetCellRect(m_leftClickDownCell, &rect) && onText(cell, rect, point);

    if (m_leftClickDownCell == m_focusCell && !control && pressOnText &&
        IsCellEditable(m_leftClickDownCell)) {
        m_mouseMode = 10;
        return;
    }

    if (IsCellSelected(m_leftClickDownCell)) {
        SetFocusCell(m_leftClickDownCell);
        if (control) {
            if (m_rowSelectionMode)
                SelectRows(m_leftClickDownCell, TRUE, FALSE);
            else
                SelectCells(m_leftClickDownCell, TRUE, FALSE);
            return;
        }
        if (m_dragAndDrop)
            m_mouseMode = 11;
    } else if (m_mouseMode != 6 && m_mouseMode != 8) {
        const bool body = m_leftClickDownCell.row >= m_fixedRows && m_leftClickDownCell.col >= m_fixedCols;
        SetFocusCell(body ? m_leftClickDownCell : CCellID(-1, -1));
    }

    if (HasWindow() && !HasCapture())
        CaptureMouse();
    if (m_mouseMode == 0) {
        if (mouseOverColumnResizeArea(point)) {
            SetCursor(wxCursor(wxCURSOR_SIZEWE));
            m_mouseMode = 8;
        } else if (mouseOverRowResizeArea(point)) {
            SetCursor(wxCursor(wxCURSOR_SIZENS));
            m_mouseMode = 6;
        }
    }

    if (m_mouseMode == 8 || m_mouseMode == 6) {
        const bool columns = m_mouseMode == 8;
        const int index = resizeTarget(columns, point);
        if (index < 0) {
            m_mouseMode = 0;
        } else {
            m_mouseMode = columns ? 9 : 7;
            (columns ? m_leftClickDownCell.col : m_leftClickDownCell.row) = index;
            m_resizeLine = columns ? point.x : point.y;
            Refresh();
        }
    } else if (m_mouseMode != 11) {
        SendMessageToParent(m_leftClickDownCell.row, m_leftClickDownCell.col, kGridNotifySelChanging);
        m_prevSelectedCellMap.clear();
        if (control)
            m_prevSelectedCellMap = m_selectedCellMap;
        if (m_leftClickDownCell.row < m_fixedRows) {
            OnFixedRowClick(m_leftClickDownCell);
        } else if (m_leftClickDownCell.col < m_fixedCols) {
            OnFixedColumnClick(m_leftClickDownCell);
        } else {
            m_mouseMode = m_rowSelectionMode ? 3 : 4;
            OnSelecting(m_leftClickDownCell);
            if (HasWindow()) {
                if (!m_timer)
                    m_timer = std::make_unique<wxTimer>(this, kAutoScrollTimerId);
                m_timer->Start(m_autoScrollPeriod);
            }
        }
    }
    m_lastMousePoint = point;
}

void CGridCtrl::OnMouseMove(UINT /*flags*/, wxPoint point) {
    const GridRect client = clientRect();
    if (!client.PtInRect(point) && m_mouseMode != 12)
        return;

    if (m_leftButtonDown && m_mouseMode != 0) {
        if (IsValid(m_leftClickDownCell)) {
            switch (m_mouseMode) {
            case 2:
            case 3:
            case 4: {
                const CCellID cell = GetCellFromPt(point);
                if (!IsValid(cell) || cell == m_focusCell)
                    break;
                OnSelecting(cell);
                if (!(m_mouseMode == 4 && (cell.row < m_fixedRows || cell.col < m_fixedCols)))
                    SetFocusCell(cell);
                break;
            }
            case 7:
                m_resizeLine = point.y;
                Refresh();
                break;
            case 9:
                m_resizeLine = point.x;
                Refresh();
                break;
            case 10:
            case 11:
                m_mouseMode = 11;
                StartDrag();
                break;
            default:
                break;
            }
        }
        m_lastMousePoint = point;
        return;
    }

    if (mouseOverColumnResizeArea(point)) {
        if (m_mouseMode != 8 && HasWindow())
            SetCursor(wxCursor(wxCURSOR_SIZEWE));
        m_mouseMode = 8;
    } else if (mouseOverRowResizeArea(point)) {
        if (m_mouseMode != 6 && HasWindow())
            SetCursor(wxCursor(wxCURSOR_SIZENS));
        m_mouseMode = 6;
    } else if (m_mouseMode != 0) {
        if (HasWindow())
            SetCursor(wxCursor(wxCURSOR_ARROW));
        m_mouseMode = 0;
    }
    if (m_mouseMode == 6 || m_mouseMode == 8) {
        m_lastMousePoint = point;
        return;
    }
    if (!m_virtualMode || m_titleTips) {
        const CCellID cell = GetCellFromPt(point);
        if (IsValid(cell)) {
            if (CGridCellBase* gridCell = GetCell(cell.row, cell.col))
                gridCell->OnMouseOver();
            if (m_titleTips)
                showTitleTip(cell);
        }
    }
    m_lastMousePoint = point;
}

void CGridCtrl::showTitleTip(const CCellID& cell) {
    CGridCellBase* gridCell = GetCell(cell.row, cell.col);
    if (!m_titleTip || !gridCell)
        return;
    const CString tip = gridCell->GetTipText();
    if (tip.IsEmpty() || gridCell->IsEditing())
        return;
    GridRect cellRect;
    if (!GetCellRect(cell, &cellRect))
        return;
    GridRect textRect = cellRect;
    if (!gridCell->GetTipTextRect(textRect))
        return;
    m_titleTip->Show(textRect, tip, 0, &cellRect, gridCell->GetFont(), m_titleTipTextColour,
                     m_titleTipBackColour);
}

void CGridCtrl::OnLButtonUp(UINT /*flags*/, wxPoint point) {
    m_leftButtonDown = FALSE;
    if (HasWindow() && HasCapture()) {
        ReleaseMouse();
        if (m_timer)
            m_timer->Stop();
    }
    const CCellID focus = m_focusCell;
    switch (m_mouseMode) {
    case 10:
        BeginCellEdit(focus.row, focus.col, GetPointClicked(focus.row, focus.col, point), VK_LBUTTON);
        break;
    case 11:
        if (CGridCellBase* cell = GetCell(focus.row, focus.col))
            cell->OnClick(GetPointClicked(focus.row, focus.col, point));
        SendMessageToParent(m_leftClickDownCell.row, m_leftClickDownCell.col, kGridNotifyClick);
        SendMessageToParent(m_leftClickDownCell.row, m_leftClickDownCell.col, kGridNotifySelChanging);
        ResetSelectedRange();
        SendMessageToParent(m_focusCell.row, m_focusCell.col, kGridNotifySelChanged);
        break;
    case 9:
    case 7: {
        const bool columns = m_mouseMode == 9;
        m_resizeLine = -1;
        wxPoint origin;
        if (point != m_leftClickDownPoint && point != wxPoint(0, 0) &&
            GetCellOrigin(m_leftClickDownCell, &origin)) {
            if (columns) {
                const int width = std::max(point.x - origin.x, m_zeroWidthAllowed ? 0 : 1);
                SetColumnWidth(m_leftClickDownCell.col, width);
            } else {
                const int height = std::max(point.y - origin.y, m_zeroHeightAllowed ? 0 : 1);
                SetRowHeight(m_leftClickDownCell.row, height);
            }
            ResetScrollBars();
        }
        Refresh();
        break;
    }
    default:
        SendMessageToParent(focus.row, focus.col, kGridNotifySelChanged);
        if (CGridCellBase* cell = GetCell(focus.row, focus.col))
            cell->OnClick(GetPointClicked(focus.row, focus.col, point));
        SendMessageToParent(m_leftClickDownCell.row, m_leftClickDownCell.col, kGridNotifyClick);
        break;
    }
    m_mouseMode = 0;
    if (HasWindow())
        SetCursor(wxCursor(wxCURSOR_ARROW));
    if (IsValid(m_leftClickDownCell) && HasWindow() && GetParent()) {
        auto* command = new wxCommandEvent(wxEVT_GRIDCTRL_COMMAND, GetId());
        command->SetEventObject(this);
        GetParent()->GetEventHandler()->QueueEvent(command);
    }
}

void CGridCtrl::OnLButtonDblClk(UINT /*flags*/, wxPoint point) {
    const CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell))
        return;
    if (m_mouseMode == 8 || m_mouseMode == 6) {
        // The divider's row or column, past hidden ones, fits its cells.
        const bool columns = m_mouseMode == 8;
        const GridAxis& axis = columns ? m_colWidths : m_rowHeights;
        int index = dividerOwner(columns, cell, point);
        while (index > 0 && axis.GetSize(index) == 0)
            --index;
        if (columns)
            AutoSizeColumn(index, m_autoSizeStyle, TRUE);
        else
            AutoSizeRow(index, TRUE);
        Refresh();
    } else if (m_mouseMode == 0) {
        CGridCellBase* gridCell = GetCell(cell.row, cell.col);
        GridRect rect;
        const wxPoint relative = GetPointClicked(cell.row, cell.col, point);
        if (GetCellRect(cell, &rect) && onText(gridCell, rect, point)) {
            const bool body = cell.row >= m_fixedRows && cell.col >= m_fixedCols;
            if (body && (IsValid(m_leftClickDownCell) || m_rowSelectionMode))
                BeginCellEdit(cell.row, cell.col, relative, VK_LBUTTON);
        }
        if (gridCell)
            gridCell->OnDblClick(relative);
        SendMessageToParent(cell.row, cell.col, kGridNotifyDoubleClick);
    }
}

void CGridCtrl::OnRButtonUp(UINT /*flags*/, wxPoint point) {
    EndEditing();
    const CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell)) {
        SendMessageToParent(-1, -1, kGridNotifyRightClick);
        return;
    }
    SetFocusCell(-1, -1);
    SetFocusCell(std::max(cell.row, m_fixedRows), std::max(cell.col, m_fixedCols));
    if (CGridCellBase* gridCell = GetCell(cell.row, cell.col))
        gridCell->OnRClick(GetPointClicked(cell.row, cell.col, point));
    SendMessageToParent(cell.row, cell.col, kGridNotifyRightClick);
}

void CGridCtrl::OnTimer(int id) {
    if (id != kAutoScrollTimerId || !HasWindow())
        return;
    const wxPoint point = ScreenToClient(wxGetMousePosition());
    const GridRect client = clientRect();
    const int fixedHeight = GetFixedRowHeight();
    const int fixedWidth = GetFixedColumnWidth();

    int y = -1;
    if (point.y >= client.bottom) {
        OnKeyDown(VK_DOWN, 0);
        y = client.bottom - 1;
    } else if (point.y < fixedHeight) {
        OnKeyDown(VK_UP, 0);
        y = fixedHeight + 1;
    }
    if (y >= 0)
        OnSelecting(GetCellFromPt(wxPoint(std::clamp(point.x, 0, client.right - 1), y)));

    int x = -1;
    if (point.x >= client.right) {
        OnKeyDown(VK_RIGHT, 0);
        x = client.right - 1;
    } else if (point.x < fixedWidth) {
        OnKeyDown(VK_LEFT, 0);
        x = fixedWidth + 1;
    }
    if (x >= 0)
        OnSelecting(GetCellFromPt(wxPoint(x, std::clamp(point.y, 0, client.bottom - 1))));
}

void CGridCtrl::OnCaptureChanged() {
    if (m_timer)
        m_timer->Stop();
    if (m_mouseMode == 12)
        m_mouseMode = 0;
}

void CGridCtrl::OnSetCursor() {
    if (!HasWindow() || m_mouseMode == 12)
        return;
    if (m_mouseMode == 6) {
        SetCursor(wxCursor(wxCURSOR_SIZENS));
    } else if (m_mouseMode == 8) {
        SetCursor(wxCursor(wxCURSOR_SIZEWE));
    } else {
        const CCellID cell = GetCellFromPt(m_lastMousePoint);
        CGridCellBase* gridCell = m_virtualMode ? nullptr : GetCell(cell.row, cell.col);
        if (gridCell)
            gridCell->OnSetCursor();
        else
            SetCursor(wxCursor(wxCURSOR_ARROW));
    }
}

// ---------------------------------------------------------------------------
// wxWidgets events

namespace {

UINT mouseFlags(const wxMouseEvent& event) {
    return (event.ShiftDown() ? MK_SHIFT : 0) | (event.ControlDown() ? MK_CONTROL : 0);
}

} // namespace

bool CGridCtrl::leavesTabToDialog(UINT key, const wxKeyEvent& event) const {
    return key == VK_TAB && (!m_handleTabKey || event.ControlDown());
}

void CGridCtrl::onKeyDown(wxKeyEvent& event) {
    const UINT key = gridkeys::toVirtualKey(event.GetKeyCode());
    if (!key || leavesTabToDialog(key, event) || !OnKeyDown(key, gridkeys::modifiers(event)))
        event.Skip();
}

void CGridCtrl::onChar(wxKeyEvent& event) {
    const int unicode = event.GetUnicodeKey();
    const UINT ch = unicode != WXK_NONE ? static_cast<UINT>(unicode) : 0;
    if (!ch || leavesTabToDialog(ch, event) || !OnChar(ch, gridkeys::modifiers(event)))
        event.Skip();
}

void CGridCtrl::onLeftDown(wxMouseEvent& event) {
    OnLButtonDown(mouseFlags(event), event.GetPosition());
}

void CGridCtrl::onMotion(wxMouseEvent& event) {
    OnMouseMove(mouseFlags(event), event.GetPosition());
}

void CGridCtrl::onLeftUp(wxMouseEvent& event) {
    OnLButtonUp(mouseFlags(event), event.GetPosition());
}

void CGridCtrl::onLeftDClick(wxMouseEvent& event) {
    OnLButtonDblClk(mouseFlags(event), event.GetPosition());
}

void CGridCtrl::onRightUp(wxMouseEvent& event) {
    OnRButtonUp(mouseFlags(event), event.GetPosition());
    event.Skip();
}

void CGridCtrl::onTimer(wxTimerEvent& event) {
    OnTimer(event.GetId());
}

void CGridCtrl::onCaptureLost(wxMouseCaptureLostEvent&) {
    OnCaptureChanged();
}

void CGridCtrl::onSetCursor(wxSetCursorEvent& event) {
    OnSetCursor();
    event.Skip();
}

void CGridCtrl::onMenu(wxCommandEvent& event) {
    switch (event.GetId()) {
    case wxID_CUT:
        CutSelection();
        break;
    case wxID_COPY:
        CopySelection();
        break;
    case wxID_PASTE:
        PasteAtFocus();
        break;
    case wxID_SELECTALL:
        SelectAll();
        break;
    default:
        event.Skip();
    }
}

void CGridCtrl::onUpdateMenu(wxUpdateUIEvent& event) {
    switch (event.GetId()) {
    case wxID_COPY:
        event.Enable(GetSelectedCount() > 0);
        break;
    case wxID_CUT:
        event.Enable(IsEditable() && GetSelectedCount() > 0);
        break;
    case wxID_PASTE: {
        bool text = false;
        if (IsValid(m_focusCell) && IsCellEditable(m_focusCell) && wxTheClipboard->Open()) {
            text = wxTheClipboard->IsSupported(wxDF_TEXT) || wxTheClipboard->IsSupported(wxDF_UNICODETEXT);
            wxTheClipboard->Close();
        }
        event.Enable(text);
        break;
    }
    case wxID_SELECTALL:
        event.Enable(m_selectionEnabled);
        break;
    default:
        event.Skip();
    }
}
