// Printing over pages: each page shows a header (the window's title and the
// application's title over a rule), the fixed rows and columns again, as
// many body rows and columns as fit, and a footer with the page number and
// the date. The page is laid out in the grid's screen pixels and scaled to
// the paper.

#include "CGridCtrl.h"

#include "CTime.h"
#include "GridDCState.h"
#include "GridText.h"
#include "StringTable.h"
#include "WxText.h"

#include <algorithm>
#include <wx/dcclient.h>

namespace {

constexpr UINT kApplicationTitleId = 57344;
const char* const kCharacterSample = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";

} // namespace

void CGridCtrl::SetPrintMarginInfo(int header, int footer, int left, int right, int gap) {
    if (header >= 0)
        m_nHeaderHeight = header;
    if (footer >= 0)
        m_nFooterHeight = footer;
    if (left >= 0)
        m_nLeftMargin = left;
    if (right >= 0)
        m_nRightMargin = right;
    if (gap >= 0)
        m_nGap = gap;
}

std::vector<int> CGridCtrl::PaginateSpans(const std::vector<int>& sizes, int available) {
    // A page takes items while they fit; an item longer than a whole page
    // still gets a page of its own, where it is printed clipped.
    std::vector<int> starts{0};
    long long sum = 0;
    int onPage = 0;
    for (size_t i = 0; i < sizes.size(); ++i) {
        if (onPage > 0 && sum + sizes[i] > available) {
            starts.push_back(static_cast<int>(i));
            sum = 0;
            onPage = 0;
        }
        sum += sizes[i];
        ++onPage;
    }
    return starts;
}

void CGridCtrl::startPrintFont(wxDC& dc) {
    if (m_PrinterFont)
        dc.SetFont(*m_PrinterFont);
}

void CGridCtrl::OnBeginPrinting(wxDC* dc, CPrintInfo* info) {
    if (!dc || !info || !HasWindow())
        return;
    const wxSize screenPpi = wxClientDC(this).GetPPI();
    const wxSize printerPpi = info->m_devicePpi.x > 0 ? info->m_devicePpi : dc->GetPPI();

    GridDCState state(*dc);
    dc->SetUserScale(1, 1);
    dc->SetLogicalOrigin(0, 0);
    m_PrinterFont = std::make_unique<wxFont>(wxFontInfo(wxSize(0, 10)).FaceName("Arial"));
    dc->SetFont(*m_PrinterFont);
    const wxSize sample = dc->GetTextExtent(wxString(kCharacterSample).Left(52));
    m_CharSize = wxSize(std::max(1, sample.x / 52), std::max(1, sample.y));

    const wxSize device = dc->GetSize();
    m_nDeviceWidth = std::max(1, device.x);
    m_nDeviceHeight = std::max(1, device.y);
    const int marginWidth = m_CharSize.x * (m_nLeftMargin + m_nRightMargin);
    if (m_bPageAccuratePrinting) {
        m_nPageWidth = m_nDeviceWidth * screenPpi.x / std::max(1, printerPpi.x) * 3 / 4;
        m_nPageHeight = m_nDeviceHeight * screenPpi.y / std::max(1, printerPpi.y) * 3 / 4;
    } else {
        // The whole width of the grid is fitted to the paper.
        m_nPageWidth = marginWidth + GetVirtualWidth();
        m_nPageHeight =
            static_cast<int>(static_cast<long long>(m_nPageWidth) * m_nDeviceHeight / m_nDeviceWidth);
    }
    m_nBodyHeight =
        m_nPageHeight - (m_nHeaderHeight + m_nFooterHeight + 2 * m_nGap) * m_CharSize.y - GetFixedRowHeight();
    m_nBodyWidth = m_nPageWidth - GetFixedColumnWidth() - marginWidth;
    computePrintPages();
    info->m_nMaxPage = m_nPageMultiplier * m_nPagesAcross;
    info->m_nCurPage = 1;
}

void CGridCtrl::computePrintPages() {
    std::vector<int> heights;
    for (int row = m_nFixedRows; row < m_nRows; ++row)
        heights.push_back(GetRowHeight(row));
    m_printRowStarts = PaginateSpans(heights, m_nBodyHeight);
    m_nPageMultiplier = static_cast<int>(m_printRowStarts.size());
    if (m_bPageAccuratePrinting) {
        std::vector<int> widths;
        for (int col = m_nFixedCols; col < m_nCols; ++col)
            widths.push_back(GetColumnWidth(col));
        m_printColStarts = PaginateSpans(widths, m_nBodyWidth);
    } else {
        m_printColStarts = {0};
    }
    m_nPagesAcross = static_cast<int>(m_printColStarts.size());
}

void CGridCtrl::OnPrint(wxDC* dc, CPrintInfo* info) {
    if (!dc || !info || m_nPageWidth <= 0 || m_nPageHeight <= 0)
        return;
    const int page = info->m_nCurPage;
    const int pageRow = (page - 1) / m_nPagesAcross;
    const int pageCol = (page - 1) % m_nPagesAcross;
    if (page < 1 || pageRow >= m_nPageMultiplier)
        return;

    GridDCState state(*dc);
    startPrintFont(*dc);
    const wxSize device = dc->GetSize();
    dc->SetUserScale(static_cast<double>(device.x) / m_nPageWidth,
                     static_cast<double>(device.y) / m_nPageHeight);
    const int left = m_nLeftMargin * m_CharSize.x;
    const int headerHeight = m_CharSize.y * m_nHeaderHeight;
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();

    dc->SetLogicalOrigin(-left, 0);
    info->m_rectDraw =
        GridRect{0, 0, m_nPageWidth - (m_nLeftMargin + m_nRightMargin) * m_CharSize.x, headerHeight};
    PrintPageHeader(*dc, info);

    const int gridTop = headerHeight + m_nGap * m_CharSize.y;
    m_nPrintFirstRow = m_nFixedRows + m_printRowStarts[pageRow];
    m_nPrintFirstCol = m_nFixedCols + m_printColStarts[pageCol];
    const int rowEnd =
        pageRow + 1 < m_nPageMultiplier ? m_nFixedRows + m_printRowStarts[pageRow + 1] : m_nRows;
    const int colEnd = pageCol + 1 < m_nPagesAcross ? m_nFixedCols + m_printColStarts[pageCol + 1] : m_nCols;

    dc->SetLogicalOrigin(-left, -(gridTop + fixedHeight));
    PrintFixedColumns(*dc, info);
    dc->SetLogicalOrigin(-left, -gridTop);
    m_nBodyWidth += fixedWidth;
    PrintHeaderRows(*dc, info);
    m_nBodyWidth -= fixedWidth;

    // Body: the rows and columns of this page. The first row and column of
    // a page are printed even when they are longer than the page, clipped.
    dc->SetLogicalOrigin(-(left + fixedWidth), -(gridTop + fixedHeight));
    {
        wxDCClipper clip(*dc, wxRect(0, 0, m_nBodyWidth + 1, m_nBodyHeight + 1));
        GridRect rect;
        rect.bottom = -1;
        for (int row = m_nPrintFirstRow; row < rowEnd; ++row) {
            rect.top = rect.bottom + 1;
            rect.bottom = rect.top + GetRowHeight(row) - 1;
            if (row > m_nPrintFirstRow && rect.bottom > m_nBodyHeight)
                break;
            rect.right = -1;
            for (int col = m_nPrintFirstCol; col < colEnd; ++col) {
                rect.left = rect.right + 1;
                rect.right = rect.left + GetColumnWidth(col) - 1;
                if (col > m_nPrintFirstCol && rect.right > m_nBodyWidth)
                    break;
                printBodyCell(*dc, row, col, rect, row == m_nPrintFirstRow);
            }
        }
    }

    dc->SetLogicalOrigin(-left, -(m_nPageHeight - m_CharSize.y * m_nFooterHeight));
    info->m_rectDraw.bottom = m_CharSize.y * m_nFooterHeight;
    PrintPageFooter(*dc, info);
    dc->SetLogicalOrigin(0, 0);
    dc->SetUserScale(1, 1);
}

void CGridCtrl::printBodyCell(wxDC& dc, int row, int col, const GridRect& rect, bool firstPrintedRow) {
    if (CGridCellBase* cell = GetCell(row, col))
        cell->PrintCell(dc, row, col, rect);
    dc.SetPen(*wxBLACK_PEN);
    if (m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH) {
        dc.DrawLine(rect.left - (col > 0 ? 1 : 0), rect.bottom, rect.right + 1, rect.bottom);
        if (row == 0)
            dc.DrawLine(rect.left, rect.top, rect.right + 1, rect.top);
    }
    if (m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH) {
        dc.DrawLine(rect.right, rect.top - (firstPrintedRow ? 0 : 1), rect.right, rect.bottom + 1);
        if (col == 0)
            dc.DrawLine(rect.left, rect.top, rect.left, rect.bottom + 1);
    }
}

void CGridCtrl::PrintRowSpan(int firstCol, int endCol, int row, GridRect& rect, wxDC& dc, BOOL& leftEdge) {
    for (int col = firstCol; col < endCol; ++col) {
        rect.left = rect.right + 1;
        rect.right = rect.left + GetColumnWidth(col) - 1;
        if (rect.right > m_nBodyWidth)
            break;
        if (leftEdge && col == firstCol) {
            dc.SetPen(*wxBLACK_PEN);
            dc.DrawLine(rect.left, rect.top, rect.left, rect.bottom + 1);
            leftEdge = FALSE;
        }
        printBodyCell(dc, row, col, rect, true);
    }
}

void CGridCtrl::PrintHeaderRows(wxDC& dc, CPrintInfo*) {
    startPrintFont(dc);
    GridRect rect;
    rect.bottom = -1;
    for (int row = 0; row < m_nFixedRows; ++row) {
        rect.top = rect.bottom + 1;
        rect.bottom = rect.top + GetRowHeight(row) - 1;
        rect.right = -1;
        BOOL leftEdge = TRUE;
        PrintRowSpan(0, m_nFixedCols, row, rect, dc, leftEdge);
        PrintRowSpan(m_nPrintFirstCol, m_nCols, row, rect, dc, leftEdge);
    }
}

void CGridCtrl::PrintFixedColumns(wxDC& dc, CPrintInfo*) {
    startPrintFont(dc);
    const int rowEnd = [this] {
        for (size_t i = 0; i + 1 < m_printRowStarts.size(); ++i)
            if (m_nFixedRows + m_printRowStarts[i] == m_nPrintFirstRow)
                return m_nFixedRows + m_printRowStarts[i + 1];
        return m_nRows;
    }();
    wxDCClipper clip(dc, wxRect(0, 0, GetFixedColumnWidth() + 1, m_nBodyHeight + 1));
    GridRect rect;
    rect.right = -1;
    for (int col = 0; col < m_nFixedCols; ++col) {
        rect.left = rect.right + 1;
        rect.right = rect.left + GetColumnWidth(col) - 1;
        rect.bottom = -1;
        for (int row = m_nPrintFirstRow; row < rowEnd; ++row) {
            rect.top = rect.bottom + 1;
            rect.bottom = rect.top + GetRowHeight(row) - 1;
            if (row > m_nPrintFirstRow && rect.bottom > m_nBodyHeight)
                break;
            printBodyCell(dc, row, col, rect, row == m_nPrintFirstRow);
        }
    }
}

void CGridCtrl::PrintPageHeader(wxDC& dc, CPrintInfo* info) {
    wxString title;
    for (wxWindow* window = GetParent(); window; window = window->GetParent()) {
        if (!window->GetLabel().empty()) {
            title = window->GetLabel();
            break;
        }
    }
    const wxString application = toWx(loadString(kApplicationTitleId));
    GridDCState state(dc);
    if (m_PrinterFont)
        dc.SetFont(m_PrinterFont->Bold());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(*wxBLACK);
    const GridRect& rect = info->m_rectDraw;
    if (!title.empty())
        gridtext::draw(dc, title, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (!application.empty())
        gridtext::draw(dc, application, rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(rect.left, rect.bottom, rect.right, rect.bottom);
}

void CGridCtrl::PrintPageFooter(wxDC& dc, CPrintInfo* info) {
    GridDCState state(dc);
    const GridRect& rect = info->m_rectDraw;
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(rect.left, rect.top, rect.right, rect.top);
    if (m_PrinterFont)
        dc.SetFont(m_PrinterFont->Bold());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(*wxBLACK);
    CString pageText;
    pageText.Format("Page %d of %d", info->m_nCurPage, info->m_nMaxPage);
    gridtext::draw(dc, toWx(pageText), rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    gridtext::draw(dc, toWx(CTime::GetCurrentTime().Format("%c")), rect,
                   DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CGridCtrl::OnEndPrinting(wxDC*, CPrintInfo*) {
    m_PrinterFont.reset();
}
