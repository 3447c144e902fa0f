#include "ActivitySymbols.h"

#include "CBrush.h"
#include "CPen.h"
#include "DiagramDC.h"

#include <array>
#include <cmath>
#include <functional>
#include <optional>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(160, 160, 160);

// A picture of the size drawn once by the function, white made transparent.
DiagramPicture drawn(int width, int height, const std::function<void(DiagramDC&)>& draw) {
    DiagramPicture canvas(width, height, kWhite);
    {
        DiagramDC dc(canvas);
        dc.SelectStockObject(BLACK_PEN);
        dc.SelectStockObject(NULL_BRUSH);
        draw(dc);
    }
    return canvas.withColorKey(kWhite);
}

void line(DiagramDC& dc, int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
    dc.SetPixel(x2, y2, dc.GetCurrentPen().getColor());
}

void polygon(DiagramDC& dc, std::initializer_list<CPoint> points, COLORREF fill) {
    dc.SelectObject(CBrush(fill));
    dc.Polygon(points.begin(), static_cast<int>(points.size()));
    dc.SelectStockObject(NULL_BRUSH);
}

// A regular polygon of n corners around (cx, cy), the first pointing up.
void regular(DiagramDC& dc, double cx, double cy, double radius, int n, COLORREF fill) {
    std::array<CPoint, 8> points{};
    for (int i = 0; i < n; ++i) {
        const double angle = -M_PI / 2 + 2 * M_PI * i / n;
        points[i] = CPoint(static_cast<int>(std::lround(cx + radius * std::cos(angle))),
                           static_cast<int>(std::lround(cy + radius * std::sin(angle))));
    }
    dc.SelectObject(CBrush(fill));
    dc.Polygon(points.data(), n);
    dc.SelectStockObject(NULL_BRUSH);
}

void envelope(DiagramDC& dc, int l, int t, int r, int b, bool filled) {
    if (filled) {
        dc.SelectObject(CBrush(kBlack));
        dc.Rectangle(l, t, r, b);
        dc.SelectObject(CPen(PS_SOLID, 1, kWhite));
        line(dc, l + 1, t + 1, (l + r - 1) / 2, (t + b) / 2);
        line(dc, r - 2, t + 1, (l + r - 1) / 2 + 1, (t + b) / 2);
        dc.SelectStockObject(BLACK_PEN);
        dc.SelectStockObject(NULL_BRUSH);
        return;
    }
    dc.Rectangle(l, t, r, b);
    line(dc, l, t, (l + r - 1) / 2, (t + b) / 2);
    line(dc, r - 1, t, (l + r - 1) / 2, (t + b) / 2);
}

void gear(DiagramDC& dc, int cx, int cy, int radius) {
    for (int i = 0; i < 8; ++i) {
        const double angle = M_PI * i / 4;
        const int x = cx + static_cast<int>(std::lround((radius + 2) * std::cos(angle)));
        const int y = cy + static_cast<int>(std::lround((radius + 2) * std::sin(angle)));
        dc.SelectObject(CBrush(kBlack));
        dc.Rectangle(x - 1, y - 1, x + 2, y + 2);
    }
    dc.SelectObject(CBrush(kWhite));
    dc.Ellipse(cx - radius, cy - radius, cx + radius + 1, cy + radius + 1);
    dc.Ellipse(cx - 2, cy - 2, cx + 3, cy + 3);
    dc.SelectStockObject(NULL_BRUSH);
}

DiagramPicture makeTaskIcon(int type) {
    if (type == 6)
        return drawn(24, 24, [](DiagramDC& dc) {
            gear(dc, 9, 9, 5);
            gear(dc, 16, 16, 4);
        });
    return drawn(22, 16, [type](DiagramDC& dc) {
        switch (type) {
        case 1:
            envelope(dc, 2, 3, 20, 14, true);
            break;
        case 2:
            envelope(dc, 2, 3, 20, 14, false);
            break;
        case 3: // bust: head and shoulders
            dc.SelectObject(CBrush(kWhite));
            dc.Ellipse(7, 1, 15, 9);
            dc.RoundRect(4, 9, 18, 16, 6, 6);
            dc.SelectObject(CBrush(kBlack));
            dc.Rectangle(7, 1, 15, 4);
            break;
        case 4: // hand: palm and four fingers
            dc.SelectObject(CBrush(kWhite));
            dc.RoundRect(3, 6, 12, 15, 4, 4);
            for (int f = 0; f < 4; ++f)
                dc.RoundRect(11, 3 + 3 * f, 20, 6 + 3 * f, 3, 3);
            dc.RoundRect(6, 2, 10, 8, 3, 3);
            break;
        case 5: // table with a grey header row
            dc.SelectObject(CBrush(kGrey));
            dc.Rectangle(2, 2, 20, 6);
            dc.SelectStockObject(NULL_BRUSH);
            dc.Rectangle(2, 2, 20, 15);
            line(dc, 2, 10, 19, 10);
            line(dc, 8, 6, 8, 14);
            break;
        case 7: // scroll with lines
            dc.SelectObject(CBrush(kWhite));
            polygon(dc, {{5, 1}, {18, 1}, {15, 14}, {2, 14}}, kWhite);
            for (int y = 4; y <= 10; y += 3)
                line(dc, 7 + (14 - y) / 5, y, 14 + (14 - y) / 5, y);
            break;
        default:
            break;
        }
    });
}

void triggerSign(DiagramDC& dc, int trigger) {
    const int kind = trigger <= 14 ? (trigger + 1) / 2 : trigger == 15 ? 8 : 9;
    switch (kind) {
    case 1: // message
        envelope(dc, 6, 8, 18, 16, false);
        break;
    case 2: // timer: a clock face with its hands
        dc.Ellipse(5, 5, 19, 19);
        line(dc, 12, 7, 12, 12);
        line(dc, 12, 12, 15, 14);
        break;
    case 3: // conditional: a page with lines
        dc.Rectangle(7, 5, 17, 19);
        for (int y = 8; y <= 16; y += 3)
            line(dc, 9, y, 14, y);
        break;
    case 4: // signal: a triangle
        polygon(dc, {{12, 5}, {18, 16}, {6, 16}}, kWhite);
        break;
    case 5: // multiple: a pentagon
        regular(dc, 12, 12.5, 6.5, 5, kWhite);
        break;
    case 6: // parallel multiple: a plus sign
        polygon(dc, {{10, 5}, {14, 5}, {14, 10}, {19, 10}, {19, 14}, {14, 14}, {14, 19}, {10, 19}}, kWhite);
        polygon(dc, {{10, 19}, {10, 14}, {5, 14}, {5, 10}, {10, 10}}, kWhite);
        break;
    case 7: // escalation: an arrowhead pointing up
        polygon(dc, {{12, 5}, {17, 18}, {12, 13}, {7, 18}}, kWhite);
        break;
    case 8: // error: lightning
        polygon(dc, {{7, 18}, {10, 7}, {14, 13}, {17, 5}, {14, 17}, {10, 11}}, kWhite);
        break;
    default: // compensation: two triangles pointing left
        polygon(dc, {{5, 12}, {11, 7}, {11, 17}}, kWhite);
        polygon(dc, {{11, 12}, {17, 7}, {17, 17}}, kWhite);
        break;
    }
}

DiagramPicture makeEventTrigger(int trigger) {
    return drawn(24, 24, [trigger](DiagramDC& dc) {
        dc.SelectObject(ActivitySymbols::isNonInterrupting(trigger) ? CPen(PS_DASH, 1, kBlack)
                                                                    : CPen(PS_SOLID, 1, kBlack));
        dc.Ellipse(1, 1, 23, 23);
        dc.SelectStockObject(BLACK_PEN);
        triggerSign(dc, trigger);
    });
}

DiagramPicture makeMarker(ActivitySymbols::Marker marker) {
    return drawn(13, 13, [marker](DiagramDC& dc) {
        switch (marker) {
        case ActivitySymbols::kCollapsed:
            dc.Rectangle(0, 0, 13, 13);
            line(dc, 3, 6, 9, 6);
            line(dc, 6, 3, 6, 9);
            break;
        case ActivitySymbols::kLoop:
            dc.Arc(1, 1, 12, 12, 9, 11, 3, 11);
            polygon(dc, {{1, 8}, {4, 8}, {4, 11}}, kBlack);
            break;
        case ActivitySymbols::kSequential:
            for (int y = 2; y <= 10; y += 4) {
                dc.SelectObject(CBrush(kBlack));
                dc.Rectangle(1, y, 12, y + 2);
            }
            break;
        case ActivitySymbols::kParallel:
            for (int x = 2; x <= 10; x += 4) {
                dc.SelectObject(CBrush(kBlack));
                dc.Rectangle(x, 1, x + 2, 12);
            }
            break;
        case ActivitySymbols::kAdHoc:
            dc.Arc(1, 3, 7, 10, 7, 6, 1, 6);
            dc.Arc(6, 3, 12, 10, 6, 6, 12, 6);
            break;
        case ActivitySymbols::kCompensation:
            polygon(dc, {{0, 6}, {6, 2}, {6, 10}}, kWhite);
            polygon(dc, {{6, 6}, {12, 2}, {12, 10}}, kWhite);
            break;
        }
    });
}

template <size_t N, class Make>
const DiagramPicture& kept(std::array<std::optional<DiagramPicture>, N>& slots, size_t index, Make make) {
    if (!slots[index])
        slots[index].emplace(make());
    return *slots[index];
}

} // namespace

bool ActivitySymbols::isNonInterrupting(int trigger) {
    return trigger >= 1 && trigger <= 13 && trigger % 2 == 1;
}

const DiagramPicture& ActivitySymbols::taskIcon(int taskType) {
    static std::array<std::optional<DiagramPicture>, 8> slots;
    static const DiagramPicture none;
    if (taskType < 1 || taskType > 7)
        return none;
    return kept(slots, taskType, [taskType] { return makeTaskIcon(taskType); });
}

const DiagramPicture& ActivitySymbols::eventTrigger(int trigger) {
    static std::array<std::optional<DiagramPicture>, 17> slots;
    static const DiagramPicture none;
    if (trigger < 1 || trigger > 16)
        return none;
    return kept(slots, trigger, [trigger] { return makeEventTrigger(trigger); });
}

const DiagramPicture& ActivitySymbols::marker(Marker marker) {
    static std::array<std::optional<DiagramPicture>, 6> slots;
    return kept(slots, marker, [marker] { return makeMarker(marker); });
}
