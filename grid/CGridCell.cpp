#include "CGridCell.h"

#include "CGridCtrl.h"
#include "CGridDefaultCell.h"
#include "CInPlaceEdit.h"

CGridCell::CGridCell() {
    CGridCell::Reset();
}

CGridCell::~CGridCell() = default;

void CGridCell::SetFont(const wxFont* font) {
    if (!font || !font->IsOk())
        m_plfFont.reset();
    else if (m_plfFont)
        *m_plfFont = *font;
    else
        m_plfFont = std::make_unique<wxFont>(*font);
}

UINT CGridCell::GetFormat() const {
    if (m_nFormat != static_cast<UINT>(-1))
        return m_nFormat;
    CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetFormat() : static_cast<UINT>(-1);
}

const wxFont* CGridCell::GetFont() const {
    if (m_plfFont)
        return m_plfFont.get();
    CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetFont() : nullptr;
}

UINT CGridCell::GetMargin() const {
    if (m_nMargin != static_cast<UINT>(-1))
        return m_nMargin;
    CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetMargin() : static_cast<UINT>(-1);
}

void CGridCell::Reset() {
    CGridCellBase::Reset();
    m_strText.Empty();
    m_nImage = -1;
    m_nFormat = static_cast<UINT>(-1);
    m_nMargin = static_cast<UINT>(-1);
    m_lParam = 0;
    m_pGrid = nullptr;
    m_bEditing = FALSE;
    m_pEditWnd = nullptr;
    m_crFgClr = kNoColour;
    m_crBkClr = kNoColour;
    m_plfFont.reset();
}

BOOL CGridCell::Edit(int row, int col, GridRect rect, wxPoint /*point*/, UINT id, UINT firstChar) {
    if (m_bEditing) {
        if (m_pEditWnd)
            m_pEditWnd->SendChar(firstChar);
        return TRUE;
    }
    const UINT format = GetFormat();
    long style = 0;
    if (format != static_cast<UINT>(-1) && (format & DT_RIGHT))
        style = wxTE_RIGHT;
    else if (format != static_cast<UINT>(-1) && (format & DT_CENTER))
        style = wxTE_CENTER;
    m_bEditing = TRUE;
    m_pEditWnd = CreateEditWindow(rect, style, id, row, col, firstChar);
    // An edit that could not be made leaves the cell as it was: not being
    // edited, with no edit window to end later.
    if (!m_pEditWnd) {
        m_bEditing = FALSE;
        return FALSE;
    }
    return TRUE;
}

CInPlaceEdit* CGridCell::CreateEditWindow(GridRect rect, long style, UINT id, int row, int col,
                                          UINT firstChar) {
    if (!m_pGrid || !m_pGrid->HasWindow())
        return nullptr;
    auto* edit = new CInPlaceEdit(m_pGrid, rect, style, id, row, col, GetText(), firstChar);
    if (!edit->GetHandle()) {
        delete edit;
        return nullptr;
    }
    edit->Start(firstChar);
    return edit;
}

void CGridCell::EndEdit() {
    if (m_pEditWnd)
        m_pEditWnd->EndEdit();
}

void CGridCell::OnEndEdit() {
    m_bEditing = FALSE;
    m_pEditWnd = nullptr;
}
