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

    void SetText(const char* text) override { m_text = text ? text : ""; }
    void SetImage(int image) override { m_image = image; }
    void SetData(std::intptr_t data) override { m_data = data; }
    void SetFormat(UINT format) override { m_format = format; }
    void SetTextColor(COLORREF colour) override { m_textColour = colour; }
    void SetBackColor(COLORREF colour) override { m_backColour = colour; }
    void SetFont(const wxFont* font) override;
    void SetMargin(UINT margin) override { m_margin = margin; }
    void SetGrid(CGridCtrl* grid) override { m_grid = grid; }

    CString GetText() const override { return m_text; }
    int GetImage() const override { return m_image; }
    std::intptr_t GetData() const override { return m_data; }
    UINT GetFormat() const override;
    COLORREF GetTextColor() const override { return m_textColour; }
    COLORREF GetBackColor() const override { return m_backColour; }
    const wxFont* GetFont() const override;
    CGridCtrl* GetGrid() const override { return m_grid; }
    CInPlaceEdit* GetEditWnd() const override { return m_editWnd; }
    UINT GetMargin() const override;

    BOOL IsDefaultFont() const override { return m_font == nullptr; }
    BOOL IsEditing() const override { return m_editing; }

    void Reset() override;
    BOOL Edit(int row, int col, GridRect rect, wxPoint point, UINT id, UINT firstChar) override;
    void EndEdit() override;
    void OnEndEdit() override;

protected:
    // Makes the edit window over the cell; null when it cannot be made.
    virtual CInPlaceEdit* CreateEditWindow(GridRect rect, long style, UINT id, int row, int col,
                                           UINT firstChar);

private:
    CString m_text;
    std::intptr_t m_data = 0;
    int m_image = -1;
    UINT m_format = static_cast<UINT>(-1);
    COLORREF m_textColour = kNoColour;
    COLORREF m_backColour = kNoColour;
    std::unique_ptr<wxFont> m_font;
    UINT m_margin = static_cast<UINT>(-1);
    BOOL m_editing = FALSE;
    CGridCtrl* m_grid = nullptr;
    CInPlaceEdit* m_editWnd = nullptr;
};
