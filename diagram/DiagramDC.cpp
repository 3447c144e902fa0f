#include "DiagramDC.h"

#include <cairo.h>

#include <vector>

// The state a SaveDC keeps.
struct DiagramDCState {
    CPen pen;
    CBrush brush;
    CFont font = CFont::stock(DEFAULT_GUI_FONT);
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    CPoint position;
    CPoint origin;
};

struct DiagramDC::Impl {
    cairo_t* cr = nullptr;
    bool ownsContext = false;
    DiagramDCState state;
    std::vector<DiagramDCState> saved;
};

DiagramDC::DiagramDC(DiagramPicture& target) : m(std::make_unique<Impl>()) {
    if (!target.isNull()) {
        m->cr = cairo_create(target.surface());
        m->ownsContext = true;
    }
}

DiagramDC::DiagramDC(cairo_t* context) : m(std::make_unique<Impl>()) {
    m->cr = context;
}

DiagramDC::~DiagramDC() {
    flush();
    if (m->ownsContext)
        cairo_destroy(m->cr);
}

int DiagramDC::SaveDC() {
    m->saved.push_back(m->state);
    return int(m->saved.size());
}

BOOL DiagramDC::RestoreDC(int savedDC) {
    const int level = savedDC < 0 ? int(m->saved.size()) + 1 + savedDC : savedDC;
    if (level < 1 || level > int(m->saved.size()))
        return FALSE;
    m->state = m->saved[level - 1];
    m->saved.resize(level - 1);
    return TRUE;
}

CPoint DiagramDC::SetWindowOrg(int x, int y) {
    const CPoint before = m->state.origin;
    m->state.origin = CPoint(x, y);
    return before;
}

CPoint DiagramDC::GetWindowOrg() const {
    return m->state.origin;
}

CPen DiagramDC::SelectObject(const CPen& pen) {
    CPen before = m->state.pen;
    m->state.pen = pen;
    return before;
}

CBrush DiagramDC::SelectObject(const CBrush& brush) {
    CBrush before = m->state.brush;
    m->state.brush = brush;
    return before;
}

CFont DiagramDC::SelectObject(const CFont& font) {
    CFont before = m->state.font;
    m->state.font = font;
    return before;
}

void DiagramDC::SelectStockObject(int stockId) {
    if (stockId >= WHITE_BRUSH && stockId <= NULL_BRUSH)
        SelectObject(CBrush::stock(stockId));
    else if (stockId >= WHITE_PEN && stockId <= NULL_PEN)
        SelectObject(CPen::stock(stockId));
    else if (stockId == SYSTEM_FONT || stockId == DEFAULT_GUI_FONT)
        SelectObject(CFont::stock(stockId));
}

const CPen& DiagramDC::GetCurrentPen() const {
    return m->state.pen;
}
const CBrush& DiagramDC::GetCurrentBrush() const {
    return m->state.brush;
}
const CFont& DiagramDC::GetCurrentFont() const {
    return m->state.font;
}

COLORREF DiagramDC::SetTextColor(COLORREF color) {
    const COLORREF before = m->state.textColor;
    m->state.textColor = color;
    return before;
}
COLORREF DiagramDC::GetTextColor() const {
    return m->state.textColor;
}
COLORREF DiagramDC::SetBkColor(COLORREF color) {
    const COLORREF before = m->state.bkColor;
    m->state.bkColor = color;
    return before;
}
COLORREF DiagramDC::GetBkColor() const {
    return m->state.bkColor;
}
int DiagramDC::SetBkMode(int mode) {
    const int before = m->state.bkMode;
    m->state.bkMode = mode;
    return before;
}
int DiagramDC::GetBkMode() const {
    return m->state.bkMode;
}

CPoint DiagramDC::MoveTo(int x, int y) {
    const CPoint before = m->state.position;
    m->state.position = CPoint(x, y);
    return before;
}

BOOL DiagramDC::LineTo(int x, int y) {
    m->state.position = CPoint(x, y);
    return TRUE;
}

CPoint DiagramDC::GetCurrentPosition() const {
    return m->state.position;
}

BOOL DiagramDC::Polyline(const CPoint*, int) {
    return TRUE;
}
BOOL DiagramDC::Arc(int, int, int, int, int, int, int, int) {
    return TRUE;
}
BOOL DiagramDC::Polygon(const CPoint*, int) {
    return TRUE;
}
BOOL DiagramDC::Rectangle(int, int, int, int) {
    return TRUE;
}
BOOL DiagramDC::Ellipse(int, int, int, int) {
    return TRUE;
}
BOOL DiagramDC::RoundRect(int, int, int, int, int, int) {
    return TRUE;
}
void DiagramDC::FillRect(const CRect&, const CBrush&) {}
void DiagramDC::FillSolidRect(const CRect&, COLORREF) {}
void DiagramDC::DrawFocusRect(const CRect&) {}
COLORREF DiagramDC::SetPixel(int, int, COLORREF color) {
    return color;
}

int DiagramDC::DrawText(const CString& text, CRect& rect, UINT format) {
    const int height = DiagramFont::of(m->state.font).metrics().tmHeight;
    if (format & DT_CALCRECT) {
        rect.right = rect.left + GetTextExtent(text).cx;
        rect.bottom = rect.top + height;
    }
    return height;
}

int DiagramDC::DrawText(const CString& text, const CRect& rect, UINT format) {
    CRect copy = rect;
    return DrawText(text, copy, format);
}

BOOL DiagramDC::TextOut(int, int, const CString&) {
    return TRUE;
}

CSize DiagramDC::GetTextExtent(const CString& text) const {
    return DiagramFont::of(m->state.font).textExtent(text);
}

BOOL DiagramDC::GetTextMetrics(TEXTMETRIC* metrics) const {
    if (!metrics)
        return FALSE;
    *metrics = DiagramFont::of(m->state.font).metrics();
    return TRUE;
}

void DiagramDC::DrawPicture(int, int, const DiagramPicture&) {}
void DiagramDC::DrawPicture(const CRect&, const DiagramPicture&) {}
void DiagramDC::DrawPicture(const CRect&, const DiagramPicture&, const CRect&) {}

int DiagramDC::IntersectClipRect(const CRect&) {
    return SIMPLEREGION;
}

int DiagramDC::GetClipBox(CRect* rect) const {
    if (rect)
        rect->SetRect(-1000000, -1000000, 1000000, 1000000);
    return SIMPLEREGION;
}

void DiagramDC::flush() {}
