#include "CGridCellBase.h"

#include "CGridCtrl.h"
#include "CGridDefaultCell.h"
#include "GridDCState.h"
#include "GridSystem.h"
#include "GridText.h"
#include "WxText.h"

#include <algorithm>
#include <wx/dcclient.h>

namespace {

void fillRect(wxDC& dc, const GridRect& rect, COLORREF colour) {
    if (rect.IsRectEmpty())
        return;
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(wxBrush(gridsystem::toWx(colour)));
    dc.DrawRectangle(rect.toWx());
}

void frameRect(wxDC& dc, const GridRect& rect, COLORREF colour) {
    if (rect.IsRectEmpty())
        return;
    dc.SetPen(wxPen(gridsystem::toWx(colour), 1));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(rect.toWx());
}

// A polyline with a one-pixel pen; the last point is not drawn.
void lines(wxDC& dc, COLORREF colour, std::initializer_list<wxPoint> points) {
    dc.SetPen(wxPen(gridsystem::toWx(colour), 1));
    const wxPoint* previous = nullptr;
    for (const wxPoint& p : points) {
        if (previous)
            dc.DrawLine(*previous, p);
        previous = &p;
    }
}

// The raised look of a fixed cell: light top and left, dark right and bottom.
void drawRaised(wxDC& dc, const GridRect& r) {
    lines(dc, gridsystem::colour(wxSYS_COLOUR_BTNHIGHLIGHT),
          {wxPoint(r.right, r.top), wxPoint(r.left, r.top), wxPoint(r.left, r.bottom)});
    lines(dc, gridsystem::colour(wxSYS_COLOUR_3DDKSHADOW),
          {wxPoint(r.right, r.top), wxPoint(r.right, r.bottom), wxPoint(r.left, r.bottom)});
}

// The sunken look of a fixed cell in the focus row or column, on the
// rectangle as a fill would cover it.
void drawSunken(wxDC& dc, const GridRect& r) {
    lines(dc, gridsystem::colour(wxSYS_COLOUR_BTNSHADOW),
          {wxPoint(r.right - 1, r.top), wxPoint(r.left, r.top), wxPoint(r.left, r.bottom)});
    lines(
        dc, gridsystem::colour(wxSYS_COLOUR_BTNHIGHLIGHT),
        {wxPoint(r.right - 1, r.top), wxPoint(r.right - 1, r.bottom - 1), wxPoint(r.left - 1, r.bottom - 1)});
}

} // namespace

CGridDefaultCell* CGridCellBase::GetDefaultCell() const {
    CGridCtrl* grid = GetGrid();
    if (!grid)
        return nullptr;
    return grid->GetDefaultCell(IsFixedRow(), IsFixedCol());
}

void CGridCellBase::CopyFrom(const CGridCellBase& cell) {
    if (&cell == this)
        return;
    SetGrid(cell.GetGrid());
    SetText(cell.GetText());
    SetImage(cell.GetImage());
    SetData(cell.GetData());
    SetState(cell.GetState());
    SetFormat(cell.GetFormat());
    SetTextColor(cell.GetTextColor());
    SetBackColor(cell.GetBackColor());
    SetFont(cell.IsDefaultFont() ? nullptr : cell.GetFont());
    SetMargin(cell.GetMargin());
}

COLORREF CGridCellBase::resolvedTextColor() const {
    if (GetTextColor() != kNoColour)
        return GetTextColor();
    CGridDefaultCell* def = GetDefaultCell();
    return def ? def->GetTextColor() : RGB(0, 0, 0);
}

void CGridCellBase::selectFont(wxDC& dc) const {
    if (const wxFont* font = GetFont(); font && font->IsOk())
        dc.SetFont(*font);
}

bool CGridCellBase::imageSize(int& width, int& height) const {
    CGridCtrl* grid = GetGrid();
    if (!grid || !grid->GetImageList() || GetImage() < 0 ||
        GetImage() >= grid->GetImageList()->GetImageCount())
        return false;
    return grid->GetImageList()->GetSize(GetImage(), width, height);
}

BOOL CGridCellBase::Draw(wxDC& dc, int row, int col, GridRect rect, BOOL eraseBkgnd) {
    CGridCtrl* grid = GetGrid();
    if (!grid || rect.Width() <= 0 || rect.Height() <= 0)
        return FALSE;
    GridDCState state(dc);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    CGridDefaultCell* def = GetDefaultCell();
    if (!def)
        return FALSE;

    COLORREF textColour = resolvedTextColor();
    COLORREF backColour = def->GetBackColor();
    if (GetBackColor() != kNoColour) {
        backColour = GetBackColor();
        eraseBkgnd = TRUE;
    }

    if (IsFocused() || IsDropHighlighted()) {
        if (IsSelected()) {
            backColour = gridsystem::colour(wxSYS_COLOUR_HIGHLIGHT);
            textColour = gridsystem::colour(wxSYS_COLOUR_HIGHLIGHTTEXT);
            eraseBkgnd = TRUE;
        }
        rect.right++, rect.bottom++;
        if (eraseBkgnd)
            fillRect(dc, rect, backColour);
        if (grid->GetGridLines() != GVL_NONE)
            rect.right--, rect.bottom--;
        if (grid->GetFrameFocusCell())
            frameRect(dc, rect, textColour);
        dc.SetTextForeground(gridsystem::toWx(textColour));
        if (grid->GetGridLines() == GVL_NONE)
            rect.right--, rect.bottom--;
    } else {
        GridRect widened = rect;
        widened.right++, widened.bottom++;
        if (IsSelected()) {
            fillRect(dc, widened, gridsystem::colour(wxSYS_COLOUR_HIGHLIGHT));
            textColour = gridsystem::colour(wxSYS_COLOUR_HIGHLIGHTTEXT);
        } else if (eraseBkgnd) {
            fillRect(dc, widened, backColour);
        }
        dc.SetTextForeground(gridsystem::toWx(textColour));
    }

    if (IsFixed() && grid->GetGridLines() != GVL_NONE) {
        const CCellID focus = grid->GetFocusCell();
        if (grid->GetTrackFocusCell() && grid->IsValid(focus) && (focus.row == row || focus.col == col)) {
            GridRect widened = rect;
            widened.right++, widened.bottom++;
            drawSunken(dc, widened);
        } else {
            drawRaised(dc, rect);
        }
        rect.DeflateRect(1, 1);
    }

    selectFont(dc);
    const int margin = static_cast<int>(GetMargin());
    rect.DeflateRect(margin, margin);
    rect.right++, rect.bottom++;

    int imageWidth = 0, imageHeight = 0;
    if (imageSize(imageWidth, imageHeight) && rect.left + imageWidth <= rect.right &&
        rect.top + imageHeight <= rect.bottom)
        grid->GetImageList()->Draw(GetImage(), dc, rect.left, rect.top, wxIMAGELIST_DRAW_NORMAL);

    if (grid->GetSortColumn() == col && row == 0) {
        int size = dc.GetTextExtent("M").y - 4;
        if (size >= rect.Height())
            size = rect.Height() - 4;
        if (size > 0 && rect.left + size < rect.right) {
            const int x = rect.right - size;
            const int y0 = rect.bottom - size - 2;
            const int y1 = rect.bottom - 2;
            const COLORREF light = gridsystem::colour(wxSYS_COLOUR_BTNHIGHLIGHT);
            const COLORREF dark = gridsystem::colour(wxSYS_COLOUR_BTNSHADOW);
            if (grid->GetSortAscending()) {
                lines(dc, light,
                      {wxPoint(x + 1, y1 + 1), wxPoint(x + size / 2 + 1, y0 + 1),
                       wxPoint(x + size + 1, y1 + 1), wxPoint(x + 1, y1 + 1)});
                lines(dc, dark,
                      {wxPoint(x, y1), wxPoint(x + size / 2, y0), wxPoint(x + size, y1), wxPoint(x, y1)});
            } else {
                lines(dc, light,
                      {wxPoint(x + 1, y0 + 1), wxPoint(x + size / 2 + 1, y1 + 1),
                       wxPoint(x + size + 1, y0 + 1), wxPoint(x + 1, y0 + 1)});
                lines(dc, dark,
                      {wxPoint(x, y0), wxPoint(x + size / 2, y1), wxPoint(x + size, y0), wxPoint(x, y0)});
            }
            rect.right -= size;
        }
    }

    GetTextRect(rect);
    rect.right++, rect.bottom++;
    gridtext::draw(dc, toWx(GetText()), rect, GetFormat() | DT_NOPREFIX);
    return TRUE;
}

BOOL CGridCellBase::GetTextRect(GridRect& rect) {
    int width = 0, height = 0;
    if (imageSize(width, height))
        rect.left += width + static_cast<int>(GetMargin()) + 1;
    return TRUE;
}

wxSize CGridCellBase::GetTextExtent(const CString& text, wxDC* dc) {
    CGridDefaultCell* def = GetDefaultCell();
    const wxSize fallback = def ? wxSize(def->GetWidth(), def->GetHeight()) : wxSize(0, 0);
    std::unique_ptr<wxClientDC> windowDC;
    if (!dc && !text.IsEmpty() && GetGrid() && GetGrid()->HasWindow()) {
        windowDC = std::make_unique<wxClientDC>(GetGrid());
        dc = windowDC.get();
    }
    if (text.IsEmpty() || !dc)
        return fallback;

    GridDCState state(*dc);
    selectFont(*dc);
    const UINT format = GetFormat();
    const wxString wide = toWx(text);
    wxSize size;
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) {
        size = dc->GetTextExtent(wide);
    } else {
        int widest = 0;
        for (const wxString& line : wxSplit(wide, '\n', '\0'))
            widest = std::max(widest, dc->GetTextExtent(line).x);
        size = gridtext::measure(*dc, wide, widest + 1, format);
    }
    const int margin = static_cast<int>(GetMargin());
    size.x += 2 * margin;
    size.y += 2 * margin;
    return size;
}

wxSize CGridCellBase::GetCellExtent(wxDC& dc) {
    const wxSize text = GetTextExtent(GetText(), &dc);
    const int margin = static_cast<int>(GetMargin());
    int imageWidth = 0, imageHeight = 0;
    wxSize image(0, 0);
    if (imageSize(imageWidth, imageHeight)) {
        image.x = imageWidth + (text.x > 2 * margin ? margin : 0);
        image.y = imageHeight + 2 * margin;
    }
    wxSize size(text.x + image.x + 1, std::max(text.y, image.y) + 1);
    if (IsFixed())
        size += wxSize(1, 1);
    return size;
}

BOOL CGridCellBase::PrintCell(wxDC& dc, int /*row*/, int /*col*/, GridRect rect) {
    CGridCtrl* grid = GetGrid();
    if (!grid || rect.IsRectEmpty())
        return FALSE;
    GridDCState state(dc);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);

    COLORREF textColour = RGB(0, 0, 0);
    if (grid->GetPrintColours()) {
        CGridDefaultCell* def = GetDefaultCell();
        if (!def)
            return FALSE;
        COLORREF fill = kNoColour;
        if (IsFixed())
            fill = GetBackColor() != kNoColour ? GetBackColor() : def->GetBackColor();
        else if (GetBackColor() != kNoColour && GetBackColor() != def->GetBackColor())
            fill = GetBackColor();
        // A cell with a back colour of its own but no text colour prints its
        // text in the default cell's colour, as it is drawn on the screen.
        textColour = resolvedTextColor();
        if (dc.GetDepth() == 1 && fill == kNoColour) {
            const int r = textColour & 0xFF, g = (textColour >> 8) & 0xFF, b = (textColour >> 16) & 0xFF;
            textColour =
                RGB(static_cast<int>(r * 0.30), static_cast<int>(g * 0.59), static_cast<int>(b * 0.11));
        }
        if (fill != kNoColour) {
            GridRect widened = rect;
            widened.right++, widened.bottom++;
            fillRect(dc, widened, fill);
        }
    }
    dc.SetTextForeground(gridsystem::toWx(textColour));
    // The page is laid out in screen pixels and scaled to the paper, so the
    // cell's font goes by its height in pixels, not in points.
    if (const wxFont* font = GetFont(); font && font->IsOk()) {
        wxFont pixelFont(*font);
        pixelFont.SetPixelSize(wxSize(0, font->GetPixelSize().y));
        dc.SetFont(pixelFont);
    }

    if (IsFixed() && grid->GetGridLines() != GVL_NONE) {
        drawRaised(dc, rect);
        rect.DeflateRect(1, 1);
    }
    const int margin = static_cast<int>(GetMargin());
    rect.left += margin, rect.right -= margin;
    int imageWidth = 0, imageHeight = 0;
    if (imageSize(imageWidth, imageHeight)) {
        grid->GetImageList()->Draw(GetImage(), dc, rect.left, rect.top, wxIMAGELIST_DRAW_NORMAL);
        rect.left += imageWidth + margin;
    }
    gridtext::draw(dc, toWx(GetText()), rect, GetFormat() | DT_NOPREFIX);
    return TRUE;
}

BOOL CGridCellBase::OnSetCursor() {
    if (CGridCtrl* grid = GetGrid(); grid && grid->HasWindow())
        grid->SetCursor(wxCursor(wxCURSOR_ARROW));
    return TRUE;
}
