#pragma once

// The cell the grid makes by default: it stores what differs from its
// default cell (-1 and kNoColour mean "inherited") and edits its text in an
// in-place edit.

#include "CGridCellBase.h"

#include <memory>

class CGridCell : public CGridCellBase {
public:
    CGridCell();
    ~CGridCell() override;

    void SetText(const char* text) override { m_strText = text ? text : ""; }
    void SetImage(int image) override { m_nImage = image; }
    void SetData(std::intptr_t data) override { m_lParam = data; }
    void SetFormat(UINT format) override { m_nFormat = format; }
    void SetTextColor(COLORREF colour) override { m_crFgClr = colour; }
    void SetBackColor(COLORREF colour) override { m_crBkClr = colour; }
    void SetFont(const wxFont* font) override;
    void SetMargin(UINT margin) override { m_nMargin = margin; }
    void SetGrid(CGridCtrl* grid) override { m_pGrid = grid; }

    CString GetText() const override { return m_strText; }
    int GetImage() const override { return m_nImage; }
    std::intptr_t GetData() const override { return m_lParam; }
    UINT GetFormat() const override;
    COLORREF GetTextColor() const override { return m_crFgClr; }
    COLORREF GetBackColor() const override { return m_crBkClr; }
    const wxFont* GetFont() const override;
    CGridCtrl* GetGrid() const override { return m_pGrid; }
    CInPlaceEdit* GetEditWnd() const override { return m_pEditWnd; }
    UINT GetMargin() const override;

    BOOL IsDefaultFont() const override { return m_plfFont == nullptr; }
    BOOL IsEditing() const override { return m_bEditing; }

    void Reset() override;
    BOOL Edit(int row, int col, GridRect rect, wxPoint point, UINT id, UINT firstChar) override;
    void EndEdit() override;
    void OnEndEdit() override;

protected:
    // Makes the edit window over the cell; null when it cannot be made.
    virtual CInPlaceEdit* CreateEditWindow(GridRect rect, long style, UINT id, int row, int col,
                                           UINT firstChar);

private:
    CString m_strText;
    std::intptr_t m_lParam = 0;
    int m_nImage = -1;
    UINT m_nFormat = static_cast<UINT>(-1);
    COLORREF m_crFgClr = kNoColour;
    COLORREF m_crBkClr = kNoColour;
    std::unique_ptr<wxFont> m_plfFont;
    UINT m_nMargin = static_cast<UINT>(-1);
    BOOL m_bEditing = FALSE;
    CGridCtrl* m_pGrid = nullptr;
    CInPlaceEdit* m_pEditWnd = nullptr;
};
