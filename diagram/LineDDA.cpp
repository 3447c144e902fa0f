#include "LineDDA.h"

#include <cstdlib>

void LineDDA(int xStart, int yStart, int xEnd, int yEnd, LINEDDAPROC proc, void* data) {
    const long long dx = std::llabs(static_cast<long long>(xEnd) - xStart);
    const long long dy = std::llabs(static_cast<long long>(yEnd) - yStart);
    const int xStep = xStart < xEnd ? 1 : -1;
    const int yStep = yStart < yEnd ? 1 : -1;
    int x = xStart;
    int y = yStart;
    if (dx > dy) {
        long long error = 2 * dy - dx;
        for (long long i = 0; i < dx; ++i) {
            proc(x, y, data);
            if (error > 0) {
                y += yStep;
                error += 2 * dy - 2 * dx;
            } else {
                error += 2 * dy;
            }
            x += xStep;
        }
    } else {
        long long error = 2 * dx - dy;
        for (long long i = 0; i < dy; ++i) {
            proc(x, y, data);
            if (error > 0) {
                x += xStep;
                error += 2 * dx - 2 * dy;
            } else {
                error += 2 * dx;
            }
            y += yStep;
        }
    }
}

std::vector<CPoint> lineDDAPoints(int xStart, int yStart, int xEnd, int yEnd) {
    std::vector<CPoint> points;
    LineDDA(xStart, yStart, xEnd, yEnd, [&points](int x, int y) { points.emplace_back(x, y); });
    return points;
}
