// Helpers of the unit tests: made-up surfaces, reading a pixel back, and the
// game's own controls and motion run from given inputs.
#ifndef TEST_SUPPORT_H
#define TEST_SUPPORT_H

#include <initializer_list>

#include "vorkkeli.h"

// A plain 24-bit RGB surface of one colour (0xRRGGBB), as a PNG loads.
SDL_Surface *solid(int w, int h, Uint32 rgb);
// The pixel as 0xRRGGBB.
Uint32 rgb_at(SDL_Surface *s, int x, int y);
// Frees every image and makes `screen` a black 640 x 480 x 32 surface.
void reset_surfaces();
PlayState fresh_state();
// One frame of controls and motion with the pointer at x and these keys held.
void step(PlayState &ps, int pointer_x, std::initializer_list<int> held = {});

#endif
