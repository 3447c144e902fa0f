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
        m_font.reset();
    else if (m_font)
        *m_font = *font;
    else
        m_font = std::make_unique<wxFont>(*font);
}

UINT CGridCell::GetFormat() const {
    if (m_format != static_cast<UINT>(-1))
        return m_format;
    CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetFormat() : static_cast<UINT>(-1);
}

const wxFont* CGridCell::GetFont() const {
    if (m_font)
        return m_font.get();
    CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetFont() : nullptr;
}

UINT CGridCell::GetMargin() const {
    if (m_margin != static_cast<UINT>(-1))
        return m_margin;
    CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetMargin() : static_cast<UINT>(-1);
}

void CGridCell::Reset() {
    CGridCellBase::Reset();
    m_text.Empty();
    m_image = -1;
    m_format = static_cast<UINT>(-1);
    m_margin = static_cast<UINT>(-1);
    m_data = 0;
    m_grid = nullptr;
    m_editing = FALSE;
    m_editWnd = nullptr;
    m_textColour = kNoColour;
    m_backColour = kNoColour;
    m_font.reset();
}

BOOL CGridCell::Edit(int row, int col, GridRect rect, wxPoint /*point*/, UINT id, UINT firstChar) {
    if (m_editing) {
        if (m_editWnd)
            m_editWnd->SendChar(firstChar);
        return TRUE;
    }
    const UINT format = GetFormat();
    long style = 0;
    if (format != static_cast<UINT>(-1) && (format & DT_RIGHT))
        style = wxTE_RIGHT;
    else if (format != static_cast<UINT>(-1) && (format & DT_CENTER))
        style = wxTE_CENTER;
    m_editing = TRUE;
    m_editWnd = CreateEditWindow(rect, style, id, row, col, firstChar);
    // An edit that could not be made leaves the cell as it was: not being
    // edited, with no edit window to end later.
    if (!m_editWnd) {
        m_editing = FALSE;
        return FALSE;
    }
    return TRUE;
}

CInPlaceEdit* CGridCell::CreateEditWindow(GridRect rect, long style, UINT id, int row, int col,
                                          UINT firstChar) {
    if (!m_grid || !m_grid->HasWindow())
        return nullptr;
    auto* edit = new CInPlaceEdit(m_grid, rect, style, id, row, col, GetText(), firstChar);
    if (!edit->GetHandle()) {
        delete edit;
        return nullptr;
    }
    edit->Start(firstChar);
    return edit;
}

void CGridCell::EndEdit() {
    if (m_editWnd)
        m_editWnd->EndEdit();
}

void CGridCell::OnEndEdit() {
    m_editing = FALSE;
    m_editWnd = nullptr;
}
