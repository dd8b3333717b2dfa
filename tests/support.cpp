// Helpers of the unit tests, and their main: SDL's dummy drivers stand in
// for a display and a sound card, and no caller's display is reached.
#include "support.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>

SDL_Surface *solid(int w, int h, Uint32 rgb)
{
    SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0x0000FF, 0x00FF00, 0xFF0000, 0);
    SDL_FillRect(s, NULL, SDL_MapRGB(s->format, rgb >> 16, rgb >> 8 & 0xFF, rgb & 0xFF));
    return s;
}

Uint32 rgb_at(SDL_Surface *s, int x, int y)
{
    Uint32 value = 0;
    int bytes = s->format->BytesPerPixel;
    std::memcpy(&value, (Uint8 *)s->pixels + y * s->pitch + x * bytes, bytes);
    Uint8 r, g, b;
    SDL_GetRGB(value, s->format, &r, &g, &b);
    return (Uint32)r << 16 | (Uint32)g << 8 | b;
}

void reset_surfaces()
{
    free_images();
    screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 640, 480, 32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
}

PlayState fresh_state()
{
    PlayState ps;
    init_play_state(ps);
    return ps;
}

void step(PlayState &ps, int pointer_x, std::initializer_list<int> held)
{
    Uint8 keys[SDLK_LAST] = {};
    for (int key : held)
        keys[key] = 1;
    act_on_controls(ps, keys, pointer_x, 0);
    step_motion(ps);
}

int main(int argc, char **argv)
{
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("DBUS_SESSION_BUS_ADDRESS");
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
