// Start-up and shutdown of the whole program: the initial play state, SDL,
// the display surface asked of the platform, the assets, and releasing them.
// The game, tools and tests share it.
#include <cstdio>
#include <cstring>

#include "driving_view.h"
#include "i_system.h"
#include "i_video.h"
#include "images.h"
#include "sound.h"
#include "track.h"

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

int start_up(PlayState &ps)
{
    i_init_system();
    SDL_Init(SDL_INIT_VIDEO);
    init_play_state(ps);
    screen = i_open_screen("vorkkeli v. ~0,001 ^-^", ps.screen_width, ps.screen_height);
    if (screen == NULL) { // every frame would draw on nothing
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
