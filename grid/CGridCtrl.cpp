#include "CGridCtrl.h"

#include "CGridCell.h"
#include "CGridDropTarget.h"
#include "CInPlaceEdit.h"
#include "CTitleTip.h"
#include "GridSystem.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <wx/clipbrd.h>
#include <wx/dcclient.h>
#include <wx/utils.h>

namespace {

CGridCellBase* makeGridCell() {
    return new CGridCell;
}

} // namespace

// clang-format off
wxBEGIN_EVENT_TABLE(CGridCtrl, wxScrolledCanvas)
    EVT_PAINT(CGridCtrl::onPaint)
    EVT_ERASE_BACKGROUND(CGridCtrl::onEraseBackground)
    EVT_SIZE(CGridCtrl::onSize)
    EVT_SCROLLWIN(CGridCtrl::onScroll)
    EVT_MOUSEWHEEL(CGridCtrl::onMouseWheel)
    EVT_KEY_DOWN(CGridCtrl::onKeyDown)
    EVT_CHAR(CGridCtrl::onChar)
    EVT_LEFT_DOWN(CGridCtrl::onLeftDown)
    EVT_MOTION(CGridCtrl::onMotion)
    EVT_LEFT_UP(CGridCtrl::onLeftUp)
    EVT_LEFT_DCLICK(CGridCtrl::onLeftDClick)
    EVT_RIGHT_UP(CGridCtrl::onRightUp)
    EVT_TIMER(kAutoScrollTimerId, CGridCtrl::onTimer)
    EVT_MOUSE_CAPTURE_LOST(CGridCtrl::onCaptureLost)
    EVT_SET_CURSOR(CGridCtrl::onSetCursor)
    EVT_SYS_COLOUR_CHANGED(CGridCtrl::onSysColourChanged)
    EVT_MENU(wxID_CUT, CGridCtrl::onMenu)
    EVT_MENU(wxID_COPY, CGridCtrl::onMenu)
    EVT_MENU(wxID_PASTE, CGridCtrl::onMenu)
    EVT_MENU(wxID_SELECTALL, CGridCtrl::onMenu)
    EVT_UPDATE_UI(wxID_CUT, CGridCtrl::onUpdateMenu)
    EVT_UPDATE_UI(wxID_COPY, CGridCtrl::onUpdateMenu)
    EVT_UPDATE_UI(wxID_PASTE, CGridCtrl::onUpdateMenu)
    EVT_UPDATE_UI(wxID_SELECTALL, CGridCtrl::onUpdateMenu)
wxEND_EVENT_TABLE()
    // clang-format on

    CGridCtrl::CGridCtrl(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : m_cellFactory(makeGridCell) {
    // The grid scrolls itself by rows and columns; the window's own helper
    // would scroll the fixed bands by pixels as well.
    DeleteEvtHandler();
    SetName("MFCGridCtrl");
    Bind(wxEVT_GRIDCTRL_NOTIFY, &CGridCtrl::onNotify, this, kInPlaceEditId);

    m_sysWindowText = gridsystem::colour(wxSYS_COLOUR_WINDOWTEXT);
    m_sysWindow = gridsystem::colour(wxSYS_COLOUR_WINDOW);
    m_sysButtonFace = gridsystem::colour(wxSYS_COLOUR_BTNFACE);
    m_sysButtonShadow = gridsystem::colour(wxSYS_COLOUR_BTNSHADOW);

    m_cellDefault = std::make_unique<CGridDefaultCell>();
    m_cellFixedRowDef = std::make_unique<CGridDefaultCell>();
    m_cellFixedColDef = std::make_unique<CGridDefaultCell>();
    m_cellFixedRowColDef = std::make_unique<CGridDefaultCell>();
    m_cellDefault->SetGrid(this);
    m_cellDefault->SetTextColor(m_sysWindowText);
    m_cellDefault->SetBackColor(m_sysWindow);
    for (CGridDefaultCell* def :
         {m_cellFixedRowDef.get(), m_cellFixedColDef.get(), m_cellFixedRowColDef.get()}) {
        def->SetGrid(this);
        def->SetTextColor(m_sysWindowText);
        def->SetBackColor(m_sysButtonFace);
    }
    m_backgroundColour = m_sysButtonShadow;
    m_vBarWidth = gridsystem::scrollBarWidth();
    m_hBarHeight = gridsystem::scrollBarHeight();

    SetRowCount(nRows);
    SetColumnCount(nCols);
    SetFixedRowCount(nFixedRows);
    SetFixedColumnCount(nFixedCols);
    m_titleTipBackColour = kNoColour;
    m_titleTipTextColour = kNoColour;
    SetPrintMarginInfo(2, 2, 4, 4, 1);
}

CGridCtrl::~CGridCtrl() {
    DeleteAllItems();
    if (m_titleTip) {
        m_titleTip->DestroyWindow();
        m_titleTip = nullptr;
    }
    // Text copied from this grid stays on the clipboard after it is gone.
    if (m_ownsClipboard && gridsystem::displayAvailable() && wxTheClipboard->Open()) {
        wxTheClipboard->Flush();
        wxTheClipboard->Close();
    }
}

bool CGridCtrl::Create(wxWindow* parent, wxWindowID id, const wxPoint& pos, const wxSize& size, long style) {
    if (!wxScrolledCanvas::Create(parent, id, pos, size,
                                  style | wxBORDER_SUNKEN | wxWANTS_CHARS | wxHSCROLL | wxVSCROLL |
                                      wxFULL_REPAINT_ON_RESIZE,
                                  "MFCGridCtrl"))
        return false;
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (const wxFont* font = m_cellDefault->GetFont())
        wxScrolledCanvas::SetFont(*font);
    if (m_titleTips) {
        m_titleTip = new CTitleTip;
        m_titleTip->Create(this);
    }
    m_dropTarget = new CGridDropTarget;
    m_dropTarget->Register(this);
    ResetScrollBars();
    return true;
}

// ---------------------------------------------------------------------------
// Dimensions

BOOL CGridCtrl::SetRowCount(int nRows) {
    if (nRows == GetRowCount())
        return TRUE;
    if (nRows < 0)
        return FALSE;
    BOOL result = TRUE;
    m_topLeftCell = CCellID(-1, -1);
    if (nRows < m_fixedRows)
        m_fixedRows = nRows;
    if (m_focusCell.row >= nRows)
        SetFocusCell(-1, -1);

    if (nRows < m_rows) {
        if (!m_virtualMode) {
            for (int row = nRows; row < m_rows; ++row)
                for (int col = 0; col < m_cols; ++col)
                    DestroyCell(row, col);
            m_rowData.resize(nRows);
        }
        m_rows = nRows;
        m_rowHeights.Resize(nRows, 0);
    } else {
        // One row at a time, so that the rows made before a failure stay whole.
        const int height = m_cellDefault->GetHeight();
        try {
            while (m_rows < nRows) {
                if (!m_virtualMode) {
                    std::vector<CGridCellBase*> cells;
                    cells.reserve(m_cols);
                    try {
                        for (int col = 0; col < m_cols; ++col) {
                            std::unique_ptr<CGridCellBase> cell(CreateCell(m_rows, col));
                            cells.push_back(cell.get());
                            cell.release();
                        }
                        m_rowData.push_back(std::move(cells));
                    } catch (...) {
                        for (CGridCellBase* cell : cells)
                            delete cell;
                        throw;
                    }
                }
                m_rowHeights.Insert(m_rows, height);
                ++m_rows;
            }
        } catch (const std::bad_alloc&) {
            if (!m_virtualMode)
                m_rowData.resize(m_rows);
            m_rowHeights.Resize(m_rows, height);
            result = FALSE;
        }
    }
    SetModified(TRUE, -1, -1);
    ResetScrollBars();
    Refresh();
    return result;
}

BOOL CGridCtrl::SetColumnCount(int nCols) {
    if (nCols == GetColumnCount())
        return TRUE;
    if (nCols < 0)
        return FALSE;
    BOOL result = TRUE;
    m_topLeftCell = CCellID(-1, -1);
    if (nCols < m_fixedCols)
        m_fixedCols = nCols;
    if (m_focusCell.col >= nCols)
        SetFocusCell(-1, -1);

    if (nCols < m_cols) {
        if (!m_virtualMode) {
            for (int row = 0; row < m_rows; ++row) {
                for (int col = nCols; col < m_cols; ++col)
                    DestroyCell(row, col);
                m_rowData[row].resize(nCols);
            }
        }
        m_cols = nCols;
        m_colWidths.Resize(nCols, 0);
    } else {
        // One column at a time across all rows: after a failure the grid
        // keeps the columns it made whole, and counts exactly those.
        const int width = m_cellFixedColDef->GetWidth();
        try {
            while (m_cols < nCols) {
                if (!m_virtualMode) {
                    int made = 0;
                    try {
                        for (int row = 0; row < m_rows; ++row) {
                            std::unique_ptr<CGridCellBase> cell(CreateCell(row, m_cols));
                            m_rowData[row].push_back(cell.get());
                            cell.release();
                            ++made;
                        }
                    } catch (...) {
                        for (int row = 0; row < made; ++row) {
                            delete m_rowData[row].back();
                            m_rowData[row].pop_back();
                        }
                        throw;
                    }
                }
                m_colWidths.Insert(m_cols, width);
                ++m_cols;
            }
        } catch (const std::bad_alloc&) {
            result = FALSE;
        }
    }
    SetModified(TRUE, -1, -1);
    ResetScrollBars();
    Refresh();
    return result;
}

void CGridCtrl::markFixedBand(bool rows, int from, int to, BOOL fixed) {
    // A cell of the band also in the other fixed band keeps its fixed bit
    // and colours when it leaves this one.
    const UINT bandBit = rows ? kCellFixedRow : kCellFixedColumn;
    for (int row = rows ? from : 0; row < (rows ? to : m_rows); ++row) {
        for (int col = rows ? 0 : from; col < (rows ? m_cols : to); ++col) {
            CGridCellBase* cell = GetCell(row, col);
            if (!cell)
                continue;
            const bool inOtherBand = rows ? col < m_fixedCols : row < m_fixedRows;
            if (fixed) {
                cell->SetState(cell->GetState() | kCellFixed | bandBit);
            } else if (inOtherBand) {
                cell->SetState(cell->GetState() & ~bandBit);
                continue;
            } else {
                cell->SetState(cell->GetState() & ~(kCellFixed | bandBit));
            }
            cell->SetTextColor(kNoColour);
            cell->SetBackColor(kNoColour);
        }
    }
}

BOOL CGridCtrl::SetFixedRowCount(int nFixedRows) {
    if (m_fixedRows == nFixedRows)
        return TRUE;
    if (nFixedRows < 0)
        return FALSE;
    ResetSelectedRange();
    m_topLeftCell = CCellID(-1, -1);
    if (nFixedRows > GetRowCount() && !SetRowCount(nFixedRows))
        return FALSE;
    if (m_focusCell.row < nFixedRows)
        SetFocusCell(-1, -1);
    if (!m_virtualMode) {
        if (nFixedRows > m_fixedRows)
            markFixedBand(true, m_fixedRows, nFixedRows, TRUE);
        else
            markFixedBand(true, nFixedRows, m_fixedRows, FALSE);
    }
    m_fixedRows = nFixedRows;
    Refresh();
    return TRUE;
}

BOOL CGridCtrl::SetFixedColumnCount(int nFixedCols) {
    if (m_fixedCols == nFixedCols)
        return TRUE;
    if (nFixedCols < 0)
        return FALSE;
    if (nFixedCols > GetColumnCount() && !SetColumnCount(nFixedCols))
        return FALSE;
    if (m_focusCell.col < nFixedCols)
        SetFocusCell(-1, -1);
    ResetSelectedRange();
    m_topLeftCell = CCellID(-1, -1);
    if (!m_virtualMode) {
        if (nFixedCols > m_fixedCols)
            markFixedBand(false, m_fixedCols, nFixedCols, TRUE);
        else
            markFixedBand(false, nFixedCols, m_fixedCols, FALSE);
    }
    m_fixedCols = nFixedCols;
    Refresh();
    return TRUE;
}

int CGridCtrl::InsertRow(const char* heading, int row) {
    if (row != -1 && (row < m_fixedRows || row >= GetRowCount()))
        return -1;
    m_topLeftCell = CCellID(-1, -1);
    // Clears the selection; the focus stays on its cell.
    m_prevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1, FALSE, TRUE);
    if (m_cols < 1)
        SetColumnCount(1);

    const int index = row == -1 ? m_rows : row;
    if (!m_virtualMode) {
        std::vector<CGridCellBase*> cells;
        try {
            cells.reserve(m_cols);
            for (int col = 0; col < m_cols; ++col) {
                std::unique_ptr<CGridCellBase> cell(CreateCell(index, col));
                cells.push_back(cell.get());
                cell.release();
            }
            m_rowData.insert(m_rowData.begin() + index, std::move(cells));
        } catch (const std::bad_alloc&) {
            for (CGridCellBase* cell : cells)
                delete cell;
            return -1;
        }
    }
    m_rowHeights.Insert(index, 0);
    ++m_rows;
    if (!m_virtualMode) {
        for (int r = index + 1; r < m_rows; ++r)
            for (int col = 0; col < m_cols; ++col)
                if (CGridCellBase* cell = m_rowData[r][col])
                    cell->SetCoords(r, col);
        if (CGridCellBase* cell = GetCell(index, 0))
            cell->SetText(heading ? heading : "");
    }
    const CString text = heading ? heading : "";
    m_rowHeights.SetSize(index, text.IsEmpty() ? m_cellFixedRowDef->GetHeight()
                                               : GetTextExtent(index, 0, text).GetHeight());
    if (m_focusCell.row != -1 && m_focusCell.row >= index && row != -1)
        m_focusCell.row++;
    ResetScrollBars();
    SetModified(TRUE, -1, -1);
    return index;
}

BOOL CGridCtrl::DeleteRow(int row) {
    if (row < 0 || row >= GetRowCount())
        return FALSE;
    m_prevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1, FALSE, TRUE);
    if (!m_virtualMode) {
        if (row >= static_cast<int>(m_rowData.size()))
            return FALSE;
        for (int col = 0; col < m_cols; ++col)
            DestroyCell(row, col);
        m_rowData.erase(m_rowData.begin() + row);
    }
    m_rowHeights.Erase(row);
    --m_rows;
    if (row < m_fixedRows)
        --m_fixedRows;
    if (m_focusCell.row == row)
        m_focusCell = CCellID(-1, -1);
    else if (m_focusCell.row > row)
        m_focusCell.row--;
    if (!m_virtualMode)
        for (int r = row; r < m_rows; ++r)
            for (int col = 0; col < m_cols; ++col)
                if (CGridCellBase* cell = m_rowData[r][col])
                    cell->SetCoords(r, col);
    m_topLeftCell = CCellID(-1, -1);
    ResetScrollBars();
    SetModified(TRUE, -1, -1);
    return TRUE;
}

BOOL CGridCtrl::DeleteAllItems() {
    m_prevSelectedCellMap.clear();
    m_selectedCellMap.clear();
    m_colWidths.Clear();
    m_rowHeights.Clear();
    if (!m_virtualMode) {
        for (auto& rowCells : m_rowData)
            for (CGridCellBase* cell : rowCells) {
                if (cell)
                    cell->EndEdit();
                delete cell;
            }
        m_rowData.clear();
    }
    m_focusCell = CCellID(-1, -1);
    m_rows = m_fixedRows = m_cols = m_fixedCols = 0;
    m_topLeftCell = CCellID(-1, -1);
    ResetScrollBars();
    SetModified(TRUE, -1, -1);
    return TRUE;
}

BOOL CGridCtrl::SetColumnWidth(int col, int width) {
    if (col < 0 || col >= m_cols || width < 0)
        return FALSE;
    m_colWidths.SetSize(col, width);
    ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::SetRowHeight(int row, int height) {
    if (row < 0 || row >= m_rows || height < 0)
        return FALSE;
    m_rowHeights.SetSize(row, height);
    ResetScrollBars();
    return TRUE;
}

int CGridCtrl::GetColumnWidth(int col) const {
    return col < 0 || col >= m_cols ? -1 : m_colWidths.GetSize(col);
}

int CGridCtrl::GetRowHeight(int row) const {
    return row < 0 || row >= m_rows ? -1 : m_rowHeights.GetSize(row);
}

int CGridCtrl::GetFixedRowHeight() const {
    return static_cast<int>(m_rowHeights.GetStart(m_fixedRows));
}

int CGridCtrl::GetFixedColumnWidth() const {
    return static_cast<int>(m_colWidths.GetStart(m_fixedCols));
}

int CGridCtrl::GetVirtualHeight() const {
    return static_cast<int>(m_rowHeights.GetTotal());
}

int CGridCtrl::GetVirtualWidth() const {
    return static_cast<int>(m_colWidths.GetTotal());
}

// ---------------------------------------------------------------------------
// Cells

CGridCellBase* CGridCtrl::CreateCell(int row, int col) {
    if (!m_cellFactory)
        return nullptr;
    CGridCellBase* cell = m_cellFactory();
    if (!cell)
        return nullptr;
    cell->SetGrid(this);
    cell->SetCoords(row, col);
    if (col < m_fixedCols)
        cell->SetState(cell->GetState() | kCellFixed | kCellFixedColumn);
    if (row < m_fixedRows)
        cell->SetState(cell->GetState() | kCellFixed | kCellFixedRow);
    if (CGridDefaultCell* def = cell->GetDefaultCell())
        cell->SetFormat(def->GetFormat());
    return cell;
}

void CGridCtrl::DestroyCell(int row, int col) {
    if (m_virtualMode || row < 0 || row >= static_cast<int>(m_rowData.size()) || col < 0 ||
        col >= static_cast<int>(m_rowData[row].size()))
        return;
    SetItemState(row, col, 0);
    CGridCellBase*& cell = m_rowData[row][col];
    if (cell)
        cell->EndEdit();
    delete cell;
    cell = nullptr;
}

CGridCellBase* CGridCtrl::GetCell(int row, int col) const {
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return nullptr;
    if (m_virtualMode)
        return virtualCell(row, col);
    if (row >= static_cast<int>(m_rowData.size()) || col >= static_cast<int>(m_rowData[row].size()))
        return nullptr;
    return m_rowData[row][col];
}

CGridCellBase* CGridCtrl::virtualCell(int row, int col) const {
    CGridDefaultCell* def = GetDefaultCell(row < m_fixedRows, col < m_fixedCols);
    CGridItem item;
    item.row = row;
    item.col = col;
    item.mask = GVIF_ALL;
    item.state = 0;
    item.format = def->GetFormat();
    item.image = def->GetImage();
    item.backColor = def->GetBackColor();
    item.textColor = def->GetTextColor();
    item.param = def->GetData();
    if (const wxFont* font = def->GetFont())
        item.font = *font;
    item.margin = def->GetMargin();
    if (m_selectedCellMap.count(selectionKey(row, col)))
        item.state |= kCellSelected;
    if (row < m_fixedRows)
        item.state |= kCellFixed | kCellFixedRow;
    if (col < m_fixedCols)
        item.state |= kCellFixed | kCellFixedColumn;
    if (CCellID(row, col) == m_focusCell)
        item.state |= kCellFocused;
    if (m_displayCallback)
        m_displayCallback(item, m_callbackValue);
    else
        SendDisplayRequestToParent(item);

    if (!m_virtualCell)
        m_virtualCell = std::make_unique<CGridCell>();
    CGridCellBase* cell = m_virtualCell.get();
    cell->SetGrid(const_cast<CGridCtrl*>(this));
    cell->SetState(item.state);
    cell->SetImage(item.image);
    cell->SetFormat(item.format);
    cell->SetData(item.param);
    cell->SetBackColor(item.backColor);
    cell->SetTextColor(item.textColor);
    cell->SetFont(item.font.IsOk() ? &item.font : nullptr);
    cell->SetMargin(item.margin);
    cell->SetText(item.text);
    return cell;
}

CGridDefaultCell* CGridCtrl::GetDefaultCell(BOOL fixedRow, BOOL fixedCol) const {
    if (fixedRow && fixedCol)
        return m_cellFixedRowColDef.get();
    if (fixedRow)
        return m_cellFixedRowDef.get();
    if (fixedCol)
        return m_cellFixedColDef.get();
    return m_cellDefault.get();
}

CString CGridCtrl::GetItemText(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetText() : CString();
}

BOOL CGridCtrl::SetItemText(int row, int col, const char* text) {
    if (m_virtualMode)
        return FALSE;
    CGridCellBase* cell = GetCell(row, col);
    if (!cell)
        return FALSE;
    cell->SetText(text);
    SetModified(TRUE, row, col);
    return TRUE;
}

BOOL CGridCtrl::SetItemFormat(int row, int col, UINT format) {
    CGridCellBase* cell = m_virtualMode ? nullptr : GetCell(row, col);
    if (!cell)
        return FALSE;
    cell->SetFormat(format);
    return TRUE;
}

BOOL CGridCtrl::SetItemBackColor(int row, int col, COLORREF colour) {
    CGridCellBase* cell = m_virtualMode ? nullptr : GetCell(row, col);
    if (!cell)
        return FALSE;
    cell->SetBackColor(colour);
    return TRUE;
}

BOOL CGridCtrl::SetItemTextColor(int row, int col, COLORREF colour) {
    CGridCellBase* cell = m_virtualMode ? nullptr : GetCell(row, col);
    if (!cell)
        return FALSE;
    cell->SetTextColor(colour);
    return TRUE;
}

UINT CGridCtrl::GetItemState(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetState() : 0;
}

BOOL CGridCtrl::SetItemState(int row, int col, UINT state) {
    // The map follows the cell's own selected bit, whether selection is
    // enabled or not, so that it never keeps a cell that is not selected.
    const std::uint64_t key = selectionKey(row, col);
    const bool inMap = m_selectedCellMap.count(key) != 0;
    if (inMap && !(state & kCellSelected))
        m_selectedCellMap.erase(key);
    else if (state & kCellSelected)
        m_selectedCellMap[key] = CCellID(row, col);
    if (m_virtualMode)
        return FALSE;
    CGridCellBase* cell = GetCell(row, col);
    if (!cell)
        return FALSE;
    cell->SetState(state);
    return TRUE;
}

BOOL CGridCtrl::IsCellSelected(int row, int col) const {
    if (!m_selectionEnabled)
        return FALSE;
    if (m_virtualMode)
        return IsValid(row, col) && m_selectedCellMap.count(selectionKey(row, col)) != 0;
    const CGridCellBase* cell = GetCell(row, col);
    return cell && (cell->GetState() & kCellSelected) != 0;
}

BOOL CGridCtrl::IsCellEditable(int row, int col) const {
    return m_editable && !(GetItemState(row, col) & kCellReadOnly);
}

BOOL CGridCtrl::IsItemEditing(int row, int col) const {
    const CGridCellBase* cell = GetCell(row, col);
    return cell && cell->IsEditing();
}

BOOL CGridCtrl::IsValid(int row, int col) const {
    return row >= 0 && row < m_rows && col >= 0 && col < m_cols;
}

BOOL CGridCtrl::IsValid(const CCellRange& range) const {
    return range.minRow >= 0 && range.minCol >= 0 && range.maxRow >= 0 && range.maxCol >= 0 &&
           range.maxRow < m_rows && range.maxCol < m_cols && range.minRow <= range.maxRow &&
           range.minCol <= range.maxCol;
}

// ---------------------------------------------------------------------------
// Focus and selection bookkeeping

void CGridCtrl::redrawFixedCellsOf(const CCellID& cell) {
    for (int row = 0; row < m_fixedRows; ++row)
        RedrawCell(row, cell.col);
    for (int col = 0; col < m_fixedCols; ++col)
        RedrawCell(cell.row, col);
}

CCellID CGridCtrl::SetFocusCell(int row, int col) {
    CCellID cell(row, col);
    if (cell == m_focusCell)
        return m_focusCell;
    if (cell.row != -1 && cell.row < m_fixedRows)
        cell.row = m_fixedRows;
    if (cell.col != -1 && cell.col < m_fixedCols)
        cell.col = m_fixedCols;
    const CCellID previous = m_focusCell;
    m_focusCell = cell;

    if (IsValid(previous)) {
        SetItemState(previous.row, previous.col, GetItemState(previous.row, previous.col) & ~kCellFocused);
        RedrawCell(previous);
        if (m_trackFocusCell) {
            if (previous.col != cell.col)
                for (int r = 0; r < m_fixedRows; ++r)
                    RedrawCell(r, previous.col);
            if (previous.row != cell.row)
                for (int c = 0; c < m_fixedCols; ++c)
                    RedrawCell(previous.row, c);
        }
    }
    if (IsValid(cell)) {
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | kCellFocused);
        RedrawCell(cell);
        if (m_trackFocusCell)
            redrawFixedCellsOf(cell);
    }
    return previous;
}

void CGridCtrl::ResetSelectedRange() {
    m_prevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1, FALSE, TRUE);
    SetFocusCell(-1, -1);
}

void CGridCtrl::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol, BOOL forceRepaint,
                                 BOOL selectCells) {
    if (!m_selectionEnabled)
        return;
    std::unique_ptr<wxBusyCursor> busy;
    if (HasWindow())
        busy = std::make_unique<wxBusyCursor>();
    // Cells are repainted by invalidating them; a forced repaint only makes
    // the window paint them before it returns.
    const CCellRange visible = HasWindow() ? GetVisibleNonFixedCellRange() : CCellRange();
    const CCellRange range(minRow >= 0 ? std::max(minRow, m_fixedRows) : minRow,
                           minCol >= 0 ? std::max(minCol, m_fixedCols) : minCol,
                           maxRow >= 0 ? std::max(maxRow, m_fixedRows) : maxRow,
                           maxCol >= 0 ? std::max(maxCol, m_fixedCols) : maxCol);
    const bool allSet = range.minRow >= 0 && range.minCol >= 0 && range.maxRow >= 0 && range.maxCol >= 0;

    if (selectCells) {
        std::vector<std::pair<std::uint64_t, CCellID>> entries(m_selectedCellMap.begin(),
                                                               m_selectedCellMap.end());
        for (const auto& [key, cell] : entries) {
            if (IsValid(cell)) {
                SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~kCellSelected);
                if (!range.InRange(cell) && visible.InRange(cell))
                    InvalidateCellRect(cell);
            } else {
                m_selectedCellMap.erase(key);
            }
        }
        if (!(m_rowSelectionMode && m_singleRowSelection)) {
            if (range.minRow < 0)
                return;
            if (range.minCol >= 0 && range.maxRow >= 0 && range.maxCol >= 0) {
                for (const auto& [key, cell] : m_prevSelectedCellMap) {
                    if (!IsValid(cell))
                        continue;
                    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | kCellSelected);
                    if (visible.InRange(cell))
                        InvalidateCellRect(cell);
                }
            }
        }
    }

    if (allSet && range.maxRow < m_rows && range.maxCol < m_cols && range.maxCol >= range.minCol) {
        for (int row = range.minRow; row <= range.maxRow; ++row) {
            for (int col = range.minCol; col <= range.maxCol; ++col) {
                const UINT state = GetItemState(row, col);
                const bool selected = (state & kCellSelected) != 0;
                if (selected == static_cast<bool>(selectCells))
                    continue;
                SetItemState(row, col, selectCells ? state | kCellSelected : state & ~kCellSelected);
                if (visible.InRange(row, col))
                    InvalidateCellRect(row, col);
            }
        }
    }
    if (forceRepaint && HasWindow() && m_allowDraw)
        Update();
}

CCellRange CGridCtrl::GetSelectedCellRange() const {
    CCellRange range(m_rows, m_cols, -1, -1);
    for (const auto& [key, cell] : m_selectedCellMap) {
        range.minRow = std::min(range.minRow, cell.row);
        range.minCol = std::min(range.minCol, cell.col);
        range.maxRow = std::max(range.maxRow, cell.row);
        range.maxCol = std::max(range.maxCol, cell.col);
    }
    return range;
}

void CGridCtrl::SetRowSelectionMode(BOOL on) {
    ResetSelectedRange();
    SetSortColumn(-1);
    m_rowSelectionMode = on;
    SetFixedColumnClickSelectsRows(FALSE);
    Refresh();
}

// ---------------------------------------------------------------------------
// Modified state

void CGridCtrl::SetModified(BOOL modified, int row, int col) {
    if (col < 0 || col == m_sortColumn)
        SetSortColumn(-1);
    if (row < 0 || col < 0) {
        m_modified = modified;
    } else if (modified) {
        SetItemState(row, col, GetItemState(row, col) | kCellModified);
        m_modified = TRUE;
    } else {
        SetItemState(row, col, GetItemState(row, col) & ~kCellModified);
    }
    if (!m_modified && !m_virtualMode)
        for (int r = 0; r < m_rows; ++r)
            for (int c = 0; c < m_cols; ++c)
                if (CGridCellBase* cell = GetCell(r, c))
                    cell->SetState(cell->GetState() & ~kCellModified);
}

BOOL CGridCtrl::GetModified(int row, int col) const {
    if (row < 0 || col < 0)
        return m_modified;
    return (GetItemState(row, col) & kCellModified) != 0;
}

// ---------------------------------------------------------------------------
// Sorting

void CGridCtrl::SetSortColumn(int col) {
    if (m_sortColumn >= 0)
        InvalidateCellRect(0, m_sortColumn);
    m_sortColumn = col;
    if (col >= 0)
        InvalidateCellRect(0, col);
}

int CGridCtrl::CompareTexts(const CGridCellBase* a, const CGridCellBase* b, std::intptr_t) {
    if (!a || !b)
        return 0;
    return std::strcmp(a->GetText(), b->GetText());
}

BOOL CGridCtrl::SortTextItems(int col, BOOL ascending, std::intptr_t data) {
    return SortItems(m_compare ? m_compare : CompareTexts, col, ascending, data);
}

BOOL CGridCtrl::SortItems(CompareFunction compare, int col, BOOL ascending, std::intptr_t data, int low,
                          int high) {
    SetSortColumn(col);
    m_sortAscending = ascending;
    ResetSelectedRange();
    SetFocusCell(-1, -1);
    if (m_virtualMode)
        return FALSE;
    return sortRows(compare ? compare : CompareTexts, col, ascending, data, std::max(low, m_fixedRows), high);
}

void CGridCtrl::swapRows(int a, int b) {
    std::swap(m_rowData[a], m_rowData[b]);
    m_rowHeights.Swap(a, b);
    for (int col = 0; col < m_cols; ++col) {
        if (m_rowData[a][col])
            m_rowData[a][col]->SetCoords(a, col);
        if (m_rowData[b][col])
            m_rowData[b][col]->SetCoords(b, col);
    }
}

BOOL CGridCtrl::sortRows(CompareFunction compare, int col, BOOL ascending, std::intptr_t data, int low,
                         int high) {
    if (col < 0 || col >= GetColumnCount())
        return FALSE;
    if (high == -1)
        high = GetRowCount() - 1;
    int lo = low, hi = high;
    if (hi <= lo)
        return FALSE;
    // The pivot cell is kept even when its row moves.
    const CGridCellBase* pivot = GetCell((lo + hi) / 2, col);
    while (lo <= hi) {
        if (ascending) {
            while (lo < high && compare(GetCell(lo, col), pivot, data) < 0)
                ++lo;
            while (hi > low && compare(GetCell(hi, col), pivot, data) > 0)
                --hi;
        } else {
            while (lo < high && compare(GetCell(lo, col), pivot, data) > 0)
                ++lo;
            while (hi > low && compare(GetCell(hi, col), pivot, data) < 0)
                --hi;
        }
        if (lo <= hi) {
            if (compare(GetCell(lo, col), GetCell(hi, col), data) != 0)
                swapRows(lo, hi);
            ++lo;
            --hi;
        }
    }
    if (low < hi)
        sortRows(compare, col, ascending, data, low, hi);
    if (lo < high)
        sortRows(compare, col, ascending, data, lo, high);
    return TRUE;
}

// ---------------------------------------------------------------------------
// Automatic sizing

BOOL CGridCtrl::AutoSizeColumn(int col, int style, BOOL resetScroll) {
    if (col < 0 || col >= m_cols || GetColumnWidth(col) <= 0 || !HasWindow())
        return FALSE;
    if (style == 0)
        style = m_autoSizeStyle;
    const int first = (style & GVS_HEADER) ? 0 : m_fixedRows;
    const int last = (style & GVS_DATA) ? m_rows - 1 : m_fixedRows - 1;
    wxClientDC dc(this);
    if (m_virtualMode)
        SendCacheHintToParent(CCellRange(first, col, last, col));
    wxSize size(0, 0);
    int width = 0;
    for (int row = first; row <= last; ++row) {
        if (CGridCellBase* cell = GetCell(row, col))
            size = cell->GetCellExtent(dc);
        width = std::max(width, size.x);
    }
    if (m_virtualMode)
        SendCacheHintToParent(CCellRange());
    m_colWidths.SetSize(col, width);
    if (resetScroll)
        ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::AutoSizeRow(int row, BOOL resetScroll) {
    if (row < 0 || row >= m_rows || GetRowHeight(row) <= 0 || !HasWindow())
        return FALSE;
    wxClientDC dc(this);
    if (m_virtualMode)
        SendCacheHintToParent(CCellRange(row, 0, row, m_cols - 1));
    wxSize size(0, 0);
    int height = 0;
    for (int col = 0; col < m_cols; ++col) {
        if (CGridCellBase* cell = GetCell(row, col))
            size = cell->GetCellExtent(dc);
        height = std::max(height, size.y);
    }
    if (m_virtualMode)
        SendCacheHintToParent(CCellRange());
    m_rowHeights.SetSize(row, height);
    if (resetScroll)
        ResetScrollBars();
    return TRUE;
}

wxSize CGridCtrl::GetTextExtent(int row, int col, const char* text) {
    CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetTextExtent(text) : wxSize(0, 0);
}

// ---------------------------------------------------------------------------
// Virtual mode and notifications

void CGridCtrl::SetVirtualMode(BOOL on) {
    DeleteAllItems();
    m_virtualMode = on;
}

long CGridCtrl::sendEvent(GridNotifyEvent& event) const {
    wxWindow* parent = GetParent();
    if (!HasWindow() || !parent)
        return 0;
    event.SetEventObject(const_cast<CGridCtrl*>(this));
    parent->GetEventHandler()->ProcessEvent(event);
    return event.GetResult();
}

long CGridCtrl::SendMessageToParent(int row, int col, int code) const {
    GridNotifyEvent event(wxEVT_GRIDCTRL_NOTIFY, GetId(), code);
    event.SetCell(row, col);
    return sendEvent(event);
}

long CGridCtrl::SendCacheHintToParent(const CCellRange& range) const {
    GridNotifyEvent event(wxEVT_GRIDCTRL_NOTIFY, GetId(), kGridNotifyCacheHint);
    event.SetRange(range);
    return sendEvent(event);
}

long CGridCtrl::SendDisplayRequestToParent(CGridItem& item) const {
    GridNotifyEvent event(wxEVT_GRIDCTRL_NOTIFY, GetId(), kGridNotifyGetDisplayInfo);
    event.SetCell(item.row, item.col);
    event.SetItem(&item);
    return sendEvent(event);
}

// ---------------------------------------------------------------------------
// Messages that keep fonts and colours in step

bool CGridCtrl::SetFont(const wxFont& font) {
    const bool result = wxScrolledCanvas::SetFont(font);
    for (CGridDefaultCell* def :
         {m_cellDefault.get(), m_cellFixedRowDef.get(), m_cellFixedColDef.get(), m_cellFixedRowColDef.get()})
        def->SetFont(&font);
    Refresh();
    return result;
}

const wxFont* CGridCtrl::GetGridFont() const {
    return m_cellDefault->GetFont();
}

void CGridCtrl::onSysColourChanged(wxSysColourChangedEvent& event) {
    event.Skip();
    const COLORREF windowText = gridsystem::colour(wxSYS_COLOUR_WINDOWTEXT);
    const COLORREF window = gridsystem::colour(wxSYS_COLOUR_WINDOW);
    const COLORREF shadow = gridsystem::colour(wxSYS_COLOUR_BTNSHADOW);
    for (CGridDefaultCell* def : {m_cellDefault.get(), m_cellFixedRowDef.get(), m_cellFixedColDef.get(),
                                  m_cellFixedRowColDef.get()}) {
        if (def->GetTextColor() == m_sysWindowText)
            def->SetTextColor(windowText);
        if (def->GetBackColor() == m_sysWindow)
            def->SetBackColor(window);
    }
    if (m_backgroundColour == m_sysButtonShadow)
        m_backgroundColour = shadow;
    m_sysWindowText = windowText;
    m_sysWindow = window;
    m_sysButtonFace = gridsystem::colour(wxSYS_COLOUR_BTNFACE);
    m_sysButtonShadow = shadow;
}

void CGridCtrl::Refresh(bool eraseBackground, const wxRect* rect) {
    if (HasWindow() && m_allowDraw)
        wxScrolledCanvas::Refresh(eraseBackground, rect);
}

void CGridCtrl::SetRedraw(BOOL allow, BOOL resetScrollBars) {
    m_allowDraw = allow;
    if (allow && resetScrollBars)
        ResetScrollBars();
    if (allow)
        Refresh();
}
