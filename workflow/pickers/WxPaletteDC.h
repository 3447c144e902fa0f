#pragma once

// The palettes' painter on a wxWidgets device context: solid fills,
// polygons and frames without anti-aliasing, the default GUI font, and the
// pickers' 3-pixel lines with flat ends in each pen style.

#include "PaletteDC.h"

#include <wx/dc.h>

class WxPaletteDC : public PaletteDC {
public:
    explicit WxPaletteDC(wxDC& dc);

    std::unique_ptr<PaletteBrush> createSolidBrush(COLORREF colour) override;
    void fillRect(const CRect& rect, const PaletteBrush& brush) override;
    void fillSolidRect(const CRect& rect, COLORREF colour) override;
    void fillPolygon(const CPoint* points, int count, const PaletteBrush& brush) override;
    void framePolygon(const CPoint* points, int count, COLORREF colour, int width, int height) override;
    void drawText(const CString& text, const CRect& rect) override;
    void styledLine(int left, int right, int y, int penStyle) override;

private:
    void fill(const CRect& rect, const wxBrush& brush);

    wxDC& m_dc;
};
