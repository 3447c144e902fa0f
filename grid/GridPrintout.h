#pragma once

// Prints a grid through wxWidgets' printing framework: a print or a print
// preview drives the grid's OnBeginPrinting, OnPrint for each page and
// OnEndPrinting, telling it the resolution of the paper.

#include "CPrintInfo.h"

#include <wx/print.h>

class CGridCtrl;

class GridPrintout : public wxPrintout {
public:
    explicit GridPrintout(CGridCtrl* grid, const wxString& title = "Grid");

    void OnPreparePrinting() override;
    void OnEndPrinting() override;
    bool HasPage(int page) override;
    void GetPageInfo(int* minPage, int* maxPage, int* pageFrom, int* pageTo) override;
    bool OnPrintPage(int page) override;

    const CPrintInfo& GetPrintInfo() const { return m_info; }

private:
    CGridCtrl* m_grid;
    CPrintInfo m_info;
};
