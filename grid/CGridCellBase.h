#pragma once

// One cell of a grid: its state bits and, through the derived classes, its
// text, image, data, format, colours, font and margin. A cell draws itself
// on the screen and on paper, measures itself, and opens and closes the
// in-place edit of its text. Where it has no value of its own it takes the
// value of one of the grid's four default cells, chosen by whether it lies
// in a fixed row and/or a fixed column.

#include "CString.h"
#include "GridDefines.h"
#include "GridRect.h"

#include <cstdint>
#include <wx/dc.h>
#include <wx/font.h>

class CGridCtrl;
class CGridDefaultCell;
class CInPlaceEdit;

class CGridCellBase {
public:
    CGridCellBase() = default;
    virtual ~CGridCellBase() = default;
    CGridCellBase(const CGridCellBase&) = delete;
    CGridCellBase& operator=(const CGridCellBase&) = delete;

    virtual void SetText(const char* text) = 0;
    virtual void SetImage(int image) = 0;
    virtual void SetData(std::intptr_t data) = 0;
    virtual void SetState(UINT state) { m_state = state; }
    virtual void SetFormat(UINT format) = 0;
    virtual void SetTextColor(COLORREF colour) = 0;
    virtual void SetBackColor(COLORREF colour) = 0;
    // Null (or an invalid font) drops the cell's own font.
    virtual void SetFont(const wxFont* font) = 0;
    virtual void SetMargin(UINT margin) = 0;
    virtual void SetGrid(CGridCtrl* grid) = 0;
    // Told by the grid when it creates, moves or draws the cell.
    virtual void SetCoords(int /*row*/, int /*col*/) {}

    virtual CString GetText() const = 0;
    virtual CString GetTipText() const { return GetText(); }
    virtual int GetImage() const = 0;
    virtual std::intptr_t GetData() const = 0;
    virtual UINT GetState() const { return m_state; }
    virtual UINT GetFormat() const = 0;
    virtual COLORREF GetTextColor() const = 0;
    virtual COLORREF GetBackColor() const = 0;
    // The cell's own font, else its default cell's; null without either.
    virtual const wxFont* GetFont() const = 0;
    virtual CGridCtrl* GetGrid() const = 0;
    virtual CInPlaceEdit* GetEditWnd() const = 0;
    virtual UINT GetMargin() const = 0;
    virtual CGridDefaultCell* GetDefaultCell() const;

    virtual BOOL IsDefaultFont() const = 0;
    virtual BOOL IsEditing() const = 0;
    BOOL IsFocused() const { return (GetState() & kCellFocused) != 0; }
    BOOL IsFixed() const { return (GetState() & kCellFixed) != 0; }
    BOOL IsFixedCol() const { return (GetState() & kCellFixedColumn) != 0; }
    BOOL IsFixedRow() const { return (GetState() & kCellFixedRow) != 0; }
    BOOL IsSelected() const { return (GetState() & kCellSelected) != 0; }
    BOOL IsReadOnly() const { return (GetState() & kCellReadOnly) != 0; }
    BOOL IsModified() const { return (GetState() & kCellModified) != 0; }
    BOOL IsDropHighlighted() const { return (GetState() & kCellDropHighlighted) != 0; }

    // Takes everything of the other cell, its inherited format and margin
    // resolved.
    virtual void CopyFrom(const CGridCellBase& cell);
    virtual void Reset() { m_state = 0; }

    // Draws the cell into the rectangle (inclusive; its grid line falls on
    // right and bottom). TRUE when drawn.
    virtual BOOL Draw(wxDC& dc, int row, int col, GridRect rect, BOOL eraseBkgnd = TRUE);
    // Moves the left edge past the image. Always TRUE.
    virtual BOOL GetTextRect(GridRect& rect);
    virtual BOOL GetTipTextRect(GridRect& rect) { return GetTextRect(rect); }
    // The size the text needs in this cell, margins included; without a
    // device context one of the grid window is used, and without any the
    // default cell's size is the answer.
    virtual wxSize GetTextExtent(const CString& text, wxDC* dc = nullptr);
    // The size the whole cell needs: text and image.
    virtual wxSize GetCellExtent(wxDC& dc);

    // Opens an in-place edit over the rectangle; a base cell cannot be edited.
    virtual BOOL Edit(int /*row*/, int /*col*/, GridRect /*rect*/, wxPoint /*point*/, UINT /*id*/,
                      UINT /*firstChar*/) {
        return FALSE;
    }
    virtual BOOL ValidateEdit(const CString& /*text*/) { return TRUE; }
    virtual void EndEdit() {}
    virtual BOOL PrintCell(wxDC& dc, int row, int col, GridRect rect);
    virtual void OnEndEdit() {}

    // Hooks the grid calls for the cell under the mouse; points are relative
    // to the cell.
    virtual void OnMouseOver() {}
    virtual void OnClick(wxPoint /*point*/) {}
    virtual void OnClickDown(wxPoint /*point*/) {}
    virtual void OnRClick(wxPoint /*point*/) {}
    virtual void OnDblClick(wxPoint /*point*/) {}
    // Sets the grid's cursor for the cell: the arrow.
    virtual BOOL OnSetCursor();

protected:
    // The text and back colours the cell is drawn in: its own or its default cell's.
    COLORREF resolvedTextColor() const;
    // Selects the cell's font into the context, if it has one.
    void selectFont(wxDC& dc) const;
    // Whether the image of the cell can be drawn, and its size.
    bool imageSize(int& width, int& height) const;

    UINT m_state = 0;
};
