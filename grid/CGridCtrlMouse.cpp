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
    if (!m_bEnableSelection)
        return;
    SetSelectedRange(m_nFixedRows, m_nFixedCols, GetRowCount() - 1, GetColumnCount() - 1, FALSE, TRUE);
}

void CGridCtrl::SelectColumns(CCellID cell, BOOL forceRepaint, BOOL selectCells) {
    if (!m_bEnableSelection || !IsValid(cell) || cell.col < m_nFixedCols)
        return;
    if (m_bSingleColSelection)
        SetSelectedRange(m_nFixedRows, cell.col, GetRowCount() - 1, cell.col, forceRepaint, selectCells);
    else
        SetSelectedRange(m_nFixedRows, std::min(m_SelectionStartCell.col, cell.col), GetRowCount() - 1,
                         std::max(m_SelectionStartCell.col, cell.col), forceRepaint, selectCells);
}

void CGridCtrl::SelectRows(CCellID cell, BOOL forceRepaint, BOOL selectCells) {
    if (!m_bEnableSelection || !IsValid(cell) || cell.row < m_nFixedRows)
        return;
    if (m_bSingleRowSelection && m_bListMode)
        SetSelectedRange(cell.row, m_nFixedCols, cell.row, GetColumnCount() - 1, forceRepaint, selectCells);
    else
        SetSelectedRange(std::min(m_SelectionStartCell.row, cell.row), m_nFixedCols,
                         std::max(m_SelectionStartCell.row, cell.row), GetColumnCount() - 1, forceRepaint,
                         selectCells);
}

void CGridCtrl::SelectCells(CCellID cell, BOOL forceRepaint, BOOL selectCells) {
    if (!m_bEnableSelection || !IsValid(cell) || cell.row < m_nFixedRows || cell.col < m_nFixedCols)
        return;
    SetSelectedRange(std::min(m_SelectionStartCell.row, cell.row),
                     std::min(m_SelectionStartCell.col, cell.col),
                     std::max(m_SelectionStartCell.row, cell.row),
                     std::max(m_SelectionStartCell.col, cell.col), forceRepaint, selectCells);
}

void CGridCtrl::OnSelecting(const CCellID& cell) {
    if (!m_bEnableSelection)
        return;
    switch (m_MouseMode) {
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
    if (!m_bEnableSelection)
        return;
    SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, kGridNotifySelChanging);
    SelectAllCells();
    SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, kGridNotifySelChanged);
}

void CGridCtrl::OnFixedRowClick(CCellID& cell) {
    if (!IsValid(cell))
        return;
    if (m_bSortOnClick) {
        std::unique_ptr<wxBusyCursor> busy;
        if (HasWindow())
            busy = std::make_unique<wxBusyCursor>();
        const BOOL ascending = !(cell.col == m_nSortColumn && m_bAscending);
        SortTextItems(cell.col, ascending);
        Refresh();
    }
    if (m_bFixedRowSelection) {
        m_MouseMode = cell.col < m_nFixedCols ? 1 : 2;
        OnSelecting(cell);
    }
}

void CGridCtrl::OnFixedColumnClick(CCellID& cell) {
    if (!IsValid(cell) || !m_bFixedColumnSelection)
        return;
    m_MouseMode = cell.row < m_nFixedRows ? 1 : 3;
    OnSelecting(cell);
}

// ---------------------------------------------------------------------------
// Keys

bool CGridCtrl::OnKeyDown(UINT key, UINT flags) {
    if (m_pTitleTip)
        m_pTitleTip->Hide();
    if (!IsValid(m_idCurrentCell))
        return false;
    const bool shift = (flags & MK_SHIFT) != 0;
    const bool control = (flags & MK_CONTROL) != 0;
    CCellID next = m_idCurrentCell;

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
    auto firstRowFrom = [this](int row, int step, int stop) {
        while (row != stop && GetRowHeight(row) == 0)
            row += step;
        return row;
    };
    switch (key) {
    case VK_DELETE:
        ClearSelectedCells();
        break;
    case VK_DOWN: {
        int row = next.row + 1;
        while (row < m_nRows && GetRowHeight(row) == 0)
            ++row;
        if (row < m_nRows)
            next.row = row;
        break;
    }
    case VK_UP: {
        int row = next.row - 1;
        while (row >= m_nFixedRows && GetRowHeight(row) == 0)
            --row;
        if (row >= m_nFixedRows)
            next.row = row;
        break;
    }
    case VK_RIGHT:
    case VK_TAB:
        if (key == VK_TAB && shift) {
            if (next.col == m_nFixedCols) {
                if (next.row > m_nFixedRows) {
                    int row = next.row - 1;
                    while (row >= m_nFixedRows && GetRowHeight(row) == 0)
                        --row;
                    if (row >= m_nFixedRows) {
                        next.row = row;
                        next.col = m_nCols - 1;
                        wrapped = true;
                    }
                } else {
                    return false;
                }
            } else {
                int col = next.col - 1;
                while (col >= m_nFixedCols && GetColumnWidth(col) == 0)
                    --col;
                if (col >= m_nFixedCols)
                    next.col = col;
            }
        } else if (key == VK_TAB && next.col + 1 >= m_nCols) {
            if (next.row < m_nRows - 1) {
                int row = next.row + 1;
                while (row < m_nRows && GetRowHeight(row) == 0)
                    ++row;
                if (row < m_nRows) {
                    next.row = row;
                    next.col = m_nFixedCols;
                    wrapped = true;
                }
            } else {
                return false;
            }
        } else {
            int col = next.col + 1;
            while (col < m_nCols && GetColumnWidth(col) == 0)
                ++col;
            if (col < m_nCols)
                next.col = col;
        }
        break;
    case VK_LEFT: {
        int col = next.col - 1;
        while (col >= m_nFixedCols && GetColumnWidth(col) == 0)
            --col;
        if (col >= m_nFixedCols)
            next.col = col;
        break;
    }
    case VK_NEXT: {
        const CCellID before = GetTopLeftNonFixedCell();
        OnVScroll(SB_PAGEDOWN);
        const CCellID after = GetTopLeftNonFixedCell();
        if (after == before)
            next.row = m_nRows - 1;
        else
            next.row = std::min(m_nRows - 1, next.row + (after.row - before.row));
        break;
    }
    case VK_PRIOR: {
        const CCellID before = GetTopLeftNonFixedCell();
        OnVScroll(SB_PAGEUP);
        const CCellID after = GetTopLeftNonFixedCell();
        if (after == before)
            next.row = m_nFixedRows;
        else
            next.row = std::max(m_nFixedRows, next.row - (before.row - after.row));
        break;
    }
    case VK_HOME: {
        if (control) {
            OnVScroll(SB_TOP);
            OnHScroll(SB_TOP);
            next.row = m_nFixedRows;
        } else {
            OnHScroll(SB_TOP);
        }
        int col = m_nFixedCols;
        while (col < m_nCols - 1 && GetColumnWidth(col) == 0)
            ++col;
        next.col = col;
        if (GetRowHeight(next.row) == 0)
            next.row = firstRowFrom(next.row, 1, m_nRows - 1);
        break;
    }
    case VK_END: {
        if (control) {
            OnVScroll(SB_BOTTOM);
            OnHScroll(SB_BOTTOM);
            next.row = m_nRows - 1;
        } else {
            OnHScroll(SB_BOTTOM);
        }
        int col = m_nCols - 1;
        while (col > m_nFixedCols && GetColumnWidth(col) == 0)
            --col;
        next.col = col;
        if (GetRowHeight(next.row) == 0)
            next.row = firstRowFrom(next.row, -1, m_nFixedRows);
        break;
    }
    case VK_F2:
        BeginCellEdit(m_idCurrentCell.row, m_idCurrentCell.col, wxPoint(-1, -1), VK_LBUTTON);
        break;
    default:
        return false;
    }

    if (next == m_idCurrentCell)
        return true;

    if (m_MouseMode == 0) {
        m_PrevSelectedCellMap.clear();
        m_MouseMode = m_bListMode ? 3 : 4;
        if (!shift || key == VK_TAB)
            m_SelectionStartCell = next;
        SendMessageToParent(next.row, next.col, kGridNotifySelChanging);
        OnSelecting(next);
        SendMessageToParent(next.row, next.col, kGridNotifySelChanged);
        m_MouseMode = 0;
    }
    SetFocusCell(next);

    if (!IsCellVisible(next)) {
        if (wrapped && key == VK_TAB && !shift) {
            OnVScroll(SB_LINEDOWN);
            SetScrollPos32(SB_HORZ, 0);
        } else if (wrapped) {
            OnVScroll(SB_LINEUP);
            SetScrollPos32(SB_HORZ, m_nHScrollMax);
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
    if ((flags & MK_CONTROL) || m_MouseMode != 0 || ch == VK_ESCAPE || (ch == VK_TAB && m_bHandleTabKey))
        return false;
    if (!IsValid(m_idCurrentCell))
        return false;
    // Backspace, Enter and Tab open the edit their own way; any other
    // character is typed into the new edit.
    const UINT first = (ch == VK_BACK || ch == VK_RETURN || ch == VK_TAB) ? ch : (ch | kTypedCharacterFlag);
    if (ch < 0x20 && first == (ch | kTypedCharacterFlag))
        return false;
    BeginCellEdit(m_idCurrentCell.row, m_idCurrentCell.col, wxPoint(-1, -1), first);
    return IsItemEditing(m_idCurrentCell.row, m_idCurrentCell.col);
}

// ---------------------------------------------------------------------------
// Mouse

BOOL CGridCtrl::mouseOverColumnResizeArea(const wxPoint& point) {
    if (point.y >= GetFixedRowHeight())
        return FALSE;
    const CCellID cell = GetCellFromPt(point);
    wxPoint origin;
    if (!GetCellOrigin(cell, &origin))
        return FALSE;
    const int endX = origin.x + GetColumnWidth(cell.col);
    return (point.x - origin.x < m_nResizeCaptureRange && cell.col != 0) ||
           endX - point.x < m_nResizeCaptureRange;
}

BOOL CGridCtrl::mouseOverRowResizeArea(const wxPoint& point) {
    if (point.x >= GetFixedColumnWidth())
        return FALSE;
    const CCellID cell = GetCellFromPt(point);
    wxPoint origin;
    if (!GetCellOrigin(cell, &origin))
        return FALSE;
    const int endY = origin.y + GetRowHeight(cell.row);
    return (point.y - origin.y < m_nResizeCaptureRange && cell.row != 0) ||
           endY - point.y < m_nResizeCaptureRange;
}

void CGridCtrl::OnLButtonDown(UINT flags, wxPoint point) {
    const bool control = (flags & MK_CONTROL) != 0;
    if (HasWindow())
        SetFocus();
    m_LeftClickDownPoint = point;
    m_bLMouseButtonDown = TRUE;
    m_LeftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_LeftClickDownCell))
        return;

    if (!(flags & MK_SHIFT))
        m_SelectionStartCell = m_LeftClickDownCell;
    else if (!IsValid(m_SelectionStartCell))
        m_SelectionStartCell = m_idCurrentCell;

    EndEditing();
    CGridCellBase* cell = GetCell(m_LeftClickDownCell.row, m_LeftClickDownCell.col);
    if (cell)
        cell->OnClickDown(GetPointClicked(m_LeftClickDownCell.row, m_LeftClickDownCell.col, point));
    GridRect rect;
    const bool pressOnText = GetCellRect(m_LeftClickDownCell, &rect) && onText(cell, rect, point);

    if (m_LeftClickDownCell == m_idCurrentCell && !control && pressOnText &&
        IsCellEditable(m_LeftClickDownCell)) {
        m_MouseMode = 10;
        return;
    }

    if (IsCellSelected(m_LeftClickDownCell)) {
        SetFocusCell(m_LeftClickDownCell);
        if (control) {
            if (m_bListMode)
                SelectRows(m_LeftClickDownCell, TRUE, FALSE);
            else
                SelectCells(m_LeftClickDownCell, TRUE, FALSE);
            return;
        }
        if (m_bAllowDragAndDrop)
            m_MouseMode = 11;
    } else if (m_MouseMode != 6 && m_MouseMode != 8) {
        const bool body = m_LeftClickDownCell.row >= m_nFixedRows && m_LeftClickDownCell.col >= m_nFixedCols;
        SetFocusCell(body ? m_LeftClickDownCell : CCellID(-1, -1));
    }

    if (HasWindow() && !HasCapture())
        CaptureMouse();
    if (m_MouseMode == 0) {
        if (m_bAllowColumnResize && mouseOverColumnResizeArea(point)) {
            SetCursor(wxCursor(wxCURSOR_SIZEWE));
            m_MouseMode = 8;
        } else if (m_bAllowRowResize && mouseOverRowResizeArea(point)) {
            SetCursor(wxCursor(wxCURSOR_SIZENS));
            m_MouseMode = 6;
        }
    }

    if (m_MouseMode == 8) {
        m_MouseMode = 9;
        GridRect visible;
        GetVisibleNonFixedCellRange(&visible);
        int col = m_LeftClickDownCell.col;
        wxPoint origin;
        const bool lastIsNarrow = GetColumnWidth(m_nCols - 1) < m_nResizeCaptureRange;
        if (lastIsNarrow && std::abs(point.x - visible.right) < m_nResizeCaptureRange) {
            col = m_nCols - 1;
        } else if (GetCellOrigin(m_LeftClickDownCell, &origin) &&
                   point.x - origin.x < m_nResizeCaptureRange && col > 0) {
            // On the left border: the column to its left is resized.
            --col;
        }
        if (!m_bHiddenColUnhide)
            while (col >= 0 && GetColumnWidth(col) == 0)
                --col;
        if (col < 0) {
            m_MouseMode = 0;
        } else {
            m_LeftClickDownCell.col = col;
            m_resizeLine = point.x;
            Refresh();
        }
    } else if (m_MouseMode == 6) {
        m_MouseMode = 7;
        GridRect visible;
        GetVisibleNonFixedCellRange(&visible);
        int row = m_LeftClickDownCell.row;
        wxPoint origin;
        const bool lastIsNarrow = GetRowHeight(m_nRows - 1) < m_nResizeCaptureRange;
        if (lastIsNarrow && std::abs(point.y - visible.bottom) < m_nResizeCaptureRange) {
            row = m_nRows - 1;
        } else if (GetCellOrigin(m_LeftClickDownCell, &origin) &&
                   point.y - origin.y < m_nResizeCaptureRange && row > 0) {
            --row;
        }
        if (!m_bHiddenRowUnhide)
            while (row >= 0 && GetRowHeight(row) == 0)
                --row;
        if (row < 0) {
            m_MouseMode = 0;
        } else {
            m_LeftClickDownCell.row = row;
            m_resizeLine = point.y;
            Refresh();
        }
    } else if (m_MouseMode != 11) {
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, kGridNotifySelChanging);
        m_PrevSelectedCellMap.clear();
        if (control)
            m_PrevSelectedCellMap = m_SelectedCellMap;
        if (m_LeftClickDownCell.row < m_nFixedRows) {
            OnFixedRowClick(m_LeftClickDownCell);
        } else if (m_LeftClickDownCell.col < m_nFixedCols) {
            OnFixedColumnClick(m_LeftClickDownCell);
        } else {
            m_MouseMode = m_bListMode ? 3 : 4;
            OnSelecting(m_LeftClickDownCell);
            if (HasWindow()) {
                if (!m_timer)
                    m_timer = std::make_unique<wxTimer>(this, kAutoScrollTimerId);
                m_timer->Start(m_nAutoScrollPeriod);
            }
        }
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnMouseMove(UINT /*flags*/, wxPoint point) {
    const GridRect client = clientRect();
    if (!client.PtInRect(point) && m_MouseMode != 12)
        return;

    if (m_bLMouseButtonDown && m_MouseMode != 0) {
        if (IsValid(m_LeftClickDownCell)) {
            switch (m_MouseMode) {
            case 2:
            case 3:
            case 4: {
                const CCellID cell = GetCellFromPt(point);
                if (!IsValid(cell) || cell == m_idCurrentCell)
                    break;
                OnSelecting(cell);
                if (!(m_MouseMode == 4 && (cell.row < m_nFixedRows || cell.col < m_nFixedCols)))
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
                m_MouseMode = 11;
                StartDrag();
                break;
            default:
                break;
            }
        }
        m_LastMousePoint = point;
        return;
    }

    if (m_bAllowColumnResize && mouseOverColumnResizeArea(point)) {
        if (m_MouseMode != 8 && HasWindow())
            SetCursor(wxCursor(wxCURSOR_SIZEWE));
        m_MouseMode = 8;
    } else if (m_bAllowRowResize && mouseOverRowResizeArea(point)) {
        if (m_MouseMode != 6 && HasWindow())
            SetCursor(wxCursor(wxCURSOR_SIZENS));
        m_MouseMode = 6;
    } else if (m_MouseMode != 0) {
        if (HasWindow())
            SetCursor(wxCursor(wxCURSOR_ARROW));
        m_MouseMode = 0;
    }
    if (m_MouseMode == 6 || m_MouseMode == 8) {
        m_LastMousePoint = point;
        return;
    }
    if (!m_bVirtualMode || m_bTitleTips) {
        const CCellID cell = GetCellFromPt(point);
        if (IsValid(cell)) {
            if (CGridCellBase* gridCell = GetCell(cell.row, cell.col))
                gridCell->OnMouseOver();
            if (m_bTitleTips)
                showTitleTip(cell);
        }
    }
    m_LastMousePoint = point;
}

void CGridCtrl::showTitleTip(const CCellID& cell) {
    CGridCellBase* gridCell = GetCell(cell.row, cell.col);
    if (!m_pTitleTip || !gridCell)
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
    m_pTitleTip->Show(textRect, tip, 0, &cellRect, gridCell->GetFont(), m_crTTipFgClr, m_crTTipBackClr);
}

void CGridCtrl::OnLButtonUp(UINT /*flags*/, wxPoint point) {
    m_bLMouseButtonDown = FALSE;
    if (HasWindow() && HasCapture()) {
        ReleaseMouse();
        if (m_timer)
            m_timer->Stop();
    }
    const CCellID focus = m_idCurrentCell;
    switch (m_MouseMode) {
    case 10:
        BeginCellEdit(focus.row, focus.col, GetPointClicked(focus.row, focus.col, point), VK_LBUTTON);
        break;
    case 11:
        if (CGridCellBase* cell = GetCell(focus.row, focus.col))
            cell->OnClick(GetPointClicked(focus.row, focus.col, point));
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, kGridNotifyClick);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, kGridNotifySelChanging);
        ResetSelectedRange();
        SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, kGridNotifySelChanged);
        break;
    case 9:
    case 7: {
        const bool columns = m_MouseMode == 9;
        m_resizeLine = -1;
        wxPoint origin;
        if (point != m_LeftClickDownPoint && point != wxPoint(0, 0) &&
            GetCellOrigin(m_LeftClickDownCell, &origin)) {
            if (columns) {
                const int width = std::max(point.x - origin.x, m_bAllowColHide ? 0 : 1);
                SetColumnWidth(m_LeftClickDownCell.col, width);
            } else {
                const int height = std::max(point.y - origin.y, m_bAllowRowHide ? 0 : 1);
                SetRowHeight(m_LeftClickDownCell.row, height);
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
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, kGridNotifyClick);
        break;
    }
    m_MouseMode = 0;
    if (HasWindow())
        SetCursor(wxCursor(wxCURSOR_ARROW));
    if (IsValid(m_LeftClickDownCell) && HasWindow() && GetParent()) {
        auto* command = new wxCommandEvent(wxEVT_GRIDCTRL_COMMAND, GetId());
        command->SetEventObject(this);
        GetParent()->GetEventHandler()->QueueEvent(command);
    }
}

void CGridCtrl::OnLButtonDblClk(UINT /*flags*/, wxPoint point) {
    const CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell))
        return;
    wxPoint origin;
    if (m_MouseMode == 8) {
        int col = cell.col;
        if (GetCellOrigin(cell, &origin) && point.x - origin.x < m_nResizeCaptureRange && col > 0)
            --col;
        while (col > 0 && GetColumnWidth(col) == 0)
            --col;
        AutoSizeColumn(col, m_nAutoSizeColumnStyle, TRUE);
        Refresh();
    } else if (m_MouseMode == 6) {
        int row = cell.row;
        if (GetCellOrigin(cell, &origin) && point.y - origin.y < m_nResizeCaptureRange && row > 0)
            --row;
        while (row > 0 && GetRowHeight(row) == 0)
            --row;
        AutoSizeRow(row, TRUE);
        Refresh();
    } else if (m_MouseMode == 0) {
        CGridCellBase* gridCell = GetCell(cell.row, cell.col);
        GridRect rect;
        const wxPoint relative = GetPointClicked(cell.row, cell.col, point);
        if (GetCellRect(cell, &rect) && onText(gridCell, rect, point)) {
            const bool body = cell.row >= m_nFixedRows && cell.col >= m_nFixedCols;
            if (body && (IsValid(m_LeftClickDownCell) || m_bListMode))
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
    SetFocusCell(std::max(cell.row, m_nFixedRows), std::max(cell.col, m_nFixedCols));
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
    if (m_MouseMode == 12)
        m_MouseMode = 0;
}

void CGridCtrl::OnSetCursor() {
    if (!HasWindow() || m_MouseMode == 12)
        return;
    if (m_MouseMode == 6) {
        SetCursor(wxCursor(wxCURSOR_SIZENS));
    } else if (m_MouseMode == 8) {
        SetCursor(wxCursor(wxCURSOR_SIZEWE));
    } else {
        const CCellID cell = GetCellFromPt(m_LastMousePoint);
        CGridCellBase* gridCell = m_bVirtualMode ? nullptr : GetCell(cell.row, cell.col);
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

void CGridCtrl::onKeyDown(wxKeyEvent& event) {
    const UINT key = gridkeys::toVirtualKey(event.GetKeyCode());
    if (!key || !OnKeyDown(key, gridkeys::modifiers(event)))
        event.Skip();
}

void CGridCtrl::onChar(wxKeyEvent& event) {
    const int unicode = event.GetUnicodeKey();
    const UINT ch = unicode != WXK_NONE ? static_cast<UINT>(unicode) : 0;
    if (!ch || !OnChar(ch, gridkeys::modifiers(event)))
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
        if (IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell) && wxTheClipboard->Open()) {
            text = wxTheClipboard->IsSupported(wxDF_TEXT) || wxTheClipboard->IsSupported(wxDF_UNICODETEXT);
            wxTheClipboard->Close();
        }
        event.Enable(text);
        break;
    }
    case wxID_SELECTALL:
        event.Enable(m_bEnableSelection);
        break;
    default:
        event.Skip();
    }
}
