// One frame: the event drain that gathers its quit request, and the frame's
// controls, motion, clear, colour keys and view from its gathered input.
#include "vorkkeli.h"

// Only Escape and the close request come from the queue; the keys that drive
// the car are read as states. Draining goes on after a quit request, so the
// whole queue is empty before the frame's controls run. Returns 1 on a quit request.
int drain_events()
{
    static SDL_Event event;
    int quit = 0;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE)
            quit = 1;
        if (event.type == SDL_QUIT)
            quit = 1;
    }
    return quit;
}

static void draw_frame(PlayState &ps)
{
    SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, 0, 0, 0));
    apply_colour_keys();
    if (ps.view_mode == VIEW_DRIVING)
        draw_driving_view(ps);
    else if (ps.view_mode == VIEW_ENGINE)
        draw_engine_view(ps);
}

// A quit request does not cut the frame short: it is drawn, and the loop
// ends at its next test.
void run_tic(PlayState &ps, const TicCmd &cmd)
{
    if (cmd.quit)
        ps.quit = 1;
    apply_controls(ps, cmd);
    step_motion(ps);
    draw_frame(ps);
}
