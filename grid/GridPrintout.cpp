#include "GridPrintout.h"

#include "CGridCtrl.h"

GridPrintout::GridPrintout(CGridCtrl* grid, const wxString& title) : wxPrintout(title), m_grid(grid) {}

void GridPrintout::OnPreparePrinting() {
    wxDC* dc = GetDC();
    if (!dc || !m_grid)
        return;
    // A preview draws the page smaller than the paper: the resolution that
    // the grid works with is the paper's, brought to the context's size.
    int printerX = 0, printerY = 0, pageX = 0, pageY = 0;
    GetPPIPrinter(&printerX, &printerY);
    GetPageSizePixels(&pageX, &pageY);
    const wxSize size = dc->GetSize();
    if (printerX > 0 && pageX > 0 && pageY > 0)
        m_info.m_devicePpi = wxSize(printerX * size.x / pageX, printerY * size.y / pageY);
    m_info.m_maxPage = 0;
    m_grid->OnBeginPrinting(dc, &m_info);
}

void GridPrintout::OnEndPrinting() {
    if (m_grid)
        m_grid->OnEndPrinting(GetDC(), &m_info);
}

bool GridPrintout::HasPage(int page) {
    return page >= 1 && page <= m_info.m_maxPage;
}

void GridPrintout::GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) {
    *minPage = 1;
    *maxPage = m_info.m_maxPage;
    *pageFrom = 1;
    *pageTo = m_info.m_maxPage;
}

bool GridPrintout::OnPrintPage(int page) {
    if (!m_grid || !GetDC())
        return false;
    m_info.m_currentPage = page;
    m_grid->OnPrint(GetDC(), &m_info);
    return true;
}
