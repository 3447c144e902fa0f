// Painting: the background of the four areas in at most six rectangles,
// every visible cell through its own Draw, then the body's grid lines.

#include "CGridCtrl.h"

#include "GridSystem.h"

#include <algorithm>
#include <wx/dcbuffer.h>
#include <wx/dcclient.h>
#include <wx/graphics.h>

namespace {

void fill(wxDC& dc, int left, int top, int right, int bottom, COLORREF colour) {
    if (right <= left || bottom <= top)
        return;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(gridsystem::toWx(colour)));
    dc.DrawRectangle(left, top, right - left, bottom - top);
}

} // namespace

void CGridCtrl::onPaint(wxPaintEvent&) {
    // Painting into an off-screen bitmap first keeps the window from ever
    // showing a half-painted state.
    std::unique_ptr<wxDC> dc;
    if (m_doubleBuffer)
        dc = std::make_unique<wxBufferedPaintDC>(this);
    else
        dc = std::make_unique<wxPaintDC>(this);
    if (wxGraphicsContext* gc = dc->GetGraphicsContext())
        gc->SetAntialiasMode(wxANTIALIAS_NONE);
    const wxRect box = GetUpdateRegion().GetBox();
    dc->SetClippingRegion(box);
    OnDraw(*dc);
    drawResizeLine(*dc);
}

void CGridCtrl::OnDraw(wxDC& dc) {
    wxCoord cx, cy, cw, ch;
    dc.GetClippingBox(&cx, &cy, &cw, &ch);
    GridRect clip{cx, cy, cx + cw, cy + ch};
    if (cw == 0 && ch == 0) {
        const wxSize size = dc.GetSize();
        clip = GridRect{0, 0, size.x, size.y};
    }
    if (!m_allowDraw || clip.IsRectEmpty())
        return;

    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();
    GridRect visibleRect;
    const CCellRange visible = GetVisibleNonFixedCellRange(&visibleRect);

    // Background of the corner, the fixed bands, the body and beyond.
    const GridRect& C = clip;
    const GridRect& V = visibleRect;
    if (C.left < fixedWidth && C.top < fixedHeight)
        fill(dc, C.left, C.top, fixedWidth, fixedHeight, m_cellFixedRowColDef->GetBackColor());
    if (C.left < fixedWidth && std::max(C.top, fixedHeight) < V.bottom)
        fill(dc, C.left, std::max(C.top, fixedHeight), fixedWidth, V.bottom,
             m_cellFixedColDef->GetBackColor());
    if (C.top < fixedHeight && fixedWidth < C.right && C.left < V.right)
        fill(dc, fixedWidth - 1, C.top, V.right, fixedHeight, m_cellFixedRowDef->GetBackColor());
    const GridRect body = V.Intersect(C);
    if (!body.IsRectEmpty())
        fill(dc, std::max(body.left, fixedWidth), std::max(body.top, fixedHeight), body.right, body.bottom,
             m_cellDefault->GetBackColor());
    if (V.right < C.right)
        fill(dc, V.right, C.top, C.right, C.bottom, m_backgroundColour);
    if (V.bottom < C.bottom && C.left < V.right)
        fill(dc, C.left, V.bottom, V.right, C.bottom, m_backgroundColour);

    if (m_virtualMode)
        SendCacheHintToParent(visible);
    drawCells(dc, 0, m_fixedRows - 1, 0, 0, m_fixedCols - 1, 0, clip, false);
    drawCells(dc, visible.minRow, visible.maxRow, fixedHeight, 0, m_fixedCols - 1, 0, clip, true);
    drawCells(dc, 0, m_fixedRows - 1, 0, visible.minCol, visible.maxCol, fixedWidth, clip, true);
    drawCells(dc, visible.minRow, visible.maxRow, fixedHeight, visible.minCol, visible.maxCol, fixedWidth,
              clip, true);

    // Grid lines of the body; the fixed cells draw their own edges.
    dc.SetPen(wxPen(gridsystem::toWx(m_gridLineColour), 1));
    if (m_gridLines == GVL_VERT || m_gridLines == GVL_BOTH) {
        int x = fixedWidth;
        for (int col = visible.minCol; col <= visible.maxCol; ++col) {
            const int width = GetColumnWidth(col);
            if (width <= 0)
                continue;
            x += width;
            dc.DrawLine(x - 1, fixedHeight, x - 1, V.bottom);
        }
    }
    if (m_gridLines == GVL_HORZ || m_gridLines == GVL_BOTH) {
        int y = fixedHeight;
        for (int row = visible.minRow; row <= visible.maxRow; ++row) {
            const int height = GetRowHeight(row);
            if (height <= 0)
                continue;
            y += height;
            dc.DrawLine(fixedWidth, y - 1, V.right, y - 1);
        }
    }
    if (m_virtualMode)
        SendCacheHintToParent(CCellRange());
}

void CGridCtrl::drawCells(wxDC& dc, int firstRow, int lastRow, int y0, int firstCol, int lastCol, int x0,
                          const GridRect& clip, bool clipTests) {
    GridRect rect;
    int y = y0 - 1;
    for (int row = firstRow; row <= lastRow; ++row) {
        const int height = GetRowHeight(row);
        if (height <= 0)
            continue;
        rect.top = y + 1;
        rect.bottom = y + height;
        y = rect.bottom;
        if (clipTests && rect.top > clip.bottom)
            break;
        if (clipTests && rect.bottom < clip.top)
            continue;
        int x = x0 - 1;
        for (int col = firstCol; col <= lastCol; ++col) {
            const int width = GetColumnWidth(col);
            if (width <= 0)
                continue;
            rect.left = x + 1;
            rect.right = x + width;
            x = rect.right;
            if (clipTests && rect.left > clip.right)
                break;
            if (clipTests && rect.right < clip.left)
                continue;
            if (CGridCellBase* cell = GetCell(row, col)) {
                cell->SetCoords(row, col);
                cell->Draw(dc, row, col, rect, FALSE);
            }
        }
    }
}

void CGridCtrl::drawResizeLine(wxDC& dc) {
    if (m_resizeLine < 0 || (m_mouseMode != 7 && m_mouseMode != 9))
        return;
    const GridRect client = clientRect();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxBLACK_BRUSH);
    if (m_mouseMode == 9)
        dc.DrawRectangle(m_resizeLine, 0, 2, client.bottom);
    else
        dc.DrawRectangle(0, m_resizeLine, client.right, 2);
}

BOOL CGridCtrl::RedrawCell(int row, int col, wxDC* dc) {
    if (!m_allowDraw || !IsCellVisible(row, col))
        return FALSE;
    GridRect rect;
    if (!GetCellRect(row, col, &rect))
        return FALSE;
    // Without a context the cell is painted with the window's next paint.
    if (!dc) {
        InvalidateCellRect(row, col);
        return TRUE;
    }
    CGridCellBase* cell = GetCell(row, col);
    if (row >= m_fixedRows && col >= m_fixedCols) {
        if (cell) {
            cell->SetCoords(row, col);
            cell->Draw(*dc, row, col, rect, TRUE);
        }
        dc->SetPen(wxPen(gridsystem::toWx(m_gridLineColour), 1));
        if (m_gridLines == GVL_HORZ || m_gridLines == GVL_BOTH)
            dc->DrawLine(rect.left, rect.bottom, rect.right + 1, rect.bottom);
        if (m_gridLines == GVL_VERT || m_gridLines == GVL_BOTH)
            dc->DrawLine(rect.right, rect.top, rect.right, rect.bottom + 1);
    } else if (cell) {
        cell->SetCoords(row, col);
        cell->Draw(*dc, row, col, rect, TRUE);
    }
    return TRUE;
}

BOOL CGridCtrl::InvalidateCellRect(int row, int col) {
    if (!HasWindow() || !m_allowDraw || !IsValid(row, col) || !IsCellVisible(row, col))
        return FALSE;
    GridRect rect;
    if (!GetCellRect(row, col, &rect))
        return FALSE;
    const wxRect area(rect.left, rect.top, rect.Width() + 2, rect.Height() + 2);
    Refresh(true, &area);
    return TRUE;
}
