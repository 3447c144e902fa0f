// Where cells lie in the window, which cell lies under a point, which cells
// are visible, and how the scroll bars are sized and moved.

#include "CGridCtrl.h"

#include "CGridDropTarget.h"
#include "CTitleTip.h"
#include "GridSystem.h"
#include "WxScrollCode.h"

#include <algorithm>

GridRect CGridCtrl::clientRect() const {
    if (!HasWindow())
        return GridRect{};
    const wxSize size = GetClientSize();
    return GridRect{0, 0, size.x, size.y};
}

CCellID CGridCtrl::GetTopLeftNonFixedCell(BOOL force) {
    if (m_topLeftCell.IsValid() && !force)
        return m_topLeftCell;
    // The first column whose left edge in the body lies at or after the
    // scroll position: the body is always drawn from a cell boundary.
    int col = m_fixedCols;
    if (m_cols > m_fixedCols)
        col = m_colWidths.FirstStartingAtOrAfter(m_colWidths.GetStart(m_fixedCols) + m_hScrollPos,
                                                 m_fixedCols, m_cols - 1);
    int row = m_fixedRows;
    if (m_rows > m_fixedRows)
        row = m_rowHeights.FirstStartingAtOrAfter(m_rowHeights.GetStart(m_fixedRows) + m_vScrollPos,
                                                  m_fixedRows, m_rows - 1);
    m_topLeftCell = CCellID(row, col);
    return m_topLeftCell;
}

namespace {

// The last row (or column) that the client edge reaches, from the first
// visible one, and where the visible cells end: at the client edge, or
// before it when the cells end first.
int lastVisible(const GridAxis& axis, int first, int count, int fixedSize, int clientEdge, int& end) {
    const int last =
        axis.FirstEndingAtOrAfter(axis.GetStart(first) + clientEdge - fixedSize, first, count - 1);
    end = last < count ? clientEdge : fixedSize + static_cast<int>(axis.GetSum(first, count));
    return std::min(last, count - 1);
}

// The row (or column) under a position: in the fixed band when allowed,
// else in the body from the first visible one; -1 for none.
int indexAt(const GridAxis& axis, int position, int fixedCount, int fixedSize, int firstVisible, int count,
            BOOL allowFixed) {
    if (position < 0 || (!allowFixed && position < fixedSize))
        return -1;
    if (position < fixedSize)
        return axis.FirstEndingAtOrAfter(position + 1, 0, fixedCount - 1);
    const int index = axis.FirstEndingAtOrAfter(axis.GetStart(firstVisible) + position - fixedSize + 1,
                                                firstVisible, count - 1);
    return index < count ? index : -1;
}

} // namespace

CCellRange CGridCtrl::GetVisibleNonFixedCellRange(GridRect* rect, BOOL force) {
    const GridRect client = clientRect();
    const CCellID topLeft = GetTopLeftNonFixedCell(force);
    int bottom = 0, right = 0;
    const int lastRow =
        lastVisible(m_rowHeights, topLeft.row, m_rows, GetFixedRowHeight(), client.bottom, bottom);
    const int lastCol =
        lastVisible(m_colWidths, topLeft.col, m_cols, GetFixedColumnWidth(), client.right, right);
    if (rect)
        *rect = GridRect{0, 0, right, bottom};
    return CCellRange(topLeft.row, topLeft.col, lastRow, lastCol);
}

BOOL CGridCtrl::GetCellOrigin(int row, int col, wxPoint* point) {
    if (!IsValid(row, col) || !point)
        return FALSE;
    CCellID topLeft;
    if (col >= m_fixedCols || row >= m_fixedRows)
        topLeft = GetTopLeftNonFixedCell();
    if ((row >= m_fixedRows && row < topLeft.row) || (col >= m_fixedCols && col < topLeft.col))
        return FALSE;
    point->x = col < m_fixedCols
                   ? static_cast<int>(m_colWidths.GetStart(col))
                   : GetFixedColumnWidth() + static_cast<int>(m_colWidths.GetSum(topLeft.col, col));
    point->y = row < m_fixedRows
                   ? static_cast<int>(m_rowHeights.GetStart(row))
                   : GetFixedRowHeight() + static_cast<int>(m_rowHeights.GetSum(topLeft.row, row));
    return TRUE;
}

BOOL CGridCtrl::GetCellRect(int row, int col, GridRect* rect) {
    wxPoint origin;
    if (!rect || !GetCellOrigin(row, col, &origin))
        return FALSE;
    rect->left = origin.x;
    rect->top = origin.y;
    rect->right = origin.x + GetColumnWidth(col) - 1;
    rect->bottom = origin.y + GetRowHeight(row) - 1;
    return TRUE;
}

wxPoint CGridCtrl::GetPointClicked(int row, int col, const wxPoint& point) {
    wxPoint origin;
    if (!GetCellOrigin(row, col, &origin))
        return wxPoint(0, 0);
    return point - origin;
}

CCellID CGridCtrl::GetCellFromPt(wxPoint point, BOOL allowFixedCellCheck) {
    const CCellID topLeft = GetTopLeftNonFixedCell();
    if (!allowFixedCellCheck && !IsValid(topLeft))
        return CCellID(-1, -1);
    return CCellID(indexAt(m_rowHeights, point.y, m_fixedRows, GetFixedRowHeight(), topLeft.row, m_rows,
                           allowFixedCellCheck),
                   indexAt(m_colWidths, point.x, m_fixedCols, GetFixedColumnWidth(), topLeft.col, m_cols,
                           allowFixedCellCheck));
}

BOOL CGridCtrl::IsCellVisible(int row, int col) {
    if (!HasWindow())
        return FALSE;
    wxPoint origin;
    if (!GetCellOrigin(row, col, &origin))
        return FALSE;
    const GridRect client = clientRect();
    return origin.x < client.right && origin.y < client.bottom;
}

void CGridCtrl::EnsureVisible(int row, int col) {
    if (!m_allowDraw)
        return;
    wxWindow* focus = FindFocus();
    auto restoreFocus = [focus] {
        if (focus && FindFocus() != focus)
            focus->SetFocus();
    };

    const CCellRange visible = GetVisibleNonFixedCellRange();
    for (int c = visible.maxCol + 1, n = col - visible.maxCol; n > 0; --n, ++c)
        if (GetColumnWidth(c) > 0)
            OnHScroll(SB_LINERIGHT);
    for (int c = visible.minCol - 1, n = visible.minCol - col; n > 0; --n, --c)
        if (GetColumnWidth(c) > 0)
            OnHScroll(SB_LINELEFT);
    for (int r = visible.maxRow + 1, n = row - visible.maxRow; n > 0; --n, ++r)
        if (GetRowHeight(r) > 0)
            OnVScroll(SB_LINEDOWN);
    for (int r = visible.minRow - 1, n = visible.minRow - row; n > 0; --n, --r)
        if (GetRowHeight(r) > 0)
            OnVScroll(SB_LINEUP);

    GridRect rect;
    if (!GetCellRect(row, col, &rect)) {
        restoreFocus();
        return;
    }
    const GridRect client = clientRect();
    // While the cell is cut off, scroll one more step, and stop as soon as
    // the scroll position no longer moves (the cell cannot come further).
    while (rect.right > client.right && rect.left > GetFixedColumnWidth() && IsScrollBarShown(SB_HORZ)) {
        const int before = m_hScrollPos;
        OnHScroll(SB_LINERIGHT);
        if (m_hScrollPos == before || !GetCellRect(row, col, &rect))
            break;
    }
    while (rect.bottom > client.bottom && rect.top > GetFixedRowHeight() && IsScrollBarShown(SB_VERT)) {
        const int before = m_vScrollPos;
        OnVScroll(SB_LINEDOWN);
        if (m_vScrollPos == before || !GetCellRect(row, col, &rect))
            break;
    }
    restoreFocus();
}

BOOL CGridCtrl::IsScrollBarShown(int bar) const {
    return (m_barState & (bar == SB_HORZ ? 1 : 2)) != 0;
}

void CGridCtrl::EnableScrollBars(int bar, BOOL enable) {
    const int bits = bar == SB_BOTH ? 3 : bar == SB_HORZ ? 1 : 2;
    const int wanted = enable ? (m_barState | bits) : (m_barState & ~bits);
    if (wanted == m_barState)
        return;
    m_barState = wanted;
    if (HasWindow()) {
        if (!(m_barState & 1) && (bits & 1))
            SetScrollbar(wxHORIZONTAL, 0, 0, 0);
        if (!(m_barState & 2) && (bits & 2))
            SetScrollbar(wxVERTICAL, 0, 0, 0);
    }
}

int CGridCtrl::GetScrollPos32(int bar, BOOL /*track*/) const {
    return bar == SB_HORZ ? m_hScrollPos : m_vScrollPos;
}

BOOL CGridCtrl::SetScrollPos32(int bar, int pos, BOOL redraw) {
    m_topLeftCell = CCellID(-1, -1);
    // Like a scroll bar, the position stays within the range less the page.
    const int max = bar == SB_HORZ ? m_hScrollMax : m_vScrollMax;
    const int page = bar == SB_HORZ ? m_hScrollPage : m_vScrollPage;
    const int clamped = std::clamp(pos, 0, std::max(0, max - std::max(page, 1) + 1));
    (bar == SB_HORZ ? m_hScrollPos : m_vScrollPos) = clamped;
    if (HasWindow() && IsScrollBarShown(bar))
        SetScrollPos(bar == SB_HORZ ? wxHORIZONTAL : wxVERTICAL, clamped, redraw);
    return TRUE;
}

void CGridCtrl::ResetScrollBars() {
    m_topLeftCell = CCellID(-1, -1);
    if (!m_allowDraw || !HasWindow())
        return;
    GridRect rect = clientRect();
    if (rect.IsRectEmpty())
        return;
    // The client area as if no scroll bar were shown: the window less its
    // border. What a bar takes is learnt while one is shown (nothing where
    // the desktop lays its bars over the content).
    const wxSize full = GetSize() - GetWindowBorderSize();
    if (IsScrollBarShown(SB_VERT))
        m_vBarWidth = std::max(0, full.x - rect.right);
    if (IsScrollBarShown(SB_HORZ))
        m_hBarHeight = std::max(0, full.y - rect.bottom);
    rect.right = std::max(rect.right, full.x);
    rect.bottom = std::max(rect.bottom, full.y);
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();
    if (rect.left + fixedWidth >= rect.right || rect.top + fixedHeight >= rect.bottom) {
        EnableScrollBars(SB_BOTH, FALSE);
        m_hScrollMax = m_vScrollMax = m_hScrollPage = m_vScrollPage = 0;
        m_hScrollPos = m_vScrollPos = 0;
        return;
    }
    const int heightNeeded = GetVirtualHeight() - fixedHeight;
    const int widthNeeded = GetVirtualWidth() - fixedWidth;
    int visibleWidth = rect.right;
    int visibleHeight = rect.bottom - fixedHeight;
    if (visibleHeight < heightNeeded)
        visibleWidth -= m_vBarWidth;
    visibleWidth -= fixedWidth;
    if (visibleWidth < widthNeeded)
        visibleHeight -= m_hBarHeight;

    if (visibleHeight < heightNeeded) {
        EnableScrollBars(SB_VERT, TRUE);
        m_vScrollMax = heightNeeded - 1;
    } else {
        EnableScrollBars(SB_VERT, FALSE);
        m_vScrollMax = 0;
    }
    if (visibleWidth < widthNeeded) {
        EnableScrollBars(SB_HORZ, TRUE);
        m_hScrollMax = widthNeeded - 1;
    } else {
        EnableScrollBars(SB_HORZ, FALSE);
        m_hScrollMax = 0;
    }
    m_hScrollPage = m_hScrollMax ? visibleWidth : 0;
    m_vScrollPage = m_vScrollMax ? visibleHeight : 0;
    // Positions stay within the new ranges.
    SetScrollPos32(SB_HORZ, m_hScrollPos, FALSE);
    SetScrollPos32(SB_VERT, m_vScrollPos, FALSE);
    if (IsScrollBarShown(SB_HORZ))
        SetScrollbar(wxHORIZONTAL, m_hScrollPos, m_hScrollPage, m_hScrollMax + 1, true);
    if (IsScrollBarShown(SB_VERT))
        SetScrollbar(wxVERTICAL, m_vScrollPos, m_vScrollPage, m_vScrollMax + 1, true);
    m_topLeftCell = CCellID(-1, -1);
}

void CGridCtrl::OnHScroll(int code, int thumbPos) {
    scrollBy(SB_HORZ, code, thumbPos);
}

void CGridCtrl::OnVScroll(int code, int thumbPos) {
    scrollBy(SB_VERT, code, thumbPos);
}

void CGridCtrl::scrollBy(int bar, int code, int thumbPos) {
    EndEditing();
    if (m_titleTip)
        m_titleTip->Hide();
    const bool horizontal = bar == SB_HORZ;
    const GridAxis& axis = horizontal ? m_colWidths : m_rowHeights;
    const int firstBody = horizontal ? m_fixedCols : m_fixedRows;
    const int last = (horizontal ? m_cols : m_rows) - 1;
    const int pos = GetScrollPos32(bar);
    const int max = horizontal ? m_hScrollMax : m_vScrollMax;
    const CCellID topLeft = GetTopLeftNonFixedCell();
    const int topLeftIndex = horizontal ? topLeft.col : topLeft.row;
    const GridRect client = clientRect();
    const int fixed = horizontal ? GetFixedColumnWidth() : GetFixedRowHeight();
    const wxRect body = horizontal ? wxRect(fixed, 0, std::max(0, client.right - fixed), client.bottom)
                                   : wxRect(0, fixed, client.right, std::max(0, client.bottom - fixed));
    const int clientSpan = (horizontal ? client.right : client.bottom) - fixed;

    switch (code) {
    case SB_LINEUP:
        if (pos >= 1 && topLeftIndex > firstBody) {
            int index = topLeftIndex - 1;
            while (index > firstBody && axis.GetSize(index) == 0)
                --index;
            SetScrollPos32(bar, std::max(0, pos - axis.GetSize(index)));
            Refresh(true, &body);
        }
        break;
    case SB_LINEDOWN:
        if (pos < max && topLeftIndex <= last) {
            int index = topLeftIndex;
            while (index < last && axis.GetSize(index) == 0)
                ++index;
            SetScrollPos32(bar, pos + axis.GetSize(index));
            if (GetScrollPos32(bar) != pos)
                Refresh(true, &body);
        }
        break;
    case SB_PAGEUP:
        if (pos >= 1) {
            SetScrollPos32(bar, std::max(0, pos - clientSpan));
            Refresh(true, &body);
        }
        break;
    case SB_PAGEDOWN:
        if (pos < max) {
            SetScrollPos32(bar, std::min(max, pos + clientSpan));
            Refresh(true, &body);
        }
        break;
    case SB_TOP:
        if (pos > 0) {
            SetScrollPos32(bar, 0);
            Refresh();
        }
        break;
    case SB_BOTTOM:
        if (pos < max) {
            SetScrollPos32(bar, max);
            Refresh();
        }
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
        SetScrollPos32(bar, thumbPos);
        const CCellID newTopLeft = GetTopLeftNonFixedCell();
        if (newTopLeft != topLeft)
            Refresh(true, &body);
        break;
    }
    default:
        break;
    }
}

void CGridCtrl::OnMouseWheel(UINT /*flags*/, int delta) {
    // A touchpad turns the wheel in small parts: they add up until they make
    // a whole line (or page), and what is left over waits for the next part.
    const bool pages = m_wheelLines == -1;
    m_wheelRest += static_cast<long long>(delta) * (pages ? 1 : m_wheelLines);
    const int steps = static_cast<int>(m_wheelRest / 120);
    m_wheelRest -= static_cast<long long>(steps) * 120;
    for (int i = 0; i < steps; ++i)
        OnVScroll(pages ? SB_PAGEUP : SB_LINEUP);
    for (int i = 0; i < -steps; ++i)
        OnVScroll(pages ? SB_PAGEDOWN : SB_LINEDOWN);
}

void CGridCtrl::onMouseWheel(wxMouseEvent& event) {
    m_wheelLines = event.IsPageScroll() ? -1 : event.GetLinesPerAction();
    if (event.GetWheelAxis() != wxMOUSE_WHEEL_VERTICAL)
        return;
    OnMouseWheel(0, event.GetWheelRotation() * 120 / std::max(1, event.GetWheelDelta()));
}

void CGridCtrl::onScroll(wxScrollWinEvent& event) {
    const int code = scrollCodeOf(event);
    if (event.GetOrientation() == wxHORIZONTAL)
        OnHScroll(code, event.GetPosition());
    else
        OnVScroll(code, event.GetPosition());
    // A bar moved by the user shows the position the grid settled on.
    const int bar = event.GetOrientation() == wxHORIZONTAL ? SB_HORZ : SB_VERT;
    if (IsScrollBarShown(bar))
        SetScrollPos(event.GetOrientation(), GetScrollPos32(bar));
}

void CGridCtrl::onSize(wxSizeEvent& event) {
    // One size message at a time, for all grids: showing or hiding a scroll
    // bar sizes the window again.
    static bool handling = false;
    event.Skip();
    if (handling || !HasWindow())
        return;
    if (m_dropTarget && !m_dropTarget->IsRegistered())
        m_dropTarget->Register(this);
    // The toolkit also sends size events when nothing changed (a layout pass
    // of the parent, or the one that adding the in-place edit causes); those
    // must not end the edit the user is typing in.
    const wxSize clientSize = GetClientSize();
    if (clientSize == m_handledClientSize)
        return;
    m_handledClientSize = clientSize;
    handling = true;
    EndEditing();
    ResetScrollBars();
    handling = false;
}
