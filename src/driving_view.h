// The driving view: backdrop, track, the turned car and the two marks.
#ifndef DRIVING_VIEW_H
#define DRIVING_VIEW_H

#include "vorkkeli.h"

// The car turned for the latest driving frame; null before the first.
extern SDL_Surface *vehicle_rotated;

double sprite_rotation(const PlayState &ps);
int sprite_position(float centre, int rotated_size, int footprint_size);
void draw_driving_view(const PlayState &ps);

#endif
