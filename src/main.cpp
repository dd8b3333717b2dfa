// vorkkeli: a top-down driving toy. main reads as start-up, the frame loop
// (events, controls, motion, drawing, flip) and shutdown.
#include "vorkkeli.h"

int main(int argc, char *argv[])
{
    (void)argc; // the game takes no options
    (void)argv;

    // Initialization
    static PlayState ps;
    if (start_up(ps) != 0)
        return 1;

    // Main loop: a quit request still finishes and shows its frame.
    while (!ps.quit) {
        drain_events(ps);
        apply_controls(ps);
        step_motion(ps);
        draw_frame(ps);
        SDL_Flip(screen);
    }

    // De-initialization
    shut_down(ps);
    return 0;
}
