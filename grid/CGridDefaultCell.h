#pragma once

// One of the four cells that every grid keeps for the values its cells do
// not set themselves (normal, fixed-row, fixed-column and corner), with the
// default row height and column width. Given a font it measures them: the
// margin is the width of a space, the width that of " XXXXXXXXXXXX ", the
// height 3/2 of that text's height. A default cell is always read-only and
// keeps no data or state.

#include "CGridCell.h"

class CGridDefaultCell : public CGridCell {
public:
    CGridDefaultCell();

    UINT GetState() const override { return CGridCell::GetState() | kCellReadOnly; }
    void SetState(UINT) override {}
    void SetData(std::intptr_t) override {}
    void SetFont(const wxFont* font) override;
    const wxFont* GetFont() const override { return m_defaultFont.IsOk() ? &m_defaultFont : nullptr; }

    int GetWidth() const { return m_width; }
    int GetHeight() const { return m_height; }
    void SetWidth(int width) { m_width = width; }
    void SetHeight(int height) { m_height = height; }

private:
    int m_width = 30;
    int m_height = 10;
    wxFont m_defaultFont;
};
