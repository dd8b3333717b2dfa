// Line intersection, including the infinities and NaNs of parallel lines.
#include <gtest/gtest.h>

#include <cmath>

#include "support.h"

struct Point { float x, y; };

static Point cross(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    Point p = {-1, -1};
    intersect_lines(x1, y1, x2, y2, x3, y3, x4, y4, &p.x, &p.y);
    return p;
}

TEST(Geometry, CrossingsIncludingVerticalLines)
{
    Point p = cross(0, 0, 10, 10, 0, 10, 10, 0);
    EXPECT_FLOAT_EQ(p.x, 5);
    EXPECT_FLOAT_EQ(p.y, 5);
    p = cross(0, 0, 4, 2, 0, 2, 4, 0);
    EXPECT_FLOAT_EQ(p.x, 2);
    EXPECT_FLOAT_EQ(p.y, 1);
    // A vertical line stands in as slope 1e10: close, not exact.
    p = cross(100, 0, 100, 100, 0, 50, 200, 50);
    EXPECT_NEAR(p.x, 100, 1e-3);
    EXPECT_NEAR(p.y, 50, 1e-3);
    Point q = cross(0, 50, 200, 50, 100, 0, 100, 100);
    EXPECT_NEAR(q.x, 100, 1e-3);
    EXPECT_NEAR(q.y, 50, 1e-3);
    p = cross(1, 1, 3, 5, 2, 0, 2, 9);
    EXPECT_NEAR(p.x, 2, 1e-3);
    EXPECT_NEAR(p.y, 3, 1e-2);
    // Coincident points make a vertical line through them.
    p = cross(7, 7, 7, 7, 0, 3, 10, 3);
    EXPECT_NEAR(p.x, 7, 1e-3);
}

TEST(Geometry, ParallelLinesGiveInfinitiesOrNaN)
{
    Point p = cross(0, 0, 1, 1, 0, 1, 1, 2);
    EXPECT_EQ(p.x, -INFINITY);
    EXPECT_EQ(p.y, -INFINITY);
    p = cross(0, 0, 1, 1, 2, 2, 3, 3);
    EXPECT_TRUE(std::isnan(p.x));
    EXPECT_TRUE(std::isnan(p.y));
    p = cross(0, 0, 1, 0, 0, 1, 1, 1);
    EXPECT_EQ(p.x, -INFINITY);
    EXPECT_TRUE(std::isnan(p.y));
    p = cross(0, 0, 0, 5, 3, 0, 3, 5);
    EXPECT_EQ(p.x, INFINITY);
    EXPECT_EQ(p.y, INFINITY);
    // A NaN run counts as vertical.
    p = cross(NAN, 0, 1, 1, 0, 0, 1, 0);
    EXPECT_TRUE(std::isnan(p.x));
}

// Slope does not depend on point order; the intercept comes from the first
// point, which single precision makes visible on a vertical line.
TEST(Geometry, SlopeIgnoresPointOrderInterceptUsesTheFirstPoint)
{
    Point a = cross(0, 0, 4, 2, 0, 2, 4, 0);
    Point b = cross(4, 2, 0, 0, 0, 2, 4, 0);
    EXPECT_EQ(a.x, b.x);
    EXPECT_EQ(a.y, b.y);
    // The same vertical line x = 0.001 given from (0.001, 0) or from (0.001, 9):
    // intercepts 0 - 1e7 and 9 - 1e7 survive float rounding and move the x.
    Point up = cross(0.001f, 0, 0.001f, 9, 0, 3, 5, 3);
    Point down = cross(0.001f, 9, 0.001f, 0, 0, 3, 5, 3);
    EXPECT_NEAR(up.x, 0.001, 1e-8);
    EXPECT_NEAR(down.x, 0.001, 1e-8);
    EXPECT_GT(up.x, down.x);
}
