// The track: the fixed grid of tile codes and drawing it.
#ifndef TRACK_H
#define TRACK_H

#include "vorkkeli.h"

void init_track(TrackMap track);
void draw_track(SDL_Surface *dst, const TrackMap track, float map_origin_x, float map_origin_y);

#endif
