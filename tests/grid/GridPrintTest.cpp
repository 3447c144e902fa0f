// Printing a grid over pages, checked in a print preview without a printer:
// how many pages there are, which rows and columns each page prints, and
// the header rows and footers repeated on every page.

#include "GridPrintout.h"
#include "GridTestWindow.h"
#include "TempDir.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <wx/dcsvg.h>
#include <wx/print.h>

namespace {

// Every cell printed, by page.
std::map<int, std::vector<CCellID>> g_printed;
int g_page = 0;

class PrintedCell : public CGridCell {
public:
    BOOL PrintCell(wxDC& dc, int row, int col, GridRect rect) override {
        g_printed[g_page].push_back(CCellID(row, col));
        return CGridCell::PrintCell(dc, row, col, rect);
    }
};

class RecordingGrid : public CGridCtrl {
public:
    RecordingGrid() {
        SetCellFactory([]() -> CGridCellBase* { return new PrintedCell; });
    }
    std::vector<std::pair<int, int>> footers;

protected:
    void PrintPageFooter(wxDC& dc, CPrintInfo* info) override {
        footers.emplace_back(info->m_currentPage, info->m_maxPage);
        CGridCtrl::PrintPageFooter(dc, info);
    }
};

// A print preview of the grid, each page rendered once.
class Preview {
public:
    Preview(CGridCtrl& grid, wxWindow* parent) {
        m_preview = new wxPrintPreview(new GridPrintout(&grid), nullptr);
        m_frame = new wxPreviewFrame(m_preview, parent, "Preview");
        m_frame->Initialize();
        // The pages are counted when the first page is drawn.
        m_preview->RenderPage(1);
    }
    ~Preview() {
        m_frame->Destroy();
        processPending();
    }
    int pages() const { return m_preview->GetMaxPage(); }
    void renderAll() {
        g_printed.clear();
        for (g_page = 1; g_page <= pages(); ++g_page)
            m_preview->RenderPage(g_page);
    }

private:
    wxPrintPreview* m_preview;
    wxPreviewFrame* m_frame;
};

RecordingGrid* makeGrid(int rows, int cols) {
    auto* grid = new RecordingGrid;
    grid->SetRowCount(rows + 1);
    grid->SetColumnCount(cols);
    grid->SetFixedRowCount(1);
    for (int r = 0; r <= rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid->SetItemText(r, c, (std::to_string(r) + "." + std::to_string(c)).c_str());
    return grid;
}

std::set<int> rowsOf(const std::vector<CCellID>& cells, bool header) {
    std::set<int> rows;
    for (const CCellID& cell : cells)
        if ((cell.row == 0) == header)
            rows.insert(cell.row);
    return rows;
}

TEST(GridPrintTest, ALongGridPrintsEveryRowOnceWithHeaderAndFooterOnEachPage) {
    RecordingGrid* grid = makeGrid(200, 3);
    grid->SetFixedColumnCount(1);
    GridTestWindow window(wxSize(400, 300), grid);
    Preview preview(*grid, &window.frame());
    const int pages = preview.pages();
    EXPECT_GT(pages, 2);
    grid->footers.clear();
    preview.renderAll();

    std::vector<int> timesPrinted(201, 0);
    int previousLast = 0;
    for (int page = 1; page <= pages; ++page) {
        const std::vector<CCellID>& cells = g_printed[page];
        EXPECT_EQ(rowsOf(cells, true), std::set<int>{0}) << "header on page " << page;
        const std::set<int> body = rowsOf(cells, false);
        ASSERT_FALSE(body.empty()) << page;
        EXPECT_EQ(*body.begin(), previousLast + 1) << "page " << page << " goes on from the last";
        previousLast = *body.rbegin();
        // The fixed column is printed beside every body row of the page.
        std::set<int> fixedColumn, lastColumn;
        for (const CCellID& cell : cells) {
            if (cell.row > 0 && cell.col == 0)
                fixedColumn.insert(cell.row);
            if (cell.row > 0 && cell.col == 2)
                lastColumn.insert(cell.row);
            if (cell.row > 0 && cell.col == 0)
                ++timesPrinted[cell.row];
        }
        EXPECT_EQ(fixedColumn, body) << "page " << page;
        EXPECT_EQ(lastColumn, body) << "page " << page;
    }
    EXPECT_EQ(previousLast, 200);
    for (int row = 1; row <= 200; ++row)
        EXPECT_EQ(timesPrinted[row], 1) << row;
    std::vector<std::pair<int, int>> expected;
    for (int page = 1; page <= pages; ++page)
        expected.emplace_back(page, pages);
    EXPECT_EQ(grid->footers, expected);
}

TEST(GridPrintTest, AGridThatFitsIsOnePageHoweverWide) {
    RecordingGrid* grid = makeGrid(5, 12);
    for (int col = 0; col < 12; ++col)
        grid->SetColumnWidth(col, 150);
    GridTestWindow window(wxSize(400, 300), grid);
    Preview preview(*grid, &window.frame());
    EXPECT_EQ(preview.pages(), 1);
    grid->footers.clear();
    preview.renderAll();
    EXPECT_EQ(grid->footers, (std::vector<std::pair<int, int>>{{1, 1}}));
    EXPECT_EQ(rowsOf(g_printed[1], false), (std::set<int>{1, 2, 3, 4, 5}));
    std::set<int> columns;
    for (const CCellID& cell : g_printed[1])
        columns.insert(cell.col);
    EXPECT_EQ(columns.size(), 12u);
}

TEST(GridPrintTest, ARowTallerThanAPagePrintsClippedOnAPageOfItsOwn) {
    RecordingGrid* grid = makeGrid(5, 2);
    grid->SetRowHeight(3, 20000);
    GridTestWindow window(wxSize(400, 300), grid);
    Preview preview(*grid, &window.frame());
    EXPECT_EQ(preview.pages(), 3);
    preview.renderAll();
    EXPECT_EQ(rowsOf(g_printed[1], false), (std::set<int>{1, 2}));
    EXPECT_EQ(rowsOf(g_printed[2], false), (std::set<int>{3}));
    EXPECT_EQ(rowsOf(g_printed[3], false), (std::set<int>{4, 5}));
}

TEST(GridPrintTest, PageAccuratePrintingNumbersPagesAlongThePageRowFirst) {
    RecordingGrid* grid = makeGrid(3, 12);
    for (int col = 0; col < 12; ++col)
        grid->SetColumnWidth(col, 150);
    grid->SetPageAccuratePrinting(TRUE);
    GridTestWindow window(wxSize(400, 300), grid);
    Preview preview(*grid, &window.frame());
    ASSERT_GE(preview.pages(), 2);
    preview.renderAll();
    std::set<int> columns1, columns2;
    for (const CCellID& cell : g_printed[1])
        columns1.insert(cell.col);
    for (const CCellID& cell : g_printed[2])
        columns2.insert(cell.col);
    // Page 2 goes on to the right with the same rows.
    EXPECT_EQ(*columns1.begin(), 0);
    EXPECT_EQ(*columns2.begin(), *columns1.rbegin() + 1);
    EXPECT_EQ(rowsOf(g_printed[2], false), (std::set<int>{1, 2, 3}));
    EXPECT_EQ(rowsOf(g_printed[2], true), std::set<int>{0});
}

TEST(GridPrintTest, EachPageHeadsExactlyTheColumnsItPrints) {
    // Page-accurate printing of columns of several widths, one of them wider
    // than a whole page: every page's header row names the body's columns.
    RecordingGrid* grid = makeGrid(3, 8);
    const int widths[] = {150, 90, 20000, 150, 60, 150, 150, 30};
    for (int col = 0; col < 8; ++col)
        grid->SetColumnWidth(col, widths[col]);
    grid->SetPageAccuratePrinting(TRUE);
    GridTestWindow window(wxSize(400, 300), grid);
    Preview preview(*grid, &window.frame());
    ASSERT_GE(preview.pages(), 3);
    preview.renderAll();
    std::set<int> bodyColumns;
    for (int page = 1; page <= preview.pages(); ++page) {
        std::set<int> header, body;
        for (const CCellID& cell : g_printed[page])
            (cell.row == 0 ? header : body).insert(cell.col);
        EXPECT_FALSE(body.empty()) << "page " << page;
        EXPECT_EQ(header, body) << "page " << page;
        bodyColumns.insert(body.begin(), body.end());
    }
    EXPECT_EQ(bodyColumns.size(), 8u);
}

// An SVG context cannot tell its colour depth and complains when asked;
// while one prints, that complaint alone is let pass.
wxAssertHandler_t g_outerAssertHandler = nullptr;

void passDepthQuestion(const wxString& file, int line, const wxString& func, const wxString& cond,
                       const wxString& msg) {
    if (func != "GetDepth" && g_outerAssertHandler)
        g_outerAssertHandler(file, line, func, cond, msg);
}

class SvgPage {
public:
    explicit SvgPage(const std::string& path) : m_dc(path, 850, 1100, 96) {
        g_outerAssertHandler = wxSetAssertHandler(passDepthQuestion);
    }
    ~SvgPage() { wxSetAssertHandler(g_outerAssertHandler); }
    wxDC& dc() { return m_dc; }

private:
    wxSVGFileDC m_dc;
};

// Prints one page into an SVG file, whose text elements show what the page
// says; answers the file's contents.
std::string printPageAsSvg(CGridCtrl& grid, int page, const TempDir& folder) {
    {
        SvgPage svg(folder / "page.svg");
        wxDC& dc = svg.dc();
        CPrintInfo info;
        grid.OnBeginPrinting(&dc, &info);
        info.m_currentPage = page;
        grid.OnPrint(&dc, &info);
        grid.OnEndPrinting(&dc, &info);
    }
    return folder.read("page.svg");
}

TEST(GridPrintTest, EachPageIsHeadedByTheWindowAndTheProgramAndFootedByItsNumber) {
    RecordingGrid* grid = makeGrid(200, 3);
    GridTestWindow window(wxSize(400, 300), grid);
    window.frame().SetTitle("Roles of the activity");
    TempDir folder;
    CPrintInfo counted;
    {
        SvgPage svg(folder / "count.svg");
        grid->OnBeginPrinting(&svg.dc(), &counted);
        grid->OnEndPrinting(&svg.dc(), &counted);
    }
    ASSERT_GT(counted.m_maxPage, 2);
    const std::string last = std::to_string(counted.m_maxPage);

    const std::string second = printPageAsSvg(*grid, 2, folder);
    EXPECT_NE(second.find(">Roles of the activity<"), std::string::npos);
    EXPECT_NE(second.find(">Tolvane<"), std::string::npos);
    EXPECT_NE(second.find(">Page 2 of " + last + "<"), std::string::npos) << second.substr(0, 2000);
    EXPECT_EQ(second.find(">Page 1 of "), std::string::npos);
    // The header row again, above the page's own rows.
    EXPECT_NE(second.find(">0.1<"), std::string::npos);
    EXPECT_EQ(second.find(">1.1<"), std::string::npos);

    const std::string lastPage = printPageAsSvg(*grid, counted.m_maxPage, folder);
    EXPECT_NE(lastPage.find(">Page " + last + " of " + last + "<"), std::string::npos);
    EXPECT_NE(lastPage.find(">200.1<"), std::string::npos);
}

} // namespace
