// Start-up and shutdown of the whole program: the initial play state, SDL,
// the window, the assets, and releasing them. The game, tools and tests share it.
#include <SDL_image.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "driving_view.h"
#include "i_system.h"
#include "images.h"
#include "sound.h"
#include "track.h"
#include "window_icon.h"

SDL_Surface *screen = NULL;

void init_play_state(PlayState &ps)
{
    std::memset(&ps, 0, sizeof ps); // fields without an initial value start at zero
    ps.screen_width = SCREEN_WIDTH;
    ps.screen_height = SCREEN_HEIGHT;
    ps.quit = 0;
    ps.pos_x = 320.0f;
    ps.map_origin_x = 0.0f;
    ps.pos_y = 240.0f;
    ps.map_origin_y = 0.0f;
    ps.mouse_x = 0;
    ps.piston_offset = 0.0f;
    ps.piston_phase = 0.0f;
    ps.speed = 1.0f;
    init_track(ps.track);
    ps.heading = 0.0f;
    ps.yaw_rate = 0.0f;
    ps.travel_heading = 0.0f;
    ps.view_mode = VIEW_DRIVING;
    ps.drive_mode = DRIVE_GRIP;
    ps.steer = 1.0f;
    ps.sound_chunk = NULL;
}

// The car as the window's icon, set before the video mode as SDL 1.2 wants
// it: 32 x 32, with a mask (a bit a pixel, rows whole bytes) of its opaque
// pixels. A picture that does not load leaves SDL's own icon.
static void set_window_icon()
{
    SDL_Surface *icon = IMG_Load_RW(SDL_RWFromConstMem(WINDOW_ICON_PNG, sizeof WINDOW_ICON_PNG), 1);
    if (icon == NULL || icon->format->BytesPerPixel != 4) {
        SDL_FreeSurface(icon);
        return;
    }
    int row_bytes = (icon->w + 7) / 8;
    std::vector<Uint8> mask(row_bytes * icon->h);
    SDL_LockSurface(icon);
    for (int y = 0; y < icon->h; y++)
        for (int x = 0; x < icon->w; x++) {
            Uint32 pixel = ((Uint32 *)((Uint8 *)icon->pixels + y * icon->pitch))[x];
            Uint8 r, g, b, a;
            SDL_GetRGBA(pixel, icon->format, &r, &g, &b, &a);
            if (a >= 128)
                mask[y * row_bytes + x / 8] |= (Uint8)(0x80 >> (x % 8));
        }
    SDL_UnlockSurface(icon);
    SDL_WM_SetIcon(icon, mask.data());
    SDL_FreeSurface(icon);
}

// The title, the icon and the full-screen mode; 0 with screen set, or 1 with
// the reason printed and SDL shut down.
static int open_window(const PlayState &ps)
{
    SDL_WM_SetCaption("vorkkeli v. ~0,001 ^-^", NULL);
    set_window_icon();
    screen = SDL_SetVideoMode(ps.screen_width, ps.screen_height, 32,
                              SDL_FULLSCREEN | SDL_DOUBLEBUF | SDL_HWSURFACE);
    if (screen == NULL) { // every frame would draw on nothing
        fprintf(stderr, "Näyttötilaa ei saatu avattua: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    if (i_display_ready(ps) != 0) {
        screen = NULL; // SDL_Quit releases the display surface
        SDL_Quit();
        return 1;
    }
    return 0;
}

int start_up(PlayState &ps)
{
    i_init_system();
    SDL_Init(SDL_INIT_VIDEO);
    init_play_state(ps);
    if (open_window(ps) != 0)
        return 1;
    load_images();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) {
        fprintf(stderr, "SDL:n alustus ei onnistunut: %s", SDL_GetError());
        SDL_Quit(); // nothing else gives a full-screen display back on exit here
        return 1;
    }
    ps.sound_chunk = open_sound();
    return 0;
}

// Freeing the display surface is a no-op that SDL_Quit completes.
void shut_down(PlayState &ps)
{
    SDL_Surface **handles[] = {&screen, &kuula, &kuva, &laatta1, &laatta2,
                               &laatta3, &mopo, &piston, &vehicle_rotated, &volvo};
    for (SDL_Surface **handle : handles) {
        SDL_FreeSurface(*handle);
        *handle = NULL;
    }
    free_sound(ps.sound_chunk);
    SDL_Quit();
}
