// One frame (a tic) from its gathered input: controls, motion, the piston's
// swing in the engine view, then the picture: clear, colour keys, the view.
#include "controls.h"
#include "driving_view.h"
#include "engine_view.h"
#include "images.h"
#include "motion.h"

// Drawing only reads the state.
static void draw_frame(const PlayState &ps)
{
    SDL_FillRect(screen, NULL, SDL_MapRGB(screen->format, 0, 0, 0));
    apply_colour_keys();
    if (ps.view_mode == VIEW_DRIVING)
        draw_driving_view(ps);
    else if (ps.view_mode == VIEW_ENGINE)
        draw_engine_view(ps);
}

// A quit request does not cut the frame short: it runs to the end, and the
// loop ends at its next test.
void run_tic(PlayState &ps, const TicCmd &cmd)
{
    if (cmd.quit)
        ps.quit = 1;
    apply_controls(ps, cmd);
    step_motion(ps);
    if (ps.view_mode == VIEW_ENGINE) // the swing advances only while it is shown
        step_piston(ps);
    draw_frame(ps);
}
