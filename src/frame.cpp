// The fixed steps of every frame around the controls and the motion: draining
// the event queue, and clearing, keying and drawing the selected view.
#include "vorkkeli.h"

// Only Escape and the close request come from the queue; the keys that drive
// the car are read as states. Draining goes on after a quit request.
void drain_events(PlayState &ps)
{
    static SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)
            ps.quit = 1;
        if (event.type == SDL_QUIT)
            ps.quit = 1;
    }
}

// Clear, key and draw, in both views; the flip is the caller's.
void draw_frame(PlayState &ps)
{
    SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, 0, 0, 0));
    apply_colour_keys();
    if (ps.view_mode == VIEW_DRIVING)
        draw_driving_view(ps);
    else if (ps.view_mode == VIEW_ENGINE)
        draw_engine_view(ps);
}

// A whole frame but the flip, with the inputs given instead of read from SDL:
// the replay tool and the benchmark run the game's frames through this.
void run_frame(PlayState &ps, const Uint8 *keys, int pointer_x, int buttons)
{
    act_on_controls(ps, keys, pointer_x, buttons);
    step_motion(ps);
    draw_frame(ps);
}
