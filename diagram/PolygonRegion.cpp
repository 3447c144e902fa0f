#include "PolygonRegion.h"

#include <algorithm>
#include <cmath>

namespace {

using Vertex = PolygonRegion::Vertex;

// Where the edge a-b crosses the line y; computed the same way everywhere,
// so that the point test and the fill agree to the last bit.
inline double crossingX(const Vertex& a, const Vertex& b, double y) {
    return a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
}

// An edge that is not horizontal, with its top and bottom. It counts for the
// rows whose centre lies in [top, bottom), so a vertex between two edges
// counts once and horizontal edges never.
struct Edge {
    double top, bottom;
    Vertex a, b;
};

std::vector<Edge> edgesOf(const std::vector<Vertex>& polygon) {
    std::vector<Edge> edges;
    const size_t n = polygon.size();
    for (size_t i = 0; i < n; ++i) {
        const Vertex& a = polygon[i];
        const Vertex& b = polygon[(i + 1) % n];
        if (a.y != b.y)
            edges.push_back({std::min(a.y, b.y), std::max(a.y, b.y), a, b});
    }
    return edges;
}

// The x where the row's centre line crosses the edges, sorted.
void crossings(const std::vector<const Edge*>& edges, double yCentre, std::vector<double>& xs) {
    xs.clear();
    for (const Edge* e : edges) {
        if (yCentre >= e->top && yCentre < e->bottom)
            xs.push_back(crossingX(e->a, e->b, yCentre));
    }
    std::sort(xs.begin(), xs.end());
}

// The pixels whose centres lie in [from, to): left edge in, right edge out.
inline int firstPixel(double from) {
    return static_cast<int>(std::ceil(from - 0.5));
}
inline int lastPixel(double to) {
    return static_cast<int>(std::ceil(to - 0.5)) - 1;
}

} // namespace

PolygonRegion::PolygonRegion(const CPoint* points, int count) {
    for (int i = 0; points && i < count; ++i)
        m_vertices.push_back({double(points[i].x), double(points[i].y)});
}

BOOL PolygonRegion::PtInRegion(int x, int y) const {
    if (m_vertices.size() < 3)
        return FALSE;
    const std::vector<Edge> edges = edgesOf(m_vertices);
    std::vector<const Edge*> all;
    for (const Edge& e : edges)
        all.push_back(&e);
    std::vector<double> xs;
    crossings(all, y + 0.5, xs);
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
        if (x >= firstPixel(xs[i]) && x <= lastPixel(xs[i + 1]))
            return TRUE;
    }
    return FALSE;
}

CRect PolygonRegion::GetRgnBox() const {
    CRect box;
    bool any = false;
    forEachSpan(m_vertices, [&](int y, int xFirst, int xLast) {
        const CRect run(xFirst, y, xLast + 1, y + 1);
        box = any ? (box | run) : run;
        any = true;
    });
    return box;
}

void PolygonRegion::forEachSpan(const std::vector<Vertex>& polygon,
                                const std::function<void(int y, int xFirst, int xLast)>& visit,
                                const CRect* limit) {
    if (polygon.size() < 3)
        return;
    double top = polygon[0].y;
    double bottom = polygon[0].y;
    for (const Vertex& v : polygon) {
        if (!std::isfinite(v.x) || !std::isfinite(v.y))
            return;
        top = std::min(top, v.y);
        bottom = std::max(bottom, v.y);
    }
    // Rows and columns are kept within what an int holds, and within limit.
    double rowFrom = std::max(top, -1e9);
    double rowTo = std::min(bottom, 1e9);
    double columnFrom = -1e9;
    double columnTo = 1e9;
    if (limit) {
        rowFrom = std::max(rowFrom, double(limit->top));
        rowTo = std::min(rowTo, double(limit->bottom));
        columnFrom = limit->left;
        columnTo = limit->right;
    }
    // The edges by their top; each row looks only at the edges it crosses.
    std::vector<Edge> edges = edgesOf(polygon);
    std::sort(edges.begin(), edges.end(), [](const Edge& p, const Edge& q) { return p.top < q.top; });
    std::vector<const Edge*> active;
    std::vector<double> xs;
    size_t next = 0;
    for (int y = firstPixel(rowFrom); y <= lastPixel(rowTo); ++y) {
        const double yCentre = y + 0.5;
        while (next < edges.size() && edges[next].top <= yCentre)
            active.push_back(&edges[next++]);
        std::erase_if(active, [yCentre](const Edge* e) { return yCentre >= e->bottom; });
        crossings(active, yCentre, xs);
        for (size_t i = 0; i + 1 < xs.size(); i += 2) {
            const int xFirst = firstPixel(std::max(xs[i], columnFrom));
            const int xLast = lastPixel(std::min(xs[i + 1], columnTo));
            if (xFirst <= xLast)
                visit(y, xFirst, xLast);
        }
    }
}
