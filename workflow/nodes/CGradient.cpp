#include "CGradient.h"

#include "CPen.h"
#include "DiagramDC.h"
#include "DiagramPicture.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <tuple>

namespace {

// Enough for every size and scheme of a large diagram at a few zooms; when
// full, the tiles are dropped and made again as they are drawn.
constexpr size_t kMaxTiles = 1024;
// Larger tiles are not kept: they would hold more memory than they save.
constexpr long kMaxTilePixels = 1024L * 1024L;

using TileKey = std::tuple<int, int, COLORREF, COLORREF, int, double>;

std::map<TileKey, std::unique_ptr<DiagramPicture>>& tiles() {
    static std::map<TileKey, std::unique_ptr<DiagramPicture>> kept;
    return kept;
}

int channel(COLORREF color, int shift) {
    return static_cast<int>((color >> shift) & 0xFF);
}

// trunc(a x v1) + trunc(b x v2) per channel, then the power curve.
COLORREF mix(COLORREF first, double a, COLORREF second, double b, int powerFlag, double power) {
    int result[3];
    for (int c = 0; c < 3; ++c) {
        int v = static_cast<int>(channel(first, 8 * c) * a) + static_cast<int>(channel(second, 8 * c) * b);
        v = std::clamp(v, 0, 255);
        if (powerFlag)
            v = static_cast<int>(255.0 * std::pow(v / 255.0, power));
        result[c] = std::clamp(v, 0, 255);
    }
    return RGB(result[0], result[1], result[2]);
}

} // namespace

void CGradient::drawLines(DiagramDC& dc, CRect rect, COLORREF start, COLORREF end, int powerFlag,
                          double power) {
    const int L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    const int n = R - L - 1;
    if (n < 0)
        return;
    const CPen before = dc.GetCurrentPen();
    if (n == 0) {
        // One pixel wide: no slope to follow; the mean colour fills the column.
        if (B - T - 3 > 0)
            dc.FillSolidRect(L, T + 1, 1, B - T - 3, mix(start, 0.5, end, 0.5, powerFlag, power));
        return;
    }
    const double slope = static_cast<double>(B - T - 1) / n;
    int previousXa = L + 1;
    int previousYa = B - 2;
    int previousYbLine = B - 1;
    int previousYbLoop = T + 1;
    for (int i = 0; i <= n; ++i) {
        const double b = static_cast<double>(i) / (2.0 * n);
        const double a = 1.0 - b;
        const COLORREF c1 = mix(end, b, start, a, powerFlag, power);
        const COLORREF c2 = mix(start, b, end, a, powerFlag, power);
        const int d = static_cast<int>(i * slope);

        dc.SelectObject(CPen(PS_SOLID, 1, c1));
        const int xa = std::min(L + 1 + i, R - 2);
        const int ya = std::max(B - 2 - d, T + 1);
        dc.MoveTo(L + 1, ya);
        dc.LineTo(xa, B - 2);
        dc.MoveTo(previousXa, B - 2);
        dc.LineTo(xa, B - 2);
        for (int y = ya; y <= previousYa; ++y) {
            dc.MoveTo(L + 1, y);
            dc.LineTo(xa, B - 2);
        }

        dc.SelectObject(CPen(PS_SOLID, 1, c2));
        const int xb = std::max(R - 2 - i, L + 1);
        const int yb = std::min(T + 1 + d, B - 2);
        dc.MoveTo(xb, T + 1);
        dc.LineTo(R - 2, yb);
        dc.MoveTo(R - 2, previousYbLine);
        dc.LineTo(R - 2, yb + 1);
        for (int y = yb; y >= previousYbLoop; --y) {
            dc.MoveTo(xb, T + 1);
            dc.LineTo(R - 2, y);
        }

        previousXa = xa;
        previousYa = ya;
        previousYbLine = yb;
        previousYbLoop = yb;
    }
    dc.SelectObject(before);
}

const DiagramPicture* CGradient::tile(int width, int height, COLORREF start, COLORREF end, int powerFlag,
                                      double power) {
    if (width < 1 || height < 1 || static_cast<long>(width) * height > kMaxTilePixels)
        return nullptr;
    auto& kept = tiles();
    const TileKey key{width, height, start, end, powerFlag ? 1 : 0, powerFlag ? power : 0.0};
    if (auto hit = kept.find(key); hit != kept.end())
        return hit->second.get();
    if (kept.size() >= kMaxTiles)
        kept.clear();
    auto picture = std::make_unique<DiagramPicture>(width, height);
    {
        DiagramDC dc(*picture);
        drawLines(dc, CRect(0, 0, width, height), start, end, powerFlag, power);
    }
    return kept.emplace(key, std::move(picture)).first->second.get();
}

int CGradient::cachedTileCount() {
    return static_cast<int>(tiles().size());
}

void CGradient::drawGradient(DiagramDC& dc, CRect rect, COLORREF start, COLORREF end, int powerFlag,
                             double power) {
    if (rect.right - rect.left - 1 < 0)
        return;
    if (const DiagramPicture* picture =
            tile(rect.right - rect.left, rect.bottom - rect.top, start, end, powerFlag, power))
        dc.DrawPicture(rect.left, rect.top, *picture);
    else
        drawLines(dc, rect, start, end, powerFlag, power);
}
