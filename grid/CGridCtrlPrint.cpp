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
        m_headerLines = header;
    if (footer >= 0)
        m_footerLines = footer;
    if (left >= 0)
        m_leftMargin = left;
    if (right >= 0)
        m_rightMargin = right;
    if (gap >= 0)
        m_gap = gap;
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
    if (m_printerFont)
        dc.SetFont(*m_printerFont);
}

void CGridCtrl::OnBeginPrinting(wxDC* dc, CPrintInfo* info) {
    if (!dc || !info || !HasWindow())
        return;
    const wxSize screenPpi = wxClientDC(this).GetPPI();
    const wxSize printerPpi = info->m_devicePpi.x > 0 ? info->m_devicePpi : dc->GetPPI();

    GridDCState state(*dc);
    dc->SetUserScale(1, 1);
    dc->SetLogicalOrigin(0, 0);
    m_printerFont = std::make_unique<wxFont>(wxFontInfo(wxSize(0, 10)).FaceName("Arial"));
    dc->SetFont(*m_printerFont);
    const wxSize sample = dc->GetTextExtent(wxString(kCharacterSample).Left(52));
    m_charSize = wxSize(std::max(1, sample.x / 52), std::max(1, sample.y));

    const wxSize device = dc->GetSize();
    m_deviceWidth = std::max(1, device.x);
    m_deviceHeight = std::max(1, device.y);
    const int marginWidth = m_charSize.x * (m_leftMargin + m_rightMargin);
    if (m_pageAccuratePrinting) {
        m_pageWidth = m_deviceWidth * screenPpi.x / std::max(1, printerPpi.x) * 3 / 4;
        m_pageHeight = m_deviceHeight * screenPpi.y / std::max(1, printerPpi.y) * 3 / 4;
    } else {
        // The whole width of the grid is fitted to the paper.
        m_pageWidth = marginWidth + GetVirtualWidth();
        m_pageHeight = static_cast<int>(static_cast<long long>(m_pageWidth) * m_deviceHeight / m_deviceWidth);
    }
    m_bodyHeight =
        m_pageHeight - (m_headerLines + m_footerLines + 2 * m_gap) * m_charSize.y - GetFixedRowHeight();
    m_bodyWidth = m_pageWidth - GetFixedColumnWidth() - marginWidth;
    computePrintPages();
    info->m_maxPage = m_pagesDown * m_pagesAcross;
    info->m_currentPage = 1;
}

void CGridCtrl::computePrintPages() {
    std::vector<int> heights;
    for (int row = m_fixedRows; row < m_rows; ++row)
        heights.push_back(GetRowHeight(row));
    m_printRowStarts = PaginateSpans(heights, m_bodyHeight);
    m_pagesDown = static_cast<int>(m_printRowStarts.size());
    if (m_pageAccuratePrinting) {
        std::vector<int> widths;
        for (int col = m_fixedCols; col < m_cols; ++col)
            widths.push_back(GetColumnWidth(col));
        m_printColStarts = PaginateSpans(widths, m_bodyWidth);
    } else {
        m_printColStarts = {0};
    }
    m_pagesAcross = static_cast<int>(m_printColStarts.size());
}

void CGridCtrl::OnPrint(wxDC* dc, CPrintInfo* info) {
    if (!dc || !info || m_pageWidth <= 0 || m_pageHeight <= 0)
        return;
    const int page = info->m_currentPage;
    const int pageRow = (page - 1) / m_pagesAcross;
    const int pageCol = (page - 1) % m_pagesAcross;
    if (page < 1 || pageRow >= m_pagesDown)
        return;

    GridDCState state(*dc);
    startPrintFont(*dc);
    const wxSize device = dc->GetSize();
    dc->SetUserScale(static_cast<double>(device.x) / m_pageWidth,
                     static_cast<double>(device.y) / m_pageHeight);
    const int left = m_leftMargin * m_charSize.x;
    const int headerHeight = m_charSize.y * m_headerLines;
    const int fixedWidth = GetFixedColumnWidth();
    const int fixedHeight = GetFixedRowHeight();

    dc->SetLogicalOrigin(-left, 0);
    info->m_drawRect =
        GridRect{0, 0, m_pageWidth - (m_leftMargin + m_rightMargin) * m_charSize.x, headerHeight};
    PrintPageHeader(*dc, info);

    const int gridTop = headerHeight + m_gap * m_charSize.y;
    m_printFirstRow = m_fixedRows + m_printRowStarts[pageRow];
    m_printFirstCol = m_fixedCols + m_printColStarts[pageCol];
    m_printEndRow = pageRow + 1 < m_pagesDown ? m_fixedRows + m_printRowStarts[pageRow + 1] : m_rows;
    m_printEndCol = pageCol + 1 < m_pagesAcross ? m_fixedCols + m_printColStarts[pageCol + 1] : m_cols;

    dc->SetLogicalOrigin(-left, -(gridTop + fixedHeight));
    PrintFixedColumns(*dc, info);
    dc->SetLogicalOrigin(-left, -gridTop);
    m_bodyWidth += fixedWidth;
    {
        wxDCClipper clip(*dc, wxRect(0, 0, m_bodyWidth + 1, fixedHeight + 1));
        PrintHeaderRows(*dc, info);
    }
    m_bodyWidth -= fixedWidth;

    // Body: the rows and columns of this page.
    dc->SetLogicalOrigin(-(left + fixedWidth), -(gridTop + fixedHeight));
    printRowBlock(*dc, m_printFirstCol, m_printEndCol, m_bodyWidth);

    dc->SetLogicalOrigin(-left, -(m_pageHeight - m_charSize.y * m_footerLines));
    info->m_drawRect.bottom = m_charSize.y * m_footerLines;
    PrintPageFooter(*dc, info);
    dc->SetLogicalOrigin(0, 0);
    dc->SetUserScale(1, 1);
}

void CGridCtrl::printBodyCell(wxDC& dc, int row, int col, const GridRect& rect, bool firstPrintedRow) {
    if (CGridCellBase* cell = GetCell(row, col))
        cell->PrintCell(dc, row, col, rect);
    dc.SetPen(*wxBLACK_PEN);
    if (m_gridLines == GVL_HORZ || m_gridLines == GVL_BOTH) {
        dc.DrawLine(rect.left - (col > 0 ? 1 : 0), rect.bottom, rect.right + 1, rect.bottom);
        if (row == 0)
            dc.DrawLine(rect.left, rect.top, rect.right + 1, rect.top);
    }
    if (m_gridLines == GVL_VERT || m_gridLines == GVL_BOTH) {
        dc.DrawLine(rect.right, rect.top - (firstPrintedRow ? 0 : 1), rect.right, rect.bottom + 1);
        if (col == 0)
            dc.DrawLine(rect.left, rect.top, rect.left, rect.bottom + 1);
    }
}

void CGridCtrl::PrintRowSpan(int firstCol, int endCol, int row, GridRect& rect, wxDC& dc, BOOL& leftEdge) {
    for (int col = firstCol; col < endCol; ++col) {
        rect.left = rect.right + 1;
        rect.right = rect.left + GetColumnWidth(col) - 1;
        // The page's first column is printed clipped when it is wider than the page.
        if (col > firstCol && rect.right > m_bodyWidth)
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
    for (int row = 0; row < m_fixedRows; ++row) {
        rect.top = rect.bottom + 1;
        rect.bottom = rect.top + GetRowHeight(row) - 1;
        rect.right = -1;
        BOOL leftEdge = TRUE;
        PrintRowSpan(0, m_fixedCols, row, rect, dc, leftEdge);
        PrintRowSpan(m_printFirstCol, m_printEndCol, row, rect, dc, leftEdge);
    }
}

void CGridCtrl::PrintFixedColumns(wxDC& dc, CPrintInfo*) {
    startPrintFont(dc);
    printRowBlock(dc, 0, m_fixedCols, GetFixedColumnWidth());
}

void CGridCtrl::printRowBlock(wxDC& dc, int firstCol, int endCol, int width) {
    wxDCClipper clip(dc, wxRect(0, 0, width + 1, m_bodyHeight + 1));
    GridRect rect;
    rect.bottom = -1;
    for (int row = m_printFirstRow; row < m_printEndRow; ++row) {
        rect.top = rect.bottom + 1;
        rect.bottom = rect.top + GetRowHeight(row) - 1;
        if (row > m_printFirstRow && rect.bottom > m_bodyHeight)
            break;
        rect.right = -1;
        for (int col = firstCol; col < endCol; ++col) {
            rect.left = rect.right + 1;
            rect.right = rect.left + GetColumnWidth(col) - 1;
            if (col > firstCol && rect.right > width)
                break;
            printBodyCell(dc, row, col, rect, row == m_printFirstRow);
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
    if (m_printerFont)
        dc.SetFont(m_printerFont->Bold());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(*wxBLACK);
    const GridRect& rect = info->m_drawRect;
    if (!title.empty())
        gridtext::draw(dc, title, rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (!application.empty())
        gridtext::draw(dc, application, rect, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(rect.left, rect.bottom, rect.right, rect.bottom);
}

void CGridCtrl::PrintPageFooter(wxDC& dc, CPrintInfo* info) {
    GridDCState state(dc);
    const GridRect& rect = info->m_drawRect;
    dc.SetPen(*wxBLACK_PEN);
    dc.DrawLine(rect.left, rect.top, rect.right, rect.top);
    if (m_printerFont)
        dc.SetFont(m_printerFont->Bold());
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    dc.SetTextForeground(*wxBLACK);
    CString pageText;
    pageText.Format("Page %d of %d", info->m_currentPage, info->m_maxPage);
    gridtext::draw(dc, toWx(pageText), rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    gridtext::draw(dc, toWx(CTime::GetCurrentTime().Format("%c")), rect,
                   DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CGridCtrl::OnEndPrinting(wxDC*, CPrintInfo*) {
    m_printerFont.reset();
}
