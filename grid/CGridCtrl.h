#pragma once

// The grid control: a child window that shows and edits a table of cells,
// with a band of fixed (header) rows at the top and fixed columns at the
// left that never scroll, and a scrolling body. The item pages use it as a
// list with one header row and whole-row single selection.
//
// The object exists before its window: every dimension and cell operation
// works without one (and without a display), and painting, scroll bars and
// notifications wait for Create. Positions count pixels; the body scrolls
// by whole rows and columns. The grid tells its parent what happens through
// GridNotifyEvent (see there for the codes and their records).
//
// The grid draws itself on a scrolled window, but keeps its scroll state
// and scroll-bar ranges itself: the window's own scrolling helper (which
// would scroll by fixed pixel steps and move the fixed bands too) is taken
// out of the event chain at construction. It is a plain window, not a
// panel: a panel with children (the title tip, an open in-place edit) gives
// the keyboard focus to them and can no longer take it itself.

#include "CCellID.h"
#include "CCellRange.h"
#include "CGridCellBase.h"
#include "CGridDefaultCell.h"
#include "CGridItem.h"
#include "CPrintInfo.h"
#include "GridAxis.h"
#include "GridDefines.h"
#include "GridNotifyEvent.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>
#include <wx/dnd.h>
#include <wx/imaglist.h>
#include <wx/scrolwin.h>
#include <wx/timer.h>

class CGridDropTarget;
class CTitleTip;

class CGridCtrl : public wxScrolledCanvas {
public:
    // Compares two cells for sorting: negative, 0 or positive.
    using CompareFunction = int (*)(const CGridCellBase* a, const CGridCellBase* b, std::intptr_t data);
    // Makes one cell; the grid's cell class.
    using CellFactory = CGridCellBase* (*)();
    // Fills the contents of a cell in virtual mode.
    using DisplayCallback = BOOL (*)(CGridItem& item, std::intptr_t value);

    explicit CGridCtrl(int nRows = 0, int nCols = 0, int nFixedRows = 0, int nFixedCols = 0);
    ~CGridCtrl() override;

    // Makes the window (the item pages place it where their template has it).
    bool Create(wxWindow* parent, wxWindowID id, const wxPoint& pos = wxDefaultPosition,
                const wxSize& size = wxDefaultSize, long style = 0);
    bool HasWindow() const { return GetHandle() != nullptr; }

    // ---- Dimensions ----
    int GetRowCount() const { return m_rows; }
    int GetColumnCount() const { return m_cols; }
    int GetFixedRowCount() const { return m_fixedRows; }
    int GetFixedColumnCount() const { return m_fixedCols; }
    BOOL SetRowCount(int nRows);
    BOOL SetColumnCount(int nCols);
    BOOL SetFixedRowCount(int nFixedRows);
    BOOL SetFixedColumnCount(int nFixedCols);
    // Inserts a row before row, or appends it when row is -1; the new row's
    // index, or -1. Callers refresh after filling the row.
    int InsertRow(const char* heading, int row = -1);
    BOOL DeleteRow(int row);
    BOOL DeleteAllItems();
    BOOL SetColumnWidth(int col, int width);
    BOOL SetRowHeight(int row, int height);
    int GetColumnWidth(int col) const;
    int GetRowHeight(int row) const;
    int GetFixedRowHeight() const;
    int GetFixedColumnWidth() const;
    int GetVirtualHeight() const;
    int GetVirtualWidth() const;

    // ---- Cells ----
    void SetCellFactory(CellFactory factory) { m_cellFactory = factory; }
    virtual CGridCellBase* CreateCell(int row, int col);
    virtual void DestroyCell(int row, int col);
    CGridCellBase* GetCell(int row, int col) const;
    CGridDefaultCell* GetDefaultCell(BOOL fixedRow, BOOL fixedCol) const;
    CString GetItemText(int row, int col) const;
    BOOL SetItemText(int row, int col, const char* text);
    BOOL SetItemFormat(int row, int col, UINT format);
    BOOL SetItemBackColor(int row, int col, COLORREF colour);
    BOOL SetItemTextColor(int row, int col, COLORREF colour);
    UINT GetItemState(int row, int col) const;
    BOOL SetItemState(int row, int col, UINT state);
    BOOL IsCellSelected(int row, int col) const;
    BOOL IsCellSelected(const CCellID& cell) const { return IsCellSelected(cell.row, cell.col); }
    BOOL IsCellEditable(int row, int col) const;
    BOOL IsCellEditable(const CCellID& cell) const { return IsCellEditable(cell.row, cell.col); }
    BOOL IsItemEditing(int row, int col) const;
    BOOL IsValid(int row, int col) const;
    BOOL IsValid(const CCellID& cell) const { return IsValid(cell.row, cell.col); }
    BOOL IsValid(const CCellRange& range) const;
    void SetImageList(wxImageList* list) { m_imageList = list; }
    wxImageList* GetImageList() const { return m_imageList; }

    // ---- Focus and selection ----
    CCellID SetFocusCell(int row, int col);
    CCellID SetFocusCell(const CCellID& cell) { return SetFocusCell(cell.row, cell.col); }
    CCellID GetFocusCell() const { return m_focusCell; }
    void ResetSelectedRange();
    void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol, BOOL forceRepaint = FALSE,
                          BOOL selectCells = TRUE);
    void SetSelectedRange(const CCellRange& range, BOOL forceRepaint = FALSE, BOOL selectCells = TRUE) {
        SetSelectedRange(range.minRow, range.minCol, range.maxRow, range.maxCol, forceRepaint, selectCells);
    }
    CCellRange GetSelectedCellRange() const;
    int GetSelectedCount() const { return static_cast<int>(m_selectedCellMap.size()); }
    void SetRowSelectionMode(BOOL on);

    // ---- Modified state ----
    void SetModified(BOOL modified = TRUE, int row = -1, int col = -1);
    BOOL GetModified(int row = -1, int col = -1) const;

    // ---- Sorting ----
    void SetSortColumn(int col);
    int GetSortColumn() const { return m_sortColumn; }
    void SetSortAscending(BOOL ascending) { m_sortAscending = ascending; }
    BOOL GetSortAscending() const { return m_sortAscending; }
    void SetCompareFunction(CompareFunction compare) { m_compare = compare; }
    BOOL SortTextItems(int col, BOOL ascending, std::intptr_t data = 0);
    BOOL SortItems(CompareFunction compare, int col, BOOL ascending, std::intptr_t data = 0, int low = 0,
                   int high = -1);
    // The compare of texts: byte order, case-sensitive; 0 when either cell is missing.
    static int CompareTexts(const CGridCellBase* a, const CGridCellBase* b, std::intptr_t data);

    // ---- Automatic sizing ----
    BOOL AutoSizeColumn(int col, int style = 0, BOOL resetScroll = TRUE);
    BOOL AutoSizeRow(int row, BOOL resetScroll = TRUE);
    wxSize GetTextExtent(int row, int col, const char* text);

    // ---- Virtual mode ----
    void SetVirtualMode(BOOL on);
    BOOL GetVirtualMode() const { return m_virtualMode; }
    void SetCallbackFunc(DisplayCallback callback, std::intptr_t value) {
        m_displayCallback = callback, m_callbackValue = value;
    }

    // ---- Behaviour settings ----
    void SetEditable(BOOL on) { m_editable = on; }
    BOOL IsEditable() const { return m_editable; }
    void SetDragAndDrop(BOOL on) { m_dragAndDrop = on; }
    BOOL GetDragAndDrop() const { return m_dragAndDrop; }
    BOOL GetRowSelectionMode() const { return m_rowSelectionMode; }
    void SetSingleRowSelection(BOOL on) { m_singleRowSelection = on; }
    BOOL GetSingleRowSelection() const { return m_singleRowSelection; }
    void SetSingleColumnSelection(BOOL on) { m_singleColSelection = on; }
    // With redraw off the grid neither paints nor invalidates.
    void SetRedraw(BOOL allow, BOOL resetScrollBars = FALSE);
    BOOL GetRedraw() const { return m_allowDraw; }
    void EnableSelection(BOOL on) { m_selectionEnabled = on; }
    BOOL IsSelectable() const { return m_selectionEnabled; }
    void SetFixedColumnClickSelectsRows(BOOL on) { m_fixedColumnClickSelectsRows = on; }
    void SetFixedRowClickSelectsColumns(BOOL on) { m_fixedRowClickSelectsColumns = on; }
    void SetSortOnHeaderClick(BOOL on) { m_sortOnHeaderClick = on; }
    void SetHandleTabKey(BOOL on) { m_handleTabKey = on; }
    void SetDoubleBuffering(BOOL on) { m_doubleBuffer = on; }
    void EnableTitleTips(BOOL on) { m_titleTips = on; }
    BOOL GetTitleTips() const { return m_titleTips; }
    void SetPageAccuratePrinting(BOOL on) { m_pageAccuratePrinting = on; }
    void SetHiddenColumnsResizable(BOOL on) { m_hiddenColumnsResizable = on; }
    void SetHiddenRowsResizable(BOOL on) { m_hiddenRowsResizable = on; }
    void SetZeroWidthAllowed(BOOL on) { m_zeroWidthAllowed = on; }
    void SetZeroHeightAllowed(BOOL on) { m_zeroHeightAllowed = on; }
    void SetTrackFocusCell(BOOL on) { m_trackFocusCell = on; }
    BOOL GetTrackFocusCell() const { return m_trackFocusCell; }
    void SetFrameFocusCell(BOOL on) { m_frameFocusCell = on; }
    BOOL GetFrameFocusCell() const { return m_frameFocusCell; }
    void EnableRowResize(BOOL on) { m_rowResize = on; }
    void EnableColumnResize(BOOL on) { m_columnResize = on; }
    void SetPrintColours(BOOL on) { m_printColours = on; }
    BOOL GetPrintColours() const { return m_printColours; }
    void SetAutoSizeStyle(int style) { m_autoSizeStyle = style; }
    void SetGridLines(int lines) { m_gridLines = lines; }
    int GetGridLines() const { return m_gridLines; }
    void SetGridLineColor(COLORREF colour) { m_gridLineColour = colour; }
    COLORREF GetGridLineColor() const { return m_gridLineColour; }
    void SetBkColor(COLORREF colour) { m_backgroundColour = colour; }
    COLORREF GetBkColor() const { return m_backgroundColour; }
    void SetTitleTipTextColor(COLORREF colour) { m_titleTipTextColour = colour; }
    void SetTitleTipBackColor(COLORREF colour) { m_titleTipBackColour = colour; }
    void SetResizeCaptureRange(int pixels) { m_resizeCaptureRange = pixels; }
    int GetMouseMode() const { return m_mouseMode; }

    // ---- Fonts ----
    // The window's font becomes the font of the four default cells.
    bool SetFont(const wxFont& font) override;
    const wxFont* GetGridFont() const;

    // ---- Painting ----
    void OnDraw(wxDC& dc) override;
    BOOL RedrawCell(int row, int col, wxDC* dc = nullptr);
    BOOL RedrawCell(const CCellID& cell, wxDC* dc = nullptr) { return RedrawCell(cell.row, cell.col, dc); }
    BOOL InvalidateCellRect(int row, int col);
    BOOL InvalidateCellRect(const CCellID& cell) { return InvalidateCellRect(cell.row, cell.col); }
    // Invalidates the whole window, when there is one and redraw is on.
    void Refresh(bool eraseBackground = true, const wxRect* rect = nullptr) override;

    // ---- Geometry and scrolling ----
    CCellID GetTopLeftNonFixedCell(BOOL force = FALSE);
    CCellRange GetVisibleNonFixedCellRange(GridRect* rect = nullptr, BOOL force = FALSE);
    BOOL GetCellOrigin(int row, int col, wxPoint* point);
    BOOL GetCellOrigin(const CCellID& cell, wxPoint* point) {
        return GetCellOrigin(cell.row, cell.col, point);
    }
    BOOL GetCellRect(int row, int col, GridRect* rect);
    BOOL GetCellRect(const CCellID& cell, GridRect* rect) { return GetCellRect(cell.row, cell.col, rect); }
    wxPoint GetPointClicked(int row, int col, const wxPoint& point);
    CCellID GetCellFromPt(wxPoint point, BOOL allowFixedCellCheck = TRUE);
    BOOL IsCellVisible(int row, int col);
    BOOL IsCellVisible(const CCellID& cell) { return IsCellVisible(cell.row, cell.col); }
    void EnsureVisible(int row, int col);
    void EnsureVisible(const CCellID& cell) { EnsureVisible(cell.row, cell.col); }
    void ResetScrollBars();
    void EnableScrollBars(int bar, BOOL enable = TRUE);
    int GetScrollPos32(int bar, BOOL track = FALSE) const;
    BOOL SetScrollPos32(int bar, int pos, BOOL redraw = TRUE);
    int GetScrollMax(int bar) const { return bar == SB_HORZ ? m_hScrollMax : m_vScrollMax; }
    BOOL IsScrollBarShown(int bar) const;
    // The scroll actions of the bars, the keys and the wheel (SB_... codes).
    void OnHScroll(int code, int thumbPos = 0);
    void OnVScroll(int code, int thumbPos = 0);
    void OnMouseWheel(UINT flags, int delta);
    // The window's scroll helper would size the bars by pixels; the grid does it.
    void AdjustScrollbars() override { ResetScrollBars(); }

    // ---- Selection by keys and mouse ----
    void SelectAllCells();
    void SelectColumns(CCellID cell, BOOL forceRepaint = FALSE, BOOL selectCells = TRUE);
    void SelectRows(CCellID cell, BOOL forceRepaint = FALSE, BOOL selectCells = TRUE);
    void SelectCells(CCellID cell, BOOL forceRepaint = FALSE, BOOL selectCells = TRUE);
    void OnSelecting(const CCellID& cell);
    virtual void SelectAll();
    virtual void OnFixedRowClick(CCellID& cell);
    virtual void OnFixedColumnClick(CCellID& cell);
    // Handlers of the window's messages; they take the modifier flags
    // (MK_SHIFT, MK_CONTROL) and client points. A key handler answers
    // whether it handled the key (otherwise default processing follows).
    bool OnKeyDown(UINT key, UINT flags);
    bool OnChar(UINT ch, UINT flags);
    void OnLButtonDown(UINT flags, wxPoint point);
    void OnMouseMove(UINT flags, wxPoint point);
    void OnLButtonUp(UINT flags, wxPoint point);
    void OnLButtonDblClk(UINT flags, wxPoint point);
    void OnRButtonUp(UINT flags, wxPoint point);
    void OnTimer(int id);
    void OnCaptureChanged();
    void OnSetCursor();
    bool IsAutoScrollTimerRunning() const { return m_timer && m_timer->IsRunning(); }

    // ---- In-place editing and title tips ----
    virtual void BeginCellEdit(int row, int col, wxPoint point, UINT firstChar);
    virtual void EndEditing();
    virtual void EndCellEdit(int row, int col, const CString& text);
    virtual BOOL ValidateCellEdit(int row, int col, const CString& text);
    CTitleTip* GetTitleTip() const { return m_titleTip; }

    // ---- Clipboard and drag and drop ----
    void ReplaceCellText(int row, int col, const CString& text);
    virtual void ClearSelectedCells();
    // The text of the selected block: tab-separated fields, CR LF between
    // lines; empty when nothing is selected.
    CString GetSelectionText();
    virtual wxDataObject* CreateTextDataSource();
    virtual void CopySelection();
    virtual BOOL CutSelection();
    virtual void PasteAtFocus();
    virtual BOOL PasteText(CCellID cell, const CString& text, BOOL selectPasted);
    virtual void StartDrag();
    virtual wxDragResult OnDragEnter(BOOL offersText, UINT flags, wxPoint point);
    virtual wxDragResult OnDragOver(BOOL offersText, UINT flags, wxPoint point);
    virtual void OnDragLeave();
    virtual BOOL OnDrop(const CString& text, wxDragResult effect, wxPoint point);
    virtual wxImageList* CreateFocusCellImage(wxPoint* hotSpot);
    CCellID GetDropTargetCell() const { return m_dropTargetCell; }

    // ---- Printing ----
    void SetPrintMarginInfo(int header, int footer, int left, int right, int gap);
    virtual void OnBeginPrinting(wxDC* dc, CPrintInfo* info);
    virtual void OnPrint(wxDC* dc, CPrintInfo* info);
    virtual void OnEndPrinting(wxDC* dc, CPrintInfo* info);
    // The first index of each page when spans of these sizes are packed
    // onto pages of the given length, in order; an item longer than a page
    // gets a page of its own.
    static std::vector<int> PaginateSpans(const std::vector<int>& sizes, int available);

protected:
    virtual void PrintPageHeader(wxDC& dc, CPrintInfo* info);
    virtual void PrintPageFooter(wxDC& dc, CPrintInfo* info);
    virtual void PrintHeaderRows(wxDC& dc, CPrintInfo* info);
    virtual void PrintFixedColumns(wxDC& dc, CPrintInfo* info);
    virtual void PrintRowSpan(int firstCol, int endCol, int row, GridRect& rect, wxDC& dc, BOOL& leftEdge);
    // Runs the drag of the text out of the grid; the drop's effect.
    virtual wxDragResult DoDragDrop(wxDataObject& data);

    // Sends a notification to the parent; its result, 0 without a window.
    long SendMessageToParent(int row, int col, int code) const;
    long SendCacheHintToParent(const CCellRange& range) const;
    long SendDisplayRequestToParent(CGridItem& item) const;

private:
    // Hands the data to the clipboard, which owns it from then on; false when
    // the clipboard cannot be opened or refuses it.
    bool putOnClipboard(wxDataObject* source);

    using SelectionMap = std::unordered_map<std::uint64_t, CCellID>;
    static std::uint64_t selectionKey(int row, int col) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(col)) << 32) |
               static_cast<std::uint32_t>(row);
    }

    BOOL sortRows(CompareFunction compare, int col, BOOL ascending, std::intptr_t data, int low, int high);
    void swapRows(int a, int b);
    // Marks the cells of rows (or columns) from .. to - 1 as entering or
    // leaving the fixed band at the top (or left).
    void markFixedBand(bool rows, int from, int to, BOOL fixed);
    void redrawFixedCellsOf(const CCellID& cell);
    // Stores a changed text and keeps it when the cell's validation and the
    // parent (notification kGridNotifyEndEdit) accept it; else puts the old
    // text back.
    void commitCellText(int row, int col, const CString& text);
    CGridCellBase* virtualCell(int row, int col) const;
    long sendEvent(GridNotifyEvent& event) const;
    void drawCells(wxDC& dc, int firstRow, int lastRow, int y0, int firstCol, int lastCol, int x0,
                   const GridRect& clip, bool clipTests);
    void drawResizeLine(wxDC& dc);
    void scrollBy(int bar, int code, int thumbPos);
    GridRect clientRect() const;
    // Whether the point lies on a column divider in the header rows (or a
    // row divider in the fixed columns) and that resizing is on.
    BOOL mouseOverColumnResizeArea(const wxPoint& point);
    BOOL mouseOverRowResizeArea(const wxPoint& point);
    BOOL mouseOverResizeArea(bool columns, const wxPoint& point);
    // The column (or row) whose divider lies under the point in that cell:
    // the cell's own, or the one before when the point is on its left (top)
    // border.
    int dividerOwner(bool columns, const CCellID& cell, const wxPoint& point);
    // The column (or row) that a press on a divider resizes; -1 for none.
    int resizeTarget(bool columns, const wxPoint& point);
    void showTitleTip(const CCellID& cell);
    void onEndInPlaceEdit(GridNotifyEvent& event);
    void printBodyCell(wxDC& dc, int row, int col, const GridRect& rect, bool firstPrintedRow);
    // The page's rows over the columns firstCol up to endCol, clipped to the
    // width and the body height; the first row and column of a page are
    // printed even when they are longer than the page.
    void printRowBlock(wxDC& dc, int firstCol, int endCol, int width);
    void computePrintPages();
    void startPrintFont(wxDC& dc);

    // A grid that does not take Tab (or Tab with Ctrl) leaves the key to
    // the dialog around it, which moves the focus on to the next control.
    bool leavesTabToDialog(UINT key, const wxKeyEvent& event) const;
    // wxWidgets event handlers: they translate the event and call the
    // handlers above.
    void onPaint(wxPaintEvent& event);
    // Painting covers everything: the background is never erased first.
    void onEraseBackground(wxEraseEvent&) {}
    void onSize(wxSizeEvent& event);
    void onScroll(wxScrollWinEvent& event);
    void onMouseWheel(wxMouseEvent& event);
    void onKeyDown(wxKeyEvent& event);
    void onChar(wxKeyEvent& event);
    void onLeftDown(wxMouseEvent& event);
    void onMotion(wxMouseEvent& event);
    void onLeftUp(wxMouseEvent& event);
    void onLeftDClick(wxMouseEvent& event);
    void onRightUp(wxMouseEvent& event);
    void onTimer(wxTimerEvent& event);
    void onCaptureLost(wxMouseCaptureLostEvent& event);
    void onSetCursor(wxSetCursorEvent& event);
    void onSysColourChanged(wxSysColourChangedEvent& event);
    void onNotify(GridNotifyEvent& event);
    void onMenu(wxCommandEvent& event);
    void onUpdateMenu(wxUpdateUIEvent& event);

    // Dimensions and store.
    int m_rows = 0;
    int m_fixedRows = 0;
    int m_cols = 0;
    int m_fixedCols = 0;
    GridAxis m_rowHeights;
    GridAxis m_colWidths;
    std::vector<std::vector<CGridCellBase*>> m_rowData;
    CellFactory m_cellFactory;
    std::unique_ptr<CGridDefaultCell> m_cellDefault;
    std::unique_ptr<CGridDefaultCell> m_cellFixedRowDef;
    std::unique_ptr<CGridDefaultCell> m_cellFixedColDef;
    std::unique_ptr<CGridDefaultCell> m_cellFixedRowColDef;
    wxImageList* m_imageList = nullptr;
    BOOL m_modified = FALSE;

    // Focus and selection.
    CCellID m_focusCell;
    CCellID m_selectionStartCell;
    CCellID m_leftClickDownCell;
    CCellID m_dropTargetCell;
    SelectionMap m_selectedCellMap;
    SelectionMap m_prevSelectedCellMap;

    // Sorting.
    int m_sortColumn = -1;
    BOOL m_sortAscending = TRUE;
    CompareFunction m_compare = nullptr;

    // Virtual mode.
    BOOL m_virtualMode = FALSE;
    DisplayCallback m_displayCallback = nullptr;
    std::intptr_t m_callbackValue = 0;
    mutable std::unique_ptr<CGridCellBase> m_virtualCell;

    // Colours.
    COLORREF m_backgroundColour = 0;
    COLORREF m_gridLineColour = RGB(192, 192, 192);
    COLORREF m_titleTipBackColour = kNoColour;
    COLORREF m_titleTipTextColour = kNoColour;
    COLORREF m_sysWindowText = 0, m_sysWindow = 0, m_sysButtonFace = 0, m_sysButtonShadow = 0;

    // Settings.
    BOOL m_editable = TRUE;
    BOOL m_dragAndDrop = FALSE;
    BOOL m_rowSelectionMode = FALSE;
    BOOL m_singleRowSelection = FALSE;
    BOOL m_singleColSelection = FALSE;
    BOOL m_allowDraw = TRUE;
    BOOL m_selectionEnabled = TRUE;
    BOOL m_fixedColumnClickSelectsRows = TRUE;
    BOOL m_fixedRowClickSelectsColumns = TRUE;
    BOOL m_sortOnHeaderClick = FALSE;
    BOOL m_handleTabKey = TRUE;
    BOOL m_doubleBuffer = TRUE;
    BOOL m_titleTips = TRUE;
    BOOL m_pageAccuratePrinting = FALSE;
    BOOL m_hiddenColumnsResizable = TRUE;
    BOOL m_hiddenRowsResizable = TRUE;
    BOOL m_zeroWidthAllowed = TRUE;
    BOOL m_zeroHeightAllowed = TRUE;
    BOOL m_trackFocusCell = TRUE;
    BOOL m_frameFocusCell = TRUE;
    BOOL m_rowResize = TRUE;
    BOOL m_columnResize = TRUE;
    BOOL m_printColours = TRUE;
    int m_autoSizeStyle = GVS_BOTH;
    int m_gridLines = GVL_BOTH;
    int m_autoScrollPeriod = 25;
    int m_resizeCaptureRange = 3;

    // Scrolling.
    int m_hScrollPos = 0;
    int m_vScrollPos = 0;
    int m_hScrollMax = 0;
    int m_vScrollMax = 0;
    int m_hScrollPage = 0;
    int m_vScrollPage = 0;
    int m_barState = 0;                         // SB_HORZ shown: 1, SB_VERT shown: 2
    wxSize m_handledClientSize = wxDefaultSize; // the client size the last size message dealt with
    int m_vBarWidth = 0;                        // what a shown vertical bar takes of the width
    int m_hBarHeight = 0;                       // what a shown horizontal bar takes of the height
    CCellID m_topLeftCell;
    int m_wheelLines = 3;
    long long m_wheelRest = 0; // wheel turn not yet made into lines, in 120ths of a line

    // Mouse.
    int m_mouseMode = 0;
    BOOL m_leftButtonDown = FALSE;
    wxPoint m_leftClickDownPoint;
    wxPoint m_lastMousePoint;
    std::unique_ptr<wxTimer> m_timer;
    int m_resizeLine = -1; // x (column resize) or y (row resize) of the drawn line; -1 none

    // Editing, title tip, drop target.
    CTitleTip* m_titleTip = nullptr;
    CGridDropTarget* m_dropTarget = nullptr;
    bool m_ownsClipboard = false;

    // Printing.
    int m_headerLines = 2, m_footerLines = 2, m_leftMargin = 4, m_rightMargin = 4, m_gap = 1;
    wxSize m_charSize;
    int m_pageHeight = 0, m_pageWidth = 0;
    int m_pagesDown = 0; // pages down
    int m_pagesAcross = 1;
    int m_deviceWidth = 0, m_deviceHeight = 0; // of the printer context
    int m_bodyHeight = 0, m_bodyWidth = 0;
    std::vector<int> m_printRowStarts; // first body row of each page row
    std::vector<int> m_printColStarts; // first body column of each page column
    // The rows and columns of the page being printed: first, and one past the last.
    int m_printFirstRow = 0, m_printFirstCol = 0;
    int m_printEndRow = 0, m_printEndCol = 0;
    std::unique_ptr<wxFont> m_printerFont;

    wxDECLARE_EVENT_TABLE();
};
