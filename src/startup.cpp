// Start-up and shutdown of the whole program: the initial play state, SDL,
// the window, the assets, and releasing them. The game and the tools share it.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vorkkeli.h"

void init_play_state(PlayState &ps)
{
    std::memset(&ps, 0, sizeof ps); // fields the game never initialised start at zero
    ps.screen_width = 640;
    ps.screen_height = 480;
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

// Without a display SDL quietly falls back to a driver that shows nothing, and
// the game would run unseen until killed. Those drivers count only when asked for.
static bool display_missing()
{
    char name[32] = "";
    SDL_VideoDriverName(name, sizeof name);
    bool headless = std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0;
    return headless && getenv("SDL_VIDEODRIVER") == NULL;
}

// Says whether no display was named at all, or the one named would not open.
static void report_missing_display()
{
    const char *x11 = getenv("DISPLAY"), *wayland = getenv("WAYLAND_DISPLAY");
    x11 = x11 != NULL ? x11 : "";
    wayland = wayland != NULL ? wayland : "";
    if (*x11 == '\0' && *wayland == '\0')
        fprintf(stderr, "Näyttöä ei löytynyt: peli tarvitsee X- tai Wayland-näytön (DISPLAY tai WAYLAND_DISPLAY).\n");
    else
        fprintf(stderr, "Näyttöön ei saatu yhteyttä (DISPLAY=%s, WAYLAND_DISPLAY=%s): onko näyttöpalvelin käynnissä?\n",
                x11, wayland);
}

// Returns 0 when the frame loop may begin, 1 when the program must end with
// that status (its message printed and SDL shut down).
int start_up(PlayState &ps)
{
    // The frame schedule keeps the game's rate; waiting for the display's
    // refresh as well keeps the picture whole. SDL 1.2 on SDL2 only waits
    // when asked, and a user's own setting of the variable wins.
    setenv("SDL12COMPAT_SYNC_TO_VBLANK", "1", 0);

    SDL_Init(SDL_INIT_VIDEO);
    init_play_state(ps);
    SDL_WM_SetCaption("vorkkeli v. ~0,001 ^-^", NULL);
    screen = SDL_SetVideoMode(ps.screen_width, ps.screen_height, 32,
                              SDL_FULLSCREEN | SDL_DOUBLEBUF | SDL_HWSURFACE);
    if (screen == NULL) { // every frame would draw on nothing
        fprintf(stderr, "Näyttötilaa ei saatu avattua: %s\n", SDL_GetError());
        SDL_Quit();
        return 1;
    }
    if (display_missing()) {
        report_missing_display();
        screen = NULL; // SDL_Quit releases the display surface
        SDL_Quit();
        return 1;
    }
    load_images();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) {
        fprintf(stderr, "SDL:n alustus ei onnistunut: %s", SDL_GetError());
        SDL_Quit(); // nothing else gives a full-screen display back on exit here
        return 1;
    }
    ps.sound_chunk = open_sound();
    return 0;
}

void shut_down(PlayState &ps)
{
    free_images();
    free_sound(ps.sound_chunk);
    SDL_Quit();
}
