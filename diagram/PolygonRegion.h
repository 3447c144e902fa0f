#pragma once

// A polygon region with the alternate (even-odd) fill rule, as the platform's
// CreatePolygonRgn gives it, and its point test (PtInRegion). A pixel belongs
// to the region when its centre (x + 0.5, y + 0.5) lies inside the polygon
// whose vertices are the given points; a centre exactly on an edge belongs to
// the region on a left or top edge and not on a right or bottom one. So the
// polygon (0, 0), (10, 0), (10, 10), (0, 10) holds the pixels 0-9 on each
// axis, as the rectangle (0, 0, 10, 10) does. The painter fills polygons and
// curved shapes with the same rule.

#include "CPoint.h"
#include "CRect.h"

#include <functional>
#include <vector>

class PolygonRegion {
public:
    PolygonRegion(const CPoint* points, int count);
    explicit PolygonRegion(const std::vector<CPoint>& points)
        : PolygonRegion(points.data(), int(points.size())) {}

    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(CPoint point) const { return PtInRegion(point.x, point.y); }
    // The smallest rectangle holding every pixel of the region (empty when
    // the region is).
    CRect GetRgnBox() const;

    // The runs of pixels of a polygon given with real vertices, row by row
    // from the top: visit(y, xFirst, xLast), both ends inside; only the part
    // inside limit when one is given. Used by the painter's fills.
    struct Vertex {
        double x;
        double y;
    };
    static void forEachSpan(const std::vector<Vertex>& polygon,
                            const std::function<void(int y, int xFirst, int xLast)>& visit,
                            const CRect* limit = nullptr);

private:
    std::vector<Vertex> m_vertices;
};
