// One tic from its gathered input: controls, motion, the piston's swing in
// the engine view; and apart from it, a picture of the state: clear, colour
// keys, the view.
#include "controls.h"
#include "driving_view.h"
#include "engine_view.h"
#include "images.h"
#include "motion.h"

// Drawing only reads the state, so a tic that is not shown need not draw.
void draw_frame(const PlayState &ps)
{
    SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, 0, 0, 0));
    apply_colour_keys();
    if (ps.view_mode == VIEW_DRIVING)
        draw_driving_view(ps);
    else if (ps.view_mode == VIEW_ENGINE)
        draw_engine_view(ps);
}

// A quit request does not cut the tic short: it runs to the end, its picture
// is shown, and the loop ends at its next test.
void run_tic(PlayState &ps, const TicCmd &cmd)
{
    if (cmd.quit)
        ps.quit = 1;
    apply_controls(ps, cmd);
    step_motion(ps);
    if (cmd.keys[SDLK_r]) // after the step, so the tic shows the car where it started
        put_car_back(ps);
    if (ps.view_mode == VIEW_ENGINE) // the swing advances only in the engine view's tics
        step_piston(ps);
}
