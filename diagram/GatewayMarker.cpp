#include "GatewayMarker.h"

#include "DiagramDC.h"

#include <cmath>
#include <map>
#include <mutex>
#include <numbers>
#include <utility>

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);

// The markers are designed on the 37-pixel picture; other sizes scale them.
class MarkerPainter {
public:
    MarkerPainter(DiagramDC& dc, int size) : m_dc(dc), m_scale((size - 1) / 36.0) {}

    int at(double v) const { return int(std::lround(v * m_scale)); }
    int width(double w) const { return std::max(1, int(std::lround(w * m_scale))); }

    void diamond() {
        const CPoint corners[] = {{at(18), at(0)}, {at(36), at(18)}, {at(18), at(36)}, {at(0), at(18)}};
        m_dc.Polygon(corners, 4);
    }
    // A ring of radius r (its outline's centre line) around the middle.
    void ring(double r, double penWidth) {
        const CPen before =
            m_dc.SelectObject(CPen::ExtCreatePen(PS_GEOMETRIC | PS_SOLID, width(penWidth), kBlack));
        m_dc.Ellipse(at(18 - r), at(18 - r), at(18 + r) + 1, at(18 + r) + 1);
        m_dc.SelectObject(before);
    }
    void stroke(double x1, double y1, double x2, double y2, double penWidth) {
        const CPen before =
            m_dc.SelectObject(CPen::ExtCreatePen(PS_GEOMETRIC | PS_SOLID, width(penWidth), kBlack));
        m_dc.MoveTo(at(x1), at(y1));
        m_dc.LineTo(at(x2), at(y2));
        m_dc.SelectObject(before);
    }
    void bar(double l, double t, double r, double b) {
        m_dc.FillSolidRect(CRect(at(l), at(t), at(r), at(b)), kBlack);
    }
    // A pentagon standing on its base, of radius r around the middle.
    void pentagon(double r) {
        CPoint corners[5];
        for (int i = 0; i < 5; ++i) {
            const double a = std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
            corners[i] = CPoint(at(18 + r * std::cos(a)), at(18 - r * std::sin(a)));
        }
        m_dc.Polygon(corners, 5);
    }

private:
    DiagramDC& m_dc;
    double m_scale;
};

DiagramPicture drawMarker(int kind, int size) {
    DiagramPicture picture(size, size);
    DiagramDC dc(picture);
    dc.SelectObject(CPen(PS_SOLID, 1, kBlack));
    dc.SelectObject(CBrush::null());
    MarkerPainter paint(dc, size);
    paint.diamond();
    switch (kind) {
    case 2: // a bold X
        paint.stroke(12, 12, 25, 25, 4);
        paint.stroke(25, 12, 12, 25, 4);
        break;
    case 3: // a thick circle
        paint.ring(8.5, 3);
        break;
    case 4: // a plus
        paint.bar(9, 16, 28, 21);
        paint.bar(16, 9, 21, 28);
        break;
    case 5: // an asterisk: a plus and an X
        paint.bar(10, 17, 27, 20);
        paint.bar(17, 10, 20, 27);
        paint.stroke(12, 12, 25, 25, 3);
        paint.stroke(25, 12, 12, 25, 3);
        break;
    case 6: // a double circle around a pentagon
        paint.ring(11, 1);
        paint.ring(9, 1);
        paint.pentagon(6);
        break;
    case 7: // a single circle around a pentagon
        paint.ring(10, 1);
        paint.pentagon(6);
        break;
    default:
        break;
    }
    return picture;
}

} // namespace

const DiagramPicture& GatewayMarker::picture(int kind, int size) {
    static const DiagramPicture none;
    if (kind < kFirstKind || kind > kLastKind || size < 8 || size > 1024)
        return none;
    static std::mutex mutex;
    static std::map<std::pair<int, int>, DiagramPicture> pictures;
    std::lock_guard<std::mutex> lock(mutex);
    auto found = pictures.find({kind, size});
    if (found == pictures.end())
        found = pictures.emplace(std::make_pair(kind, size), drawMarker(kind, size)).first;
    return found->second;
}
