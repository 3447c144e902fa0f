#include "DiagramDC.h"

#include "Encoding.h"
#include "LineDDA.h"
#include "PolygonRegion.h"

#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Vertex = PolygonRegion::Vertex;

// Coordinates handed to cairo stay well inside its fixed-point range.
constexpr double kCairoLimit = 4.0e6;
// Curves are flattened to at most this many points.
constexpr int kMostCurvePoints = 20000;
// Curves larger than this are outlined as polygons, without pixel runs.
constexpr int kLargestPixelShape = 8192;
// The extent of a context whose clip says nothing.
constexpr int kUnbounded = 1 << 24;

struct Rgb {
    double r, g, b;
};

Rgb rgbOf(COLORREF color) {
    return {(color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, ((color >> 16) & 0xFF) / 255.0};
}

long long ceilDiv(long long a, long long b) {
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

// The state a SaveDC keeps. The clip is in device pixels.
struct State {
    CPen pen;
    CBrush brush;
    CFont font = CFont::stock(DEFAULT_GUI_FONT);
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    CPoint position;
    CPoint origin;
    std::optional<CRect> clip;
};

// A closed or open run of whole-pixel points, in device pixels.
using PixelPath = std::vector<CPoint>;

// Drops the corner pixel of every L-shaped step, so that a curve walked
// pixel by pixel is one pixel thin (each pixel touching the next one only).
PixelPath thinned(const PixelPath& pixels, bool closed) {
    if (pixels.size() < 3)
        return pixels;
    PixelPath result;
    result.reserve(pixels.size());
    const size_t n = pixels.size();
    for (size_t i = 0; i < n; ++i) {
        const bool hasBefore = closed || i > 0;
        const bool hasAfter = closed || i + 1 < n;
        if (hasBefore && hasAfter) {
            const CPoint& before = result.empty() ? pixels[(i + n - 1) % n] : result.back();
            const CPoint& after = pixels[(i + 1) % n];
            if (std::abs(before.x - after.x) <= 1 && std::abs(before.y - after.y) <= 1 && before != after)
                continue;
        }
        result.push_back(pixels[i]);
    }
    return result;
}

// Points of the ellipse (centre cx, cy, radii rx, ry; pixel-centre units)
// from angle a0 counter-clockwise (on screen) to a1, a1 >= a0.
void appendEllipsePoints(std::vector<Vertex>& points, double cx, double cy, double rx, double ry, double a0,
                         double a1) {
    const double sweep = a1 - a0;
    const double perimeter = std::max(rx, ry) * sweep;
    const int steps = std::clamp(int(std::ceil(perimeter * 1.5)), 4, kMostCurvePoints);
    for (int i = 0; i <= steps; ++i) {
        const double a = a0 + sweep * i / steps;
        points.push_back({cx + rx * std::cos(a), cy - ry * std::sin(a)});
    }
}

// Joins a pixel to the end of a run of pixels: the line walk fills the gap
// when the two do not touch, and a pixel equal to the last is dropped.
void appendJoined(PixelPath& pixels, CPoint next) {
    if (!pixels.empty()) {
        const CPoint last = pixels.back();
        if (last == next)
            return;
        if (std::abs(last.x - next.x) > 1 || std::abs(last.y - next.y) > 1) {
            LineDDA(last.x, last.y, next.x, next.y, [&](int x, int y) {
                if (pixels.back() != CPoint(x, y))
                    pixels.emplace_back(x, y);
            });
        }
    }
    pixels.push_back(next);
}

// The pixels of an open curve given by its real points: each point rounded
// and joined to the next.
PixelPath curvePixels(const std::vector<Vertex>& points) {
    PixelPath pixels;
    for (const Vertex& v : points)
        appendJoined(pixels, CPoint(int(std::lround(v.x)), int(std::lround(v.y))));
    return pixels;
}

// The first quadrant of an ellipse (pixel-centre units), from its rightmost
// point up to its top: each point rounded towards that quadrant (halves to
// the right and upwards), joined and thinned.
PixelPath quadrantPixels(double cx, double cy, double rx, double ry) {
    std::vector<Vertex> points;
    appendEllipsePoints(points, cx, cy, rx, ry, 0, std::numbers::pi / 2);
    PixelPath pixels;
    for (const Vertex& v : points)
        appendJoined(pixels, CPoint(int(std::floor(v.x + 0.5)), int(std::ceil(v.y - 0.5))));
    return thinned(pixels, false);
}

// A closed outline made of a first quadrant and its three mirror images
// (about x = sumX / 2 and y = sumY / 2), so that it is drawn alike on every
// side; the quadrants are joined by straight runs where they do not touch.
PixelPath mirroredLoop(const PixelPath& quadrant, int sumX, int sumY) {
    PixelPath loop;
    for (const CPoint& p : quadrant)
        appendJoined(loop, p);
    for (auto p = quadrant.rbegin(); p != quadrant.rend(); ++p)
        appendJoined(loop, CPoint(sumX - p->x, p->y));
    for (const CPoint& p : quadrant)
        appendJoined(loop, CPoint(sumX - p.x, sumY - p.y));
    for (auto p = quadrant.rbegin(); p != quadrant.rend(); ++p)
        appendJoined(loop, CPoint(p->x, sumY - p->y));
    if (loop.size() > 1 && loop.back() == loop.front())
        loop.pop_back();
    if (loop.size() > 1) {
        const CPoint last = loop.back(), first = loop.front();
        LineDDA(last.x, last.y, first.x, first.y, [&](int x, int y) {
            if (CPoint(x, y) != last)
                loop.emplace_back(x, y);
        });
    }
    return loop;
}

// One line of DrawText: its text (Windows-1252), its width in pixels and
// the positions of the characters to underline ("&x").
struct TextLine {
    std::string text;
    std::vector<int> underlined;
    int width = 0;
};

} // namespace

struct DiagramDC::Impl {
    cairo_t* cr = nullptr;
    bool ownsContext = false;
    // The target's extent in device pixels (a picture's size, or what the
    // given context's clip allows).
    CRect targetBounds;
    // targetBounds within the clip: where pixels can land.
    CRect visible;
    State state;
    std::vector<State> saved;
    std::optional<CRect> appliedClip;
    // Position in the pen's pattern, in pixels, of the next pixel drawn.
    long long styleCounter = 0;
    // Boxes of one colour gathered in cairo's path and not yet filled.
    bool pending = false;
    COLORREF pendingColor = 0;
    // The run of pixels being merged into one box.
    bool haveRun = false;
    CRect run;
    COLORREF runColor = 0;

    void setBase() {
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        cairo_new_path(cr);
    }

    void start(int width, int height) {
        if (!cr)
            return;
        cairo_save(cr);
        setBase();
        if (width >= 0) {
            targetBounds = CRect(0, 0, width, height);
        } else {
            double x1, y1, x2, y2;
            cairo_clip_extents(cr, &x1, &y1, &x2, &y2);
            targetBounds = CRect(int(std::max(std::floor(x1), -double(kUnbounded))),
                                 int(std::max(std::floor(y1), -double(kUnbounded))),
                                 int(std::min(std::ceil(x2), double(kUnbounded))),
                                 int(std::min(std::ceil(y2), double(kUnbounded))));
        }
        visible = targetBounds;
    }

    void finish() {
        if (!cr)
            return;
        flushBoxes();
        cairo_restore(cr);
    }

    // ---- boxes of pixels

    void addBox(const CRect& box, COLORREF color) {
        if (!cr || box.IsRectEmpty())
            return;
        if (pending && color != pendingColor)
            fillPending();
        cairo_rectangle(cr, box.left, box.top, box.Width(), box.Height());
        pending = true;
        pendingColor = color;
    }

    void fillPending() {
        if (!pending)
            return;
        const Rgb c = rgbOf(pendingColor);
        cairo_set_source_rgb(cr, c.r, c.g, c.b);
        cairo_fill(cr);
        pending = false;
    }

    void flushRun() {
        if (haveRun)
            addBox(run, runColor);
        haveRun = false;
    }

    void flushBoxes() {
        flushRun();
        fillPending();
    }

    // One pixel (device); neighbours along a row or a column merge into one box.
    void putPixel(int x, int y, COLORREF color) {
        if (!visible.PtInRect(CPoint(x, y)))
            return;
        if (haveRun && color == runColor) {
            // A pixel that lengthens the run by one, in its row or column.
            const CRect grown = run | CRect(x, y, x + 1, y + 1);
            if ((grown.Width() == 1 || grown.Height() == 1) &&
                grown.Width() * grown.Height() == run.Width() * run.Height() + 1) {
                run = grown;
                return;
            }
        }
        flushRun();
        run = CRect(x, y, x + 1, y + 1);
        runColor = color;
        haveRun = true;
    }

    void putSpan(int y, int xFirst, int xLast, COLORREF color) {
        flushRun();
        addBox(CRect(xFirst, y, xLast + 1, y + 1) & visible, color);
    }

    // ---- clipping

    void applyClip() {
        if (!cr || appliedClip == state.clip)
            return;
        flushBoxes();
        cairo_restore(cr);
        cairo_save(cr);
        setBase();
        if (state.clip) {
            cairo_rectangle(cr, state.clip->left, state.clip->top, state.clip->Width(), state.clip->Height());
            cairo_clip(cr);
        }
        appliedClip = state.clip;
        visible = state.clip ? (targetBounds & *state.clip) : targetBounds;
    }

    // ---- coordinates

    int dx(int x) const { return x - state.origin.x; }
    int dy(int y) const { return y - state.origin.y; }
    CPoint device(CPoint p) const { return CPoint(dx(p.x), dy(p.y)); }
    CRect device(const CRect& r) const { return CRect(dx(r.left), dy(r.top), dx(r.right), dy(r.bottom)); }

    // ---- one-pixel pens

    bool thinPen() const { return state.pen.pixelWidth() <= 1; }

    // The colour of the next pattern pixel, or no colour for a gap that
    // stays transparent.
    std::optional<COLORREF> patternColor(const std::vector<int>& pattern, int period, long long index) const {
        if (pattern.empty())
            return state.pen.getColor();
        long long at = index % period;
        for (size_t i = 0; i < pattern.size(); ++i) {
            if (at < pattern[i]) {
                if (i % 2 == 0)
                    return state.pen.getColor();
                break;
            }
            at -= pattern[i];
        }
        if (state.bkMode == OPAQUE)
            return state.bkColor;
        return std::nullopt;
    }

    // The pixels of one segment (device), its end left out, with the pen's
    // pattern. The walk is LineDDA's; only the steps that can land inside the
    // visible area are taken, each computed directly.
    void thinSegment(CPoint from, CPoint to) {
        const long long ddx = std::llabs(static_cast<long long>(to.x) - from.x);
        const long long ddy = std::llabs(static_cast<long long>(to.y) - from.y);
        const int sx = from.x < to.x ? 1 : -1;
        const int sy = from.y < to.y ? 1 : -1;
        const bool xMajor = ddx > ddy;
        const long long steps = xMajor ? ddx : ddy;
        if (steps == 0)
            return;
        const std::vector<int> pattern = state.pen.dashPattern();
        int period = 0;
        for (int length : pattern)
            period += length;
        if (period == 0 && !pattern.empty())
            return;
        // Steps whose major coordinate lies in the visible area.
        const long long start = xMajor ? from.x : from.y;
        const int step = xMajor ? sx : sy;
        const long long low = xMajor ? visible.left : visible.top;
        const long long high = (xMajor ? visible.right : visible.bottom) - 1;
        long long first = step > 0 ? low - start : start - high;
        long long last = step > 0 ? high - start : start - low;
        first = std::max(first, 0LL);
        last = std::min(last, steps - 1);
        const long long major = steps;
        const long long minorLength = xMajor ? ddy : ddx;
        for (long long i = first; i <= last; ++i) {
            const long long minorSteps = ceilDiv(2 * i * minorLength - major, 2 * major);
            const long long x = xMajor ? from.x + i * sx : from.x + minorSteps * sx;
            const long long y = xMajor ? from.y + minorSteps * sy : from.y + i * sy;
            if (auto color = patternColor(pattern, period, styleCounter + i))
                putPixel(int(x), int(y), *color);
        }
        styleCounter += steps;
    }

    // A polyline or closed outline of one-pixel pen, through device points.
    void thinPath(const PixelPath& points, bool closed) {
        if (points.empty())
            return;
        for (size_t i = 0; i + 1 < points.size(); ++i)
            thinSegment(points[i], points[i + 1]);
        if (closed)
            thinSegment(points.back(), points.front());
    }

    // The pixels of a curve, drawn one by one with the pen's pattern.
    void thinPixels(const PixelPath& pixels) {
        const std::vector<int> pattern = state.pen.dashPattern();
        int period = 0;
        for (int length : pattern)
            period += length;
        for (const CPoint& p : pixels) {
            if (auto color = patternColor(pattern, period, styleCounter))
                putPixel(p.x, p.y, *color);
            ++styleCounter;
        }
    }

    // ---- wide pens, stroked by cairo

    // Device points in pixel-centre units; closed or open.
    void widePath(const std::vector<Vertex>& points, bool closed) {
        if (points.size() < 2)
            return;
        flushBoxes();
        const int width = state.pen.pixelWidth();
        const double offset = width % 2 == 1 ? 0.5 : 0.0;
        bool tame = true;
        for (const Vertex& v : points)
            tame = tame && std::fabs(v.x) < kCairoLimit && std::fabs(v.y) < kCairoLimit;
        auto buildPath = [&](const std::vector<Vertex>& path, bool close) {
            cairo_new_path(cr);
            cairo_move_to(cr, path[0].x + offset, path[0].y + offset);
            for (size_t i = 1; i < path.size(); ++i)
                cairo_line_to(cr, path[i].x + offset, path[i].y + offset);
            if (close)
                cairo_close_path(cr);
        };
        auto stroke = [&](const std::vector<Vertex>& path, bool close) {
            cairo_set_line_width(cr, width);
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
            cairo_set_miter_limit(cr, 10.0);
            const std::vector<int> pattern = state.pen.dashPattern();
            if (!pattern.empty() && state.bkMode == OPAQUE) {
                buildPath(path, close);
                const Rgb bk = rgbOf(state.bkColor);
                cairo_set_source_rgb(cr, bk.r, bk.g, bk.b);
                cairo_set_dash(cr, nullptr, 0, 0);
                cairo_stroke(cr);
            }
            std::vector<double> dashes(pattern.begin(), pattern.end());
            cairo_set_dash(cr, dashes.data(), int(dashes.size()), 0);
            buildPath(path, close);
            const Rgb c = rgbOf(state.pen.getColor());
            cairo_set_source_rgb(cr, c.r, c.g, c.b);
            cairo_stroke(cr);
            cairo_set_dash(cr, nullptr, 0, 0);
        };
        if (tame) {
            stroke(points, closed);
            return;
        }
        // Far beyond what cairo holds: each segment clipped to the visible
        // area (grown by the pen) and stroked on its own.
        const double margin = width + 2.0;
        const double left = visible.left - margin, right = visible.right + margin;
        const double top = visible.top - margin, bottom = visible.bottom + margin;
        const size_t n = points.size();
        for (size_t i = 0; i + 1 < n + (closed ? 1 : 0); ++i) {
            Vertex a = points[i], b = points[(i + 1) % n];
            double t0 = 0, t1 = 1;
            const double ex = b.x - a.x, ey = b.y - a.y;
            auto clipEdge = [&](double p, double q) {
                if (p == 0)
                    return q >= 0;
                const double t = q / p;
                if (p < 0)
                    t0 = std::max(t0, t);
                else
                    t1 = std::min(t1, t);
                return t0 <= t1;
            };
            if (clipEdge(-ex, a.x - left) && clipEdge(ex, right - a.x) && clipEdge(-ey, a.y - top) &&
                clipEdge(ey, bottom - a.y))
                stroke({{a.x + t0 * ex, a.y + t0 * ey}, {a.x + t1 * ex, a.y + t1 * ey}}, false);
        }
    }

    // ---- shapes

    std::vector<Vertex> deviceVertices(const CPoint* points, int count) const {
        std::vector<Vertex> vertices;
        for (int i = 0; i < count; ++i) {
            const CPoint p = device(points[i]);
            vertices.push_back({double(p.x), double(p.y)});
        }
        return vertices;
    }

    // A polyline or a closed outline through logical points with the pen.
    void strokePoints(const CPoint* points, int count, bool closed) {
        styleCounter = 0;
        if (!thinPen()) {
            widePath(deviceVertices(points, count), closed);
            return;
        }
        PixelPath path;
        for (int i = 0; i < count; ++i)
            path.push_back(device(points[i]));
        thinPath(path, closed);
    }

    // Fills a polygon (device, corner units: the region rule) with a colour.
    void fillPolygon(const std::vector<Vertex>& corners, COLORREF color) {
        flushRun();
        PolygonRegion::forEachSpan(
            corners, [&](int y, int xFirst, int xLast) { putSpan(y, xFirst, xLast, color); }, &visible);
    }

    // A closed curve (ellipse, rounded rectangle) fitted to box (device):
    // its thin outline, its fill inside the outline, and the platform's rule
    // for the null pen (the brush alone covers the shape fitted one pixel
    // smaller, outline pixels included). pointsFor gives the curve's real
    // points (pixel-centre units) and loopFor its symmetric outline pixels,
    // for a box; shapes too large for pixel outlines are drawn as polygons.
    void closedCurve(const CRect& box, const std::function<std::vector<Vertex>(const CRect&)>& pointsFor,
                     const std::function<PixelPath(const CRect&)>& loopFor) {
        const bool nullPen = state.pen.isNull();
        CRect fitted = box;
        if (nullPen)
            fitted.DeflateRect(0, 0, 1, 1);
        if (fitted.IsRectEmpty())
            return;
        const bool small = fitted.Width() <= kLargestPixelShape && fitted.Height() <= kLargestPixelShape;
        PixelPath outline;
        std::vector<Vertex> corners;
        if (small) {
            outline = loopFor(fitted);
            for (const CPoint& p : outline)
                corners.push_back({p.x + 0.5, p.y + 0.5});
        } else {
            for (const Vertex& v : pointsFor(fitted))
                corners.push_back({v.x + 0.5, v.y + 0.5});
        }
        if (!state.brush.isNull()) {
            const COLORREF brush = state.brush.getColor();
            fillPolygon(corners, brush);
            if (nullPen) {
                // The outline's pixels in the brush's colour.
                const CPen pen = std::exchange(state.pen, CPen(PS_SOLID, 1, brush));
                outlineOf(outline, corners, small);
                state.pen = pen;
            }
        }
        if (nullPen)
            return;
        if (thinPen())
            outlineOf(outline, corners, small);
        else
            widePath(pointsFor(fitted), true);
    }

    void outlineOf(const PixelPath& outline, const std::vector<Vertex>& corners, bool small) {
        styleCounter = 0;
        if (small) {
            thinPixels(outline);
            return;
        }
        PixelPath path;
        for (const Vertex& v : corners)
            path.emplace_back(int(std::floor(v.x)), int(std::floor(v.y)));
        thinPath(path, true);
    }

    // ---- text

    const DiagramFont& font() const { return DiagramFont::of(state.font); }

    PangoLayout* layoutFor(const TextLine& line, PangoContext* context) const {
        PangoLayout* layout = pango_layout_new(context);
        pango_layout_set_font_description(layout, font().description());
        pango_layout_set_single_paragraph_mode(layout, TRUE);
        // Each Windows-1252 byte becomes one character; the underline marks
        // are kept by character and turned into byte offsets here.
        std::string utf8;
        std::vector<int> offsets;
        for (char c : line.text) {
            offsets.push_back(int(utf8.size()));
            utf8 += encoding::cp1252ToUtf8(std::string_view(&c, 1));
        }
        offsets.push_back(int(utf8.size()));
        pango_layout_set_text(layout, utf8.data(), int(utf8.size()));
        PangoAttrList* attributes = pango_attr_list_new();
        if (state.font.underline)
            pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        if (state.font.strikeOut)
            pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
        for (int at : line.underlined) {
            if (at < 0 || at >= int(line.text.size()))
                continue;
            PangoAttribute* underline = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
            underline->start_index = offsets[at];
            underline->end_index = offsets[at + 1];
            pango_attr_list_insert(attributes, underline);
        }
        pango_layout_set_attributes(layout, attributes);
        pango_attr_list_unref(attributes);
        return layout;
    }

    int measure(const std::string& text) const {
        return text.empty() ? 0 : font().textExtent(CString(text)).cx;
    }

    // Lays the text out as DrawText does, within a box maxWidth wide.
    std::vector<TextLine> lines(const CString& source, UINT format, int maxWidth) const {
        // "&x" underlines x, "&&" is "&".
        std::string text;
        std::vector<int> marks;
        const std::string& raw = source.str();
        for (size_t i = 0; i < raw.size(); ++i) {
            if (!(format & DT_NOPREFIX) && raw[i] == '&' && i + 1 < raw.size()) {
                ++i;
                if (raw[i] != '&')
                    marks.push_back(int(text.size()));
            } else if (!(format & DT_NOPREFIX) && raw[i] == '&') {
                continue;
            }
            text += raw[i];
        }
        std::vector<TextLine> result;
        auto addLine = [&](size_t from, size_t to) {
            TextLine line;
            line.text = text.substr(from, to - from);
            for (int mark : marks) {
                if (mark >= int(from) && mark < int(to))
                    line.underlined.push_back(mark - int(from));
            }
            result.push_back(std::move(line));
        };
        if (format & DT_SINGLELINE) {
            for (char& c : text) {
                if (c == '\r' || c == '\n')
                    c = ' ';
            }
            addLine(0, text.size());
        } else {
            size_t from = 0;
            while (true) {
                size_t end = text.find_first_of("\r\n", from);
                const size_t paragraphEnd = end == std::string::npos ? text.size() : end;
                if (format & DT_WORDBREAK)
                    wrap(text, from, paragraphEnd, maxWidth, addLine);
                else
                    addLine(from, paragraphEnd);
                if (end == std::string::npos)
                    break;
                from = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
                if (from >= text.size())
                    break;
            }
        }
        for (TextLine& line : result) {
            line.width = measure(line.text);
            if ((format & DT_END_ELLIPSIS) && line.width > maxWidth)
                shortenWithEllipsis(line, maxWidth);
        }
        return result;
    }

    // Breaks one paragraph between words; a word wider than the box stands
    // alone on its line. Blanks where a line breaks are dropped.
    template <class AddLine>
    void wrap(const std::string& text, size_t from, size_t to, int maxWidth, AddLine& addLine) const {
        size_t lineStart = from;
        size_t lineEnd = from; // end of the last word that fits
        size_t at = from;
        // Leading blanks of the paragraph stay with its first word.
        while (at < to && text[at] == ' ')
            ++at;
        bool any = false;
        while (at < to) {
            size_t wordEnd = text.find(' ', at);
            if (wordEnd == std::string::npos || wordEnd > to)
                wordEnd = to;
            if (!any || measure(text.substr(lineStart, wordEnd - lineStart)) <= maxWidth) {
                lineEnd = wordEnd;
                any = true;
            } else {
                addLine(lineStart, lineEnd);
                lineStart = at;
                lineEnd = wordEnd;
            }
            at = wordEnd;
            while (at < to && text[at] == ' ')
                ++at;
        }
        addLine(lineStart, any ? lineEnd : to);
    }

    void shortenWithEllipsis(TextLine& line, int maxWidth) const {
        std::string text = line.text;
        while (!text.empty()) {
            text.pop_back();
            const int width = measure(text + "...");
            if (width <= maxWidth) {
                line.text = text + "...";
                line.width = width;
                std::erase_if(line.underlined, [&](int mark) { return mark >= int(text.size()); });
                return;
            }
        }
        line.text = "...";
        line.width = measure(line.text);
        line.underlined.clear();
    }

    // Draws one laid-out line with its top-left corner at (x, y) (device).
    void showLine(const TextLine& line, int x, int y, PangoContext* context) {
        const TEXTMETRIC& metrics = font().metrics();
        if (state.bkMode == OPAQUE && line.width > 0) {
            const Rgb bk = rgbOf(state.bkColor);
            cairo_set_source_rgb(cr, bk.r, bk.g, bk.b);
            cairo_rectangle(cr, x, y, line.width, metrics.tmHeight);
            cairo_fill(cr);
        }
        if (line.text.empty())
            return;
        PangoLayout* layout = layoutFor(line, context);
        const int baseline = int(std::lround(pango_layout_get_baseline(layout) / double(PANGO_SCALE)));
        const Rgb c = rgbOf(state.textColor);
        cairo_set_source_rgb(cr, c.r, c.g, c.b);
        cairo_move_to(cr, x, y + metrics.tmAscent - baseline);
        pango_cairo_show_layout(cr, layout);
        cairo_new_path(cr);
        g_object_unref(layout);
    }
};

DiagramDC::DiagramDC(DiagramPicture& target) : m(std::make_unique<Impl>()) {
    if (!target.isNull()) {
        m->cr = cairo_create(target.surface());
        m->ownsContext = true;
    }
    m->start(target.width(), target.height());
}

DiagramDC::DiagramDC(cairo_t* context) : m(std::make_unique<Impl>()) {
    m->cr = context;
    m->start(-1, -1);
}

DiagramDC::~DiagramDC() {
    m->finish();
    if (m->ownsContext)
        cairo_destroy(m->cr);
}

void DiagramDC::flush() {
    if (m->cr)
        m->flushBoxes();
}

// ---- state

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
    m->applyClip();
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
    return std::exchange(m->state.pen, pen);
}

CBrush DiagramDC::SelectObject(const CBrush& brush) {
    return std::exchange(m->state.brush, brush);
}

CFont DiagramDC::SelectObject(const CFont& font) {
    return std::exchange(m->state.font, font);
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
    return std::exchange(m->state.textColor, color);
}

COLORREF DiagramDC::GetTextColor() const {
    return m->state.textColor;
}

COLORREF DiagramDC::SetBkColor(COLORREF color) {
    return std::exchange(m->state.bkColor, color);
}

COLORREF DiagramDC::GetBkColor() const {
    return m->state.bkColor;
}

int DiagramDC::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return std::exchange(m->state.bkMode, mode);
}

int DiagramDC::GetBkMode() const {
    return m->state.bkMode;
}

// ---- lines

CPoint DiagramDC::MoveTo(int x, int y) {
    m->styleCounter = 0;
    return std::exchange(m->state.position, CPoint(x, y));
}

BOOL DiagramDC::LineTo(int x, int y) {
    const CPoint from = m->state.position;
    m->state.position = CPoint(x, y);
    if (!m->cr || m->state.pen.isNull())
        return TRUE;
    if (m->thinPen()) {
        m->thinSegment(m->device(from), m->device(CPoint(x, y)));
    } else {
        const CPoint a = m->device(from), b = m->device(CPoint(x, y));
        m->widePath({{double(a.x), double(a.y)}, {double(b.x), double(b.y)}}, false);
    }
    return TRUE;
}

CPoint DiagramDC::GetCurrentPosition() const {
    return m->state.position;
}

BOOL DiagramDC::Polyline(const CPoint* points, int count) {
    if (!points || count < 2)
        return FALSE;
    if (m->cr && !m->state.pen.isNull())
        m->strokePoints(points, count, false);
    return TRUE;
}

namespace {

// The ellipse fitting the pixels l..r-1, t..b-1, in pixel-centre units.
struct EllipseGeometry {
    double cx, cy, rx, ry;
};

EllipseGeometry ellipseIn(const CRect& normalised) {
    const double right = normalised.right - 1;
    const double bottom = normalised.bottom - 1;
    return {(normalised.left + right) / 2.0, (normalised.top + bottom) / 2.0,
            std::max(0.0, (right - normalised.left) / 2.0), std::max(0.0, (bottom - normalised.top) / 2.0)};
}

// The angle (counter-clockwise on screen, from the right) of the point of an
// ellipse on the ray from its centre through (x, y).
double ellipseAngle(const EllipseGeometry& e, double x, double y) {
    const double rayAngle = std::atan2(-(y - e.cy), x - e.cx);
    return std::atan2(std::sin(rayAngle) * e.rx, std::cos(rayAngle) * e.ry);
}

bool farOutside(const CRect& shape, const CRect& visible) {
    CRect grown = visible;
    grown.InflateRect(64, 64);
    return (shape & grown).IsRectEmpty();
}

} // namespace

BOOL DiagramDC::Arc(int left, int top, int right, int bottom, int xStart, int yStart, int xEnd, int yEnd) {
    if (!m->cr || m->state.pen.isNull())
        return TRUE;
    CRect box = m->device(CRect(left, top, right, bottom));
    box.NormalizeRect();
    if (box.IsRectEmpty() || farOutside(box, m->visible))
        return TRUE;
    const EllipseGeometry e = ellipseIn(box);
    const CPoint start = m->device(CPoint(xStart, yStart));
    const CPoint end = m->device(CPoint(xEnd, yEnd));
    const double a0 = ellipseAngle(e, start.x, start.y);
    double a1 = ellipseAngle(e, end.x, end.y);
    while (a1 <= a0)
        a1 += 2 * std::numbers::pi;
    std::vector<Vertex> points;
    appendEllipsePoints(points, e.cx, e.cy, e.rx, e.ry, a0, a1);
    m->styleCounter = 0;
    if (!m->thinPen()) {
        m->widePath(points, false);
    } else if (box.Width() <= kLargestPixelShape && box.Height() <= kLargestPixelShape) {
        m->thinPixels(thinned(curvePixels(points), false));
    } else {
        PixelPath path;
        for (const Vertex& v : points)
            path.emplace_back(int(std::lround(v.x)), int(std::lround(v.y)));
        m->thinPath(path, false);
    }
    return TRUE;
}

// ---- shapes

BOOL DiagramDC::Polygon(const CPoint* points, int count) {
    if (!points || count < 2)
        return FALSE;
    if (!m->cr)
        return TRUE;
    if (!m->state.brush.isNull())
        m->fillPolygon(m->deviceVertices(points, count), m->state.brush.getColor());
    if (!m->state.pen.isNull())
        m->strokePoints(points, count, true);
    return TRUE;
}

BOOL DiagramDC::Rectangle(int left, int top, int right, int bottom) {
    if (!m->cr)
        return TRUE;
    CRect box = m->device(CRect(left, top, right, bottom));
    box.NormalizeRect();
    if (box.IsRectEmpty())
        return TRUE;
    const bool nullPen = m->state.pen.isNull();
    if (!m->state.brush.isNull()) {
        CRect inside = box;
        if (nullPen)
            inside.DeflateRect(0, 0, 1, 1);
        else
            inside.DeflateRect(1, 1);
        m->flushRun();
        m->addBox(inside & m->visible, m->state.brush.getColor());
    }
    if (nullPen)
        return TRUE;
    m->styleCounter = 0;
    if (m->thinPen()) {
        m->thinPath({{box.left, box.top},
                     {box.right - 1, box.top},
                     {box.right - 1, box.bottom - 1},
                     {box.left, box.bottom - 1}},
                    true);
    } else {
        const double l = box.left, t = box.top, r = box.right - 1, b = box.bottom - 1;
        m->widePath({{l, t}, {r, t}, {r, b}, {l, b}}, true);
    }
    return TRUE;
}

BOOL DiagramDC::Ellipse(int left, int top, int right, int bottom) {
    if (!m->cr)
        return TRUE;
    CRect box = m->device(CRect(left, top, right, bottom));
    box.NormalizeRect();
    if (box.IsRectEmpty() || farOutside(box, m->visible))
        return TRUE;
    m->closedCurve(
        box,
        [](const CRect& fitted) {
            const EllipseGeometry e = ellipseIn(fitted);
            std::vector<Vertex> points;
            appendEllipsePoints(points, e.cx, e.cy, e.rx, e.ry, 0, 2 * std::numbers::pi);
            points.pop_back();
            return points;
        },
        [](const CRect& fitted) {
            const EllipseGeometry e = ellipseIn(fitted);
            return mirroredLoop(quadrantPixels(e.cx, e.cy, e.rx, e.ry), fitted.left + fitted.right - 1,
                                fitted.top + fitted.bottom - 1);
        });
    return TRUE;
}

BOOL DiagramDC::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
    if (cornerWidth <= 1 || cornerHeight <= 1)
        return Rectangle(left, top, right, bottom);
    if (!m->cr)
        return TRUE;
    CRect box = m->device(CRect(left, top, right, bottom));
    box.NormalizeRect();
    if (box.IsRectEmpty() || farOutside(box, m->visible))
        return TRUE;
    struct Corner {
        double l, t, r, b, rx, ry;
    };
    auto cornerOf = [&](const CRect& fitted) {
        const double l = fitted.left, t = fitted.top, r = fitted.right - 1, b = fitted.bottom - 1;
        return Corner{l,
                      t,
                      r,
                      b,
                      std::clamp((cornerWidth - 1) / 2.0, 0.0, (r - l) / 2.0),
                      std::clamp((cornerHeight - 1) / 2.0, 0.0, (b - t) / 2.0)};
    };
    m->closedCurve(
        box,
        [&](const CRect& fitted) {
            const Corner c = cornerOf(fitted);
            constexpr double quarter = std::numbers::pi / 2;
            std::vector<Vertex> points;
            appendEllipsePoints(points, c.r - c.rx, c.t + c.ry, c.rx, c.ry, 0, quarter);
            appendEllipsePoints(points, c.l + c.rx, c.t + c.ry, c.rx, c.ry, quarter, 2 * quarter);
            appendEllipsePoints(points, c.l + c.rx, c.b - c.ry, c.rx, c.ry, 2 * quarter, 3 * quarter);
            appendEllipsePoints(points, c.r - c.rx, c.b - c.ry, c.rx, c.ry, 3 * quarter, 4 * quarter);
            return points;
        },
        [&](const CRect& fitted) {
            const Corner c = cornerOf(fitted);
            return mirroredLoop(quadrantPixels(c.r - c.rx, c.t + c.ry, c.rx, c.ry),
                                fitted.left + fitted.right - 1, fitted.top + fitted.bottom - 1);
        });
    return TRUE;
}

void DiagramDC::FillRect(const CRect& rect, const CBrush& brush) {
    if (!m->cr || brush.isNull())
        return;
    CRect box = m->device(rect);
    box.NormalizeRect();
    m->flushRun();
    m->addBox(box & m->visible, brush.getColor());
}

void DiagramDC::FillSolidRect(const CRect& rect, COLORREF color) {
    FillRect(rect, CBrush(color));
}

void DiagramDC::DrawFocusRect(const CRect& rect) {
    if (!m->cr)
        return;
    CRect box = m->device(rect);
    box.NormalizeRect();
    if (box.IsRectEmpty())
        return;
    const CPen pen = m->state.pen;
    const int mode = m->state.bkMode;
    m->state.pen = CPen::ExtCreatePen(PS_COSMETIC | PS_USERSTYLE, 1, RGB(0, 0, 0), {1, 1});
    m->state.bkMode = TRANSPARENT;
    m->styleCounter = 0;
    m->thinPath({{box.left, box.top},
                 {box.right - 1, box.top},
                 {box.right - 1, box.bottom - 1},
                 {box.left, box.bottom - 1}},
                true);
    m->state.pen = pen;
    m->state.bkMode = mode;
}

COLORREF DiagramDC::SetPixel(int x, int y, COLORREF color) {
    if (m->cr)
        m->putPixel(m->dx(x), m->dy(y), color);
    return color & 0xFFFFFF;
}

// ---- text

int DiagramDC::DrawText(const CString& text, CRect& rect, UINT format) {
    const TEXTMETRIC& metrics = m->font().metrics();
    if (text.IsEmpty()) {
        if (format & DT_CALCRECT) {
            rect.right = rect.left;
            rect.bottom = rect.top;
        }
        return 0;
    }
    const std::vector<TextLine> lines = m->lines(text, format, std::max(0, int(rect.Width())));
    int widest = 0;
    for (const TextLine& line : lines)
        widest = std::max(widest, line.width);
    const int height = int(lines.size()) * metrics.tmHeight;
    if (format & DT_CALCRECT) {
        rect.right = rect.left + widest;
        rect.bottom = rect.top + height;
        return height;
    }
    if (!m->cr)
        return height;
    m->flushBoxes();
    const CRect box = m->device(rect);
    cairo_save(m->cr);
    if (!(format & DT_NOCLIP)) {
        CRect clip = box;
        clip.NormalizeRect();
        cairo_rectangle(m->cr, clip.left, clip.top, clip.Width(), clip.Height());
        cairo_clip(m->cr);
    }
    int y = box.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER)
            y = box.top + (box.Height() - metrics.tmHeight) / 2;
        else if (format & DT_BOTTOM)
            y = box.bottom - metrics.tmHeight;
    }
    PangoContext* context = DiagramFont::measuringContext();
    for (const TextLine& line : lines) {
        int x = box.left;
        if (format & DT_CENTER)
            x = box.left + (box.Width() - line.width) / 2;
        else if (format & DT_RIGHT)
            x = box.right - line.width;
        m->showLine(line, x, y, context);
        y += metrics.tmHeight;
    }
    cairo_restore(m->cr);
    return height;
}

int DiagramDC::DrawText(const CString& text, const CRect& rect, UINT format) {
    CRect copy = rect;
    return DrawText(text, copy, format);
}

BOOL DiagramDC::TextOut(int x, int y, const CString& text) {
    if (!m->cr || text.IsEmpty())
        return TRUE;
    m->flushBoxes();
    TextLine line;
    line.text = text.str();
    line.width = m->font().textExtent(text).cx;
    const int escapement = m->state.font.escapement % 3600;
    if (escapement == 0) {
        m->showLine(line, m->dx(x), m->dy(y), DiagramFont::measuringContext());
        return TRUE;
    }
    cairo_save(m->cr);
    cairo_translate(m->cr, m->dx(x), m->dy(y));
    cairo_rotate(m->cr, -escapement * std::numbers::pi / 1800.0);
    PangoContext* context = DiagramFont::newContext();
    pango_cairo_update_context(m->cr, context);
    m->showLine(line, 0, 0, context);
    g_object_unref(context);
    cairo_restore(m->cr);
    return TRUE;
}

CSize DiagramDC::GetTextExtent(const CString& text) const {
    return m->font().textExtent(text);
}

BOOL DiagramDC::GetTextMetrics(TEXTMETRIC* metrics) const {
    if (!metrics)
        return FALSE;
    *metrics = m->font().metrics();
    return TRUE;
}

// ---- pictures

void DiagramDC::DrawPicture(int x, int y, const DiagramPicture& picture) {
    DrawPicture(CRect(x, y, x + picture.width(), y + picture.height()), picture,
                CRect(0, 0, picture.width(), picture.height()));
}

void DiagramDC::DrawPicture(const CRect& dest, const DiagramPicture& picture) {
    DrawPicture(dest, picture, CRect(0, 0, picture.width(), picture.height()));
}

void DiagramDC::DrawPicture(const CRect& dest, const DiagramPicture& picture, const CRect& source) {
    if (!m->cr || picture.isNull())
        return;
    CRect box = m->device(dest);
    box.NormalizeRect();
    CRect from = source;
    from.NormalizeRect();
    from = from & CRect(0, 0, picture.width(), picture.height());
    if (box.IsRectEmpty() || from.IsRectEmpty() || farOutside(box, m->visible))
        return;
    m->flushBoxes();
    cairo_save(m->cr);
    cairo_rectangle(m->cr, box.left, box.top, box.Width(), box.Height());
    cairo_clip(m->cr);
    cairo_translate(m->cr, box.left, box.top);
    cairo_scale(m->cr, double(box.Width()) / from.Width(), double(box.Height()) / from.Height());
    cairo_set_source_surface(m->cr, picture.surface(), -from.left, -from.top);
    cairo_pattern_set_filter(cairo_get_source(m->cr), CAIRO_FILTER_NEAREST);
    cairo_pattern_set_extend(cairo_get_source(m->cr), CAIRO_EXTEND_PAD);
    cairo_paint(m->cr);
    cairo_restore(m->cr);
}

// ---- clipping

int DiagramDC::IntersectClipRect(const CRect& rect) {
    const CRect box = m->device(rect);
    CRect clip = m->state.clip ? (*m->state.clip & box) : box;
    if (clip.IsRectEmpty())
        clip.SetRectEmpty();
    m->state.clip = clip;
    m->applyClip();
    return clip.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

int DiagramDC::GetClipBox(CRect* rect) const {
    const CRect box = m->state.clip ? (m->targetBounds & *m->state.clip) : m->targetBounds;
    if (rect)
        *rect = box + m->state.origin;
    return box.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}
