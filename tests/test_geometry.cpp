// Line intersection: crossings, vertical lines standing in as slope 1e10 with
// their intercept taken from the first point, and parallel lines.
#include <gtest/gtest.h>

#include <cmath>

#include "geometry.h"
#include "support.h"

TEST(Geometry, IntersectionTable)
{
    const float INF = INFINITY, NaN = NAN;
    struct Row { float x1, y1, x2, y2, x3, y3, x4, y4, x, y; } rows[] = {
        {0, 0, 10, 10, 0, 10, 10, 0, 5, 5},
        {100, 0, 100, 100, 0, 50, 200, 50, 100, 50},
        {1, 1, 3, 5, 2, 0, 2, 9, 2, 3},
        {0.001f, 0, 0.001f, 9, 0, 3, 5, 3, 0.00100000028f, 3},
        {0.001f, 9, 0.001f, 0, 0, 3, 5, 3, 0.000999999465f, 3},
        {0, 0, NaN, 1, 0, 3, 5, 3, 3e-10f, 3}, // a run that is not a number counts as vertical
        {0, 0, 1, 1, 0, 1, 1, 2, -INF, -INF},  // parallel
        {0, 0, 1, 1, 2, 2, 3, 3, NaN, NaN},    // coincident
        {0, 0, 1, 0, 0, 1, 1, 1, -INF, NaN},   // horizontal
        {0, 0, 0, 5, 3, 0, 3, 5, INF, INF},    // vertical
    };
    auto same = [](float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    for (const Row &r : rows) {
        float x = -1, y = -1;
        intersect_lines(r.x1, r.y1, r.x2, r.y2, r.x3, r.y3, r.x4, r.y4, &x, &y);
        EXPECT_TRUE(same(x, r.x) && same(y, r.y)) << "(" << r.x1 << "," << r.y1 << ")-(" << r.x2 << "," << r.y2 << ") with (" << r.x3 << ","
                          << r.y3 << ")-(" << r.x4 << "," << r.y4 << ") gave " << x << "," << y;
    }
}
