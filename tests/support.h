// Small surfaces and pixel access for the tests, plus a fresh screen per test.
#ifndef TEST_SUPPORT_H
#define TEST_SUPPORT_H

#include "vorkkeli.h"

// A software surface of the given depth with the usual masks (no alpha).
SDL_Surface *make_surface(int w, int h, int bpp);
// A surface filled with one colour.
SDL_Surface *solid(int w, int h, int bpp, Uint8 r, Uint8 g, Uint8 b);
void put_rgb(SDL_Surface *s, int x, int y, Uint8 r, Uint8 g, Uint8 b);
Uint32 get_raw(SDL_Surface *s, int x, int y);
// The pixel as 0xRRGGBB.
Uint32 rgb_at(SDL_Surface *s, int x, int y);
// Replaces `screen` with a black 640 x 480 x 32 surface and every image handle with null.
void reset_surfaces();

#endif
