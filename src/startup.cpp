// Start-up and shutdown of the whole program: the initial play state, SDL,
// the window, the assets, and releasing them. The game, tools and tests share it.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "vorkkeli.h"

void init_play_state(PlayState &ps)
{
    std::memset(&ps, 0, sizeof ps); // fields without an initial value start at zero
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

void shut_down(PlayState &ps)
{
    free_images();
    free_sound(ps.sound_chunk);
    SDL_Quit();
}
