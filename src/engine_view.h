// The engine view: the piston's swing, and drawing it.
#ifndef ENGINE_VIEW_H
#define ENGINE_VIEW_H

#include "vorkkeli.h"

void step_piston(PlayState &ps);
int piston_y(const PlayState &ps);
void draw_engine_view(const PlayState &ps);

#endif
