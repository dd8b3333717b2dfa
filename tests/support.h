// Small surfaces and pixel access for the tests, plus a fresh screen per test.
#ifndef TEST_SUPPORT_H
#define TEST_SUPPORT_H

#include <initializer_list>

#include "vorkkeli.h"

// A software surface of the given depth with the usual masks (no alpha).
SDL_Surface *make_surface(int w, int h, int bpp);
// A surface filled with one colour.
SDL_Surface *solid(int w, int h, int bpp, Uint8 r, Uint8 g, Uint8 b);
void put_rgb(SDL_Surface *s, int x, int y, Uint8 r, Uint8 g, Uint8 b);
Uint32 get_raw(SDL_Surface *s, int x, int y);
// The pixel as 0xRRGGBB.
Uint32 rgb_at(SDL_Surface *s, int x, int y);
// The play state as the game starts it.
PlayState fresh_state();
// The controls step of one frame with these keys held.
void controls_with(PlayState &ps, int pointer_x, std::initializer_list<int> held, int buttons = 0);
// Replaces `screen` with a black 640 x 480 x 32 surface and every image handle with null.
void reset_surfaces();

#endif
