// In-place editing: opening the edit over a cell, taking its text back, and
// moving on to the next cell when a navigation key ended the edit.

#include "CGridCtrl.h"

#include "CGridCell.h"
#include "CTitleTip.h"

void CGridCtrl::BeginCellEdit(int row, int col, wxPoint point, UINT firstChar) {
    if (m_titleTip)
        m_titleTip->Hide();
    if (!IsValid(row, col) || !IsCellEditable(row, col))
        return;
    EnsureVisible(row, col);
    GridRect rect;
    if (!IsCellVisible(row, col) || !GetCellRect(row, col, &rect))
        return;
    if (SendMessageToParent(row, col, kGridNotifyBeginEdit) < 0)
        return;
    if (CGridCellBase* cell = GetCell(row, col))
        cell->Edit(row, col, rect, point, kInPlaceEditId, firstChar);
}

void CGridCtrl::EndEditing() {
    if (CGridCellBase* cell = GetCell(m_focusCell.row, m_focusCell.col))
        cell->EndEdit();
}

void CGridCtrl::commitCellText(int row, int col, const CString& text) {
    const CString old = GetItemText(row, col);
    if (text == old)
        return;
    SetItemText(row, col, text);
    if (ValidateCellEdit(row, col, text) && SendMessageToParent(row, col, kGridNotifyEndEdit) >= 0) {
        SetModified(TRUE, row, col);
        RedrawCell(row, col);
    } else {
        SetItemText(row, col, old);
    }
}

void CGridCtrl::EndCellEdit(int row, int col, const CString& text) {
    CGridCellBase* cell = GetCell(row, col);
    if (!cell)
        return;
    commitCellText(row, col, text);
    cell->OnEndEdit();
}

BOOL CGridCtrl::ValidateCellEdit(int row, int col, const CString& text) {
    CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->ValidateEdit(text) : TRUE;
}

void CGridCtrl::onNotify(GridNotifyEvent& event) {
    if (event.GetId() != kInPlaceEditId || event.GetCode() != kGridNotifyEndEdit || !event.GetItem()) {
        event.Skip();
        return;
    }
    onEndInPlaceEdit(event);
}

void CGridCtrl::onEndInPlaceEdit(GridNotifyEvent& event) {
    const CGridItem& item = *event.GetItem();
    EndCellEdit(item.row, item.col, item.text);
    event.SetResult(0);
    // A navigation key that ended the edit moves on and opens the next one,
    // so that the user types through a row or a column.
    const UINT key = static_cast<UINT>(item.param);
    switch (key) {
    case VK_TAB:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        OnKeyDown(key, item.state);
        BeginCellEdit(m_focusCell.row, m_focusCell.col, wxPoint(-1, -1), key);
        break;
    default:
        break;
    }
}
