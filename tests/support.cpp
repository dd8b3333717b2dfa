// Small surfaces and pixel access for the tests, plus a fresh screen per test.
#include "support.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>

SDL_Surface *make_surface(int w, int h, int bpp)
{
    switch (bpp) {
    case 16: return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, 0xF800, 0x07E0, 0x001F, 0);
    case 24: return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0x0000FF, 0x00FF00, 0xFF0000, 0);
    default: return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
    }
}

SDL_Surface *solid(int w, int h, int bpp, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Surface *s = make_surface(w, h, bpp);
    SDL_FillRect(s, NULL, SDL_MapRGB(s->format, r, g, b));
    return s;
}

void put_rgb(SDL_Surface *s, int x, int y, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Rect at = {(Sint16)x, (Sint16)y, 1, 1};
    SDL_FillRect(s, &at, SDL_MapRGB(s->format, r, g, b));
}

Uint32 get_raw(SDL_Surface *s, int x, int y)
{
    Uint32 value = 0;
    int bpp = s->format->BytesPerPixel;
    std::memcpy(&value, (Uint8 *)s->pixels + y * s->pitch + x * bpp, bpp);
    return value;
}

Uint32 rgb_at(SDL_Surface *s, int x, int y)
{
    Uint8 r, g, b;
    SDL_GetRGB(get_raw(s, x, y), s->format, &r, &g, &b);
    return (Uint32)r << 16 | (Uint32)g << 8 | b;
}

PlayState fresh_state()
{
    PlayState ps;
    init_play_state(ps);
    return ps;
}

void controls_with(PlayState &ps, int pointer_x, std::initializer_list<int> held, int buttons)
{
    Uint8 keys[SDLK_LAST] = {};
    for (int key : held)
        keys[key] = 1;
    act_on_controls(ps, keys, pointer_x, buttons);
}

void reset_surfaces()
{
    free_images();
    screen = solid(640, 480, 32, 0, 0, 0);
}

// No display and no sound card in a test: SDL's dummy drivers stand in.
int main(int argc, char **argv)
{
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
