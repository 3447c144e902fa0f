// Cell texts through the clipboard and drag and drop: the selected block
// written as text, a text spread over the cells from a starting cell, and
// every change guarded like an edit.

#include "CGridCtrl.h"

#include "CGridCell.h"
#include "CInPlaceEdit.h"
#include "GridClipboardText.h"
#include "GridSystem.h"
#include "WxText.h"

#include <algorithm>
#include <wx/clipbrd.h>
#include <wx/dcmemory.h>

void CGridCtrl::ReplaceCellText(int row, int col, const CString& text) {
    if (!IsCellEditable(row, col) || SendMessageToParent(row, col, kGridNotifyBeginEdit) < 0)
        return;
    commitCellText(row, col, text);
}

void CGridCtrl::ClearSelectedCells() {
    if (!m_editable)
        return;
    std::vector<CCellID> cells;
    for (const auto& [key, cell] : m_selectedCellMap)
        cells.push_back(cell);
    for (const CCellID& cell : cells)
        ReplaceCellText(cell.row, cell.col, "");
}

CString CGridCtrl::GetSelectionText() {
    const CCellRange selection = GetSelectedCellRange();
    if (!IsValid(selection))
        return CString();
    if (m_virtualMode)
        SendCacheHintToParent(selection);
    CString text;
    bool firstLine = true;
    for (int row = selection.minRow; row <= selection.maxRow; ++row) {
        if (GetRowHeight(row) <= 0)
            continue;
        if (!firstLine)
            text += "\r\n";
        firstLine = false;
        bool firstField = true;
        for (int col = selection.minCol; col <= selection.maxCol; ++col) {
            if (GetColumnWidth(col) <= 0)
                continue;
            if (!firstField)
                text += "\t";
            firstField = false;
            if (!m_selectedCellMap.count(selectionKey(row, col)))
                continue;
            if (const CGridCellBase* cell = GetCell(row, col))
                text += GridClipboardText::quoteField(cell->GetText());
        }
    }
    if (m_virtualMode)
        SendCacheHintToParent(CCellRange());
    return text;
}

wxDataObject* CGridCtrl::CreateTextDataSource() {
    if (!IsValid(GetSelectedCellRange()))
        return nullptr;
    return new wxTextDataObject(toWx(GetSelectionText()));
}

bool CGridCtrl::putOnClipboard(wxDataObject* source) {
    if (!wxTheClipboard->Open()) {
        delete source;
        return false;
    }
    const bool put = wxTheClipboard->SetData(source);
    wxTheClipboard->Close();
    m_ownsClipboard = m_ownsClipboard || put;
    return put;
}

void CGridCtrl::CopySelection() {
    if (wxDataObject* source = CreateTextDataSource())
        putOnClipboard(source);
}

BOOL CGridCtrl::CutSelection() {
    if (!m_editable)
        return FALSE;
    wxDataObject* source = CreateTextDataSource();
    // The cells are emptied only once their text is safe on the clipboard.
    if (!source || !putOnClipboard(source))
        return FALSE;
    ClearSelectedCells();
    return TRUE;
}

void CGridCtrl::PasteAtFocus() {
    if (!m_editable)
        return;
    const CCellRange selection = GetSelectedCellRange();
    CCellID target = IsValid(selection) ? selection.GetTopLeft() : m_focusCell;
    if (!IsValid(target))
        target = GetTopLeftNonFixedCell();
    if (!IsValid(target))
        return;
    CGridCellBase* cell = GetCell(target.row, target.col);
    if (cell && cell->IsEditing() && cell->GetEditWnd()) {
        cell->GetEditWnd()->Paste();
        return;
    }
    if (!wxTheClipboard->Open())
        return;
    wxTextDataObject data;
    const bool hasText =
        wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT);
    const bool read = hasText && wxTheClipboard->GetData(data);
    wxTheClipboard->Close();
    if (read)
        PasteText(target, fromWx(data.GetText()), TRUE);
}

BOOL CGridCtrl::PasteText(CCellID cell, const CString& text, BOOL selectPasted) {
    if (!IsValid(cell) || !IsCellEditable(cell))
        return FALSE;
    CCellRange pasted(cell.row, cell.col, -1, -1);
    int row = cell.row;
    for (const std::vector<CString>& fields : GridClipboardText::split(text)) {
        while (row < m_rows && GetRowHeight(row) == 0)
            ++row;
        int col = cell.col;
        for (const CString& field : fields) {
            while (col < m_cols && GetColumnWidth(col) == 0)
                ++col;
            if (IsValid(row, col)) {
                ReplaceCellText(row, col, field);
                SetItemState(row, col, GetItemState(row, col) & ~kCellSelected);
                pasted.maxRow = std::max(pasted.maxRow, row);
                pasted.maxCol = std::max(pasted.maxCol, col);
            }
            ++col;
        }
        ++row;
    }
    if (selectPasted) {
        SetSelectedRange(pasted, TRUE, TRUE);
    } else {
        ResetSelectedRange();
        Refresh();
    }
    return TRUE;
}

wxDragResult CGridCtrl::DoDragDrop(wxDataObject& data) {
    wxDropSource source(this);
    source.SetData(data);
    return source.DoDragDrop(wxDrag_AllowMove);
}

void CGridCtrl::StartDrag() {
    if (!m_dragAndDrop)
        return;
    std::unique_ptr<wxDataObject> source(CreateTextDataSource());
    if (!source)
        return;
    const CCellRange selection = GetSelectedCellRange();
    SendMessageToParent(selection.minRow, selection.minCol, kGridNotifyBeginDrag);
    m_mouseMode = 12;
    m_leftButtonDown = FALSE;
    if (HasWindow() && HasCapture())
        ReleaseMouse();
    const wxDragResult result = DoDragDrop(*source);
    if (result == wxDragMove)
        ClearSelectedCells();
    m_mouseMode = 0;
}

wxDragResult CGridCtrl::OnDragEnter(BOOL offersText, UINT flags, wxPoint point) {
    if (!m_dragAndDrop || !offersText)
        return wxDragNone;
    m_dropTargetCell = GetCellFromPt(point, FALSE);
    if (!IsValid(m_dropTargetCell) || !IsCellEditable(m_dropTargetCell))
        return wxDragNone;
    SetItemState(m_dropTargetCell.row, m_dropTargetCell.col,
                 GetItemState(m_dropTargetCell.row, m_dropTargetCell.col) | kCellDropHighlighted);
    RedrawCell(m_dropTargetCell);
    return (flags & MK_CONTROL) ? wxDragCopy : wxDragMove;
}

wxDragResult CGridCtrl::OnDragOver(BOOL offersText, UINT flags, wxPoint point) {
    if (!m_dragAndDrop || !m_editable || !offersText)
        return wxDragNone;
    const CCellID cell = GetCellFromPt(point, FALSE);
    if (!IsValid(cell)) {
        OnDragLeave();
        m_dropTargetCell = CCellID(-1, -1);
        return wxDragNone;
    }
    if (!IsCellEditable(cell))
        return wxDragNone;
    if (cell != m_dropTargetCell) {
        if (IsValid(m_dropTargetCell)) {
            SetItemState(m_dropTargetCell.row, m_dropTargetCell.col,
                         GetItemState(m_dropTargetCell.row, m_dropTargetCell.col) & ~kCellDropHighlighted);
            RedrawCell(m_dropTargetCell);
        }
        m_dropTargetCell = cell;
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | kCellDropHighlighted);
        RedrawCell(cell);
    }
    return (flags & MK_CONTROL) ? wxDragCopy : wxDragMove;
}

void CGridCtrl::OnDragLeave() {
    if (!IsValid(m_dropTargetCell))
        return;
    SetItemState(m_dropTargetCell.row, m_dropTargetCell.col,
                 GetItemState(m_dropTargetCell.row, m_dropTargetCell.col) & ~kCellDropHighlighted);
    RedrawCell(m_dropTargetCell);
}

BOOL CGridCtrl::OnDrop(const CString& text, wxDragResult /*effect*/, wxPoint /*point*/) {
    m_mouseMode = 0;
    if (!m_dragAndDrop || !IsCellEditable(m_dropTargetCell))
        return FALSE;
    OnDragLeave();
    return PasteText(m_dropTargetCell, text, FALSE);
}

wxImageList* CGridCtrl::CreateFocusCellImage(wxPoint* hotSpot) {
    GridRect rect;
    if (!HasWindow() || !GetCellRect(m_focusCell, &rect))
        return nullptr;
    const int width = rect.Width() + 1, height = rect.Height() + 1;
    if (hotSpot)
        *hotSpot = wxPoint(width, height);
    wxBitmap bitmap(width, height);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(gridsystem::toWx(m_cellDefault->GetBackColor())));
        dc.Clear();
        if (CGridCellBase* cell = GetCell(m_focusCell.row, m_focusCell.col))
            cell->Draw(dc, m_focusCell.row, m_focusCell.col, GridRect{0, 0, width - 1, height - 1}, FALSE);
    }
    auto* list = new wxImageList(width, height, true, 1);
    if (list->Add(bitmap, gridsystem::toWx(m_cellDefault->GetBackColor())) < 0) {
        delete list;
        return nullptr;
    }
    return list;
}
