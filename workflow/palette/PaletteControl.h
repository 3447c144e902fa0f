#pragma once

// What the three palettes share (the drop-down colour palette, the
// line-style palette and the honeycomb of "More Colors"): a plain object,
// not a window, that lays out, paints and drives its cells inside a host
// window and talks to that window only by posting messages to it. Each
// palette holds one current value (a colour, or a pen style) that need not
// be one of its cells; the host forwards mouse and key input in client
// coordinates and paints through draw.

#include "PaletteDC.h"
#include "PaletteWindow.h"

class PaletteControl {
public:
    virtual ~PaletteControl() = default;

    // Keeps the host and its client rectangle, the value as the current one
    // and whether the host is a popup, then lays the cells out.
    void init(PaletteWindow* window, DWORD value, const CRect& client, BOOL popup);
    // After the host's size changed: the new client rectangle, then relayout.
    void setClientRect(const CRect& client) { m_client = client; }
    void relayout() { layout(); }
    virtual void layout() = 0;
    virtual void draw(PaletteDC& dc) = 0;

    // The pressed pointer moved (the host calls it for the press point too):
    // the cell under it becomes the selection; over "Custom..." the row is
    // drawn pressed until the release.
    void onMouseMove(UINT flags, int x, int y);
    // The button was released: a cell under it is chosen; over "Custom..."
    // the custom message is posted.
    void onLButtonUp(UINT flags, int x, int y);
    virtual void onKeyDown(UINT key, UINT repeat, UINT flags) = 0;
    void cancelMode() {}

    // The first cell under the point becomes the selection; its index, or
    // -1 when no cell is under the point.
    int selectAt(int x, int y);
    // The first cell of the value becomes the selection; a value no cell
    // holds becomes current all the same and shows in the "Custom..." row.
    void moveSelection(DWORD value);
    // Posts the palette's choice, or its cancel, with the value; a popup hides.
    void choose(DWORD value, long lParam);
    void cancel(DWORD value, long lParam);

    DWORD getCurrent() const { return m_current; }
    BOOL isPopup() const { return m_popup; }
    BOOL isCustomShown() const { return m_customShown; }
    void setCustomShown(BOOL shown) { m_customShown = shown; }
    BOOL isCustomHot() const { return m_customHot; }
    void setBorderStyle(int style) { m_borderStyle = style; }
    const CRect& getClient() const { return m_client; }
    const CRect& getCellsArea() const { return m_cellsArea; }
    const CRect& getCustomArea() const { return m_customArea; }
    const CRect& getCustomRow() const { return m_customRow; }
    const CRect& getSeparator() const { return m_separator; }

    virtual int getCellCount() const = 0;
    virtual DWORD getCellValue(int index) const = 0;
    virtual CRect getCellBounds(int index) const = 0;
    virtual BOOL cellHit(int index, int x, int y) const = 0;

    // Where the caption strip of a popup lies.
    CRect captionStrip() const;

protected:
    // The messages of this palette's choice, cancel and "Custom..." row.
    PaletteControl(UINT selectedMessage, UINT cancelMessage, UINT customMessage, int margin,
                   BOOL customShown);

    // What a palette does when the pressed pointer reaches a cell, beyond
    // selecting it.
    virtual void onCellPassed(int) {}

    // Escape (or VK_CANCEL) cancels and Enter chooses the current value, in
    // a popup only; whether the key was one of them.
    bool onEndKey(UINT key);

    // The cell the arrow keys count from: the first of the current value,
    // or the first cell when none holds it.
    int keyOrigin() const;
    // The cells before and after one in index order: from the first to the
    // last when wrapping (the first stays otherwise), from the last to the
    // first.
    int cellBefore(int index, bool wrap) const;
    int cellAfter(int index) const { return (index + 1) % getCellCount(); }

    int firstCellWithValue(DWORD value) const;
    int firstCellAt(int x, int y) const;
    // Repaints the rectangle grown by 2 pixels on every side.
    void invalidate(const CRect& rect);
    void post(UINT message, DWORD wParam, long lParam);
    void hideIfPopup();

    // The client rectangle less the margins, with the given room at the top.
    CRect contentArea(int top) const;
    // Empties the custom area, then, when the row is shown, takes it (and
    // the separator above it, when there is one) off the bottom of d.
    void layoutCustomRow(CRect& d, bool withSeparator);

    // Style 2: raised, white and black outside, button face and shadow
    // inside. Style 14: an etched frame.
    void drawBorder(PaletteDC& dc, int style, COLORREF face, COLORREF shadow) const;
    void drawCaptionStrip(PaletteDC& dc) const;
    // The separator, the "Custom..." row (with a sample of the current
    // colour when no cell holds it) and its pressed frame.
    void drawCustomRow(PaletteDC& dc, bool cellSelected);
    void drawCustom(PaletteDC& dc, BOOL showSample);
    void drawHot(PaletteDC& dc) const;

    CRect m_cellsArea;
    CRect m_client;
    CRect m_customArea;
    CRect m_customRow;
    CRect m_separator;
    DWORD m_current = 0;
    PaletteWindow* m_window = nullptr;
    BOOL m_popup = FALSE;
    BOOL m_customHot = FALSE;
    CString m_customText = "Custom...";
    BOOL m_customShown;
    int m_margin;
    int m_borderStyle = 2;

private:
    UINT m_selectedMessage;
    UINT m_cancelMessage;
    UINT m_customMessage;
};
