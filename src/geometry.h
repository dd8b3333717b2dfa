// Line intersection: a stand-alone utility nothing in the game calls.
#ifndef GEOMETRY_H
#define GEOMETRY_H

void intersect_lines(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4,
                     float *out_x, float *out_y);

#endif
