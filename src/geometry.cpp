// Line intersection: where two unbounded lines, each given by two points, cross.
// A stand-alone utility in single precision; nothing in the game calls it.
#include "geometry.h"

// Stands in for the slope of a vertical line; exactly representable as a float.
static const float VERTICAL_SLOPE = 1e10f;

static float slope(float xa, float ya, float xb, float yb)
{
    double run = (double)xb - xa;
    if (run == 0.0 || run != run) // vertical, or not a number
        return VERTICAL_SLOPE;
    return (float)((yb - (double)ya) / run);
}

// Cramer's rule on A x + B y = -K with B = -1. Parallel lines give infinities
// or NaNs by IEEE rules, unreported. The intercept comes from each line's first
// point, so swapping a line's points can move the result.
void intersect_lines(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                     float *out_x, float *out_y)
{
    float m1 = slope(x1, y1, x2, y2);
    float m2 = slope(x3, y3, x4, y4);
    float k1 = (float)(y1 - (double)m1 * x1);
    float k2 = (float)(y3 - (double)m2 * x3);
    float a1 = m1, b1 = -1.0f, c1 = k1;
    float a2 = m2, b2 = -1.0f, c2 = k2;
    float inv = (float)(1.0 / ((double)a1 * b2 - (double)a2 * b1));
    *out_x = (float)(((double)b1 * c2 - (double)b2 * c1) * inv);
    *out_y = (float)(((double)a2 * c1 - (double)a1 * c2) * inv);
}
