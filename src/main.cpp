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

    // Main loop: a frame every 1/60 s, whatever the display's rate, since
    // every rate in the game is per frame. A quit request still finishes
    // its frame.
    FrameSchedule schedule = start_schedule(monotonic_ns());
    while (!ps.quit) {
        wait_until_ns(frame_start(schedule, monotonic_ns()));
        drain_events(ps);
        apply_controls(ps);
        step_motion(ps);
        draw_frame(ps);
        if (frame_shown(schedule, monotonic_ns()))
            SDL_Flip(screen);
    }

    // De-initialization
    shut_down(ps);
    return 0;
}
