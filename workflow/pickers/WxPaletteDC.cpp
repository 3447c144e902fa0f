#include "WxPaletteDC.h"

#include "GridSystem.h"
#include "WxText.h"

#include <wx/dcclient.h>
#include <wx/graphics.h>
#include <wx/settings.h>

#include <vector>

namespace {

class WxPaletteBrush : public PaletteBrush {
public:
    explicit WxPaletteBrush(COLORREF colour) : PaletteBrush(colour), m_brush(gridsystem::toWx(colour)) {}
    const wxBrush& brush() const { return m_brush; }

private:
    wxBrush m_brush;
};

const wxBrush& brushOf(const PaletteBrush& brush) {
    return static_cast<const WxPaletteBrush&>(brush).brush();
}

std::vector<wxPoint> wxPoints(const CPoint* points, int count) {
    std::vector<wxPoint> converted;
    for (int i = 0; i < count; ++i)
        converted.emplace_back(points[i].x, points[i].y);
    return converted;
}

} // namespace

WxPaletteDC::WxPaletteDC(wxDC& dc) : m_dc(dc) {
    if (wxGraphicsContext* context = m_dc.GetGraphicsContext())
        context->SetAntialiasMode(wxANTIALIAS_NONE);
}

std::unique_ptr<PaletteBrush> WxPaletteDC::createSolidBrush(COLORREF colour) {
    return std::make_unique<WxPaletteBrush>(colour);
}

void WxPaletteDC::fill(const CRect& rect, const wxBrush& brush) {
    if (rect.IsRectEmpty())
        return;
    m_dc.SetPen(*wxTRANSPARENT_PEN);
    m_dc.SetBrush(brush);
    m_dc.DrawRectangle(rect.left, rect.top, rect.Width(), rect.Height());
}

void WxPaletteDC::fillRect(const CRect& rect, const PaletteBrush& brush) {
    fill(rect, brushOf(brush));
}

void WxPaletteDC::fillSolidRect(const CRect& rect, COLORREF colour) {
    fill(rect, wxBrush(gridsystem::toWx(colour)));
}

void WxPaletteDC::fillPolygon(const CPoint* points, int count, const PaletteBrush& brush) {
    const std::vector<wxPoint> polygon = wxPoints(points, count);
    m_dc.SetPen(*wxTRANSPARENT_PEN);
    m_dc.SetBrush(brushOf(brush));
    m_dc.DrawPolygon(count, polygon.data(), 0, 0, wxODDEVEN_RULE);
}

void WxPaletteDC::framePolygon(const CPoint* points, int count, COLORREF colour, int width, int height) {
    // A pen twice as wide as the border, stroked on the polygon's edges and
    // clipped to its inside.
    const std::vector<wxPoint> polygon = wxPoints(points, count);
    wxDCClipper clip(m_dc, wxRegion(count, polygon.data(), wxODDEVEN_RULE));
    wxPen pen(gridsystem::toWx(colour), 2 * std::max(width, height));
    pen.SetJoin(wxJOIN_MITER);
    m_dc.SetPen(pen);
    m_dc.SetBrush(*wxTRANSPARENT_BRUSH);
    m_dc.DrawPolygon(count, polygon.data());
}

void WxPaletteDC::drawText(const CString& text, const CRect& rect) {
    if (rect.IsRectEmpty())
        return;
    const wxString shown = toWx(text);
    m_dc.SetFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT));
    m_dc.SetTextForeground(*wxBLACK);
    m_dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const wxSize extent = m_dc.GetTextExtent(shown);
    wxDCClipper clip(m_dc, wxRect(rect.left, rect.top, rect.Width(), rect.Height()));
    m_dc.DrawText(shown, rect.left + (rect.Width() - extent.x) / 2,
                  rect.top + (rect.Height() - extent.y) / 2);
}

void WxPaletteDC::styledLine(int left, int right, int y, int penStyle) {
    // Filled boxes rather than a dashed pen: the toolkit's dashes of wide
    // pens are not the diagram painter's.
    for (const CRect& box : styledLineBoxes(left, right, y, penStyle))
        fillSolidRect(box, RGB(0, 0, 0));
}
