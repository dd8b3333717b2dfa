// The frame loop: a frame in each slot of the 60-a-second schedule, its input
// gathered at the platform edge, and a late frame's picture left unshown.
#include "vorkkeli.h"

// The library is asked in a fixed order: the event queue, then the states.
static bool gather_tic(TicCmd &cmd)
{
    cmd.quit = drain_events();
    return i_read_controls(cmd);
}

// Every rate in the game is per frame, so a frame runs every 1/60 s whatever
// the display's rate. quit is tested only here, at the top: the frame that
// brought the request still runs and is shown.
void run_game_loop(PlayState &ps)
{
    static TicCmd cmd;
    FrameSchedule schedule = start_schedule(i_now_ns());
    while (!ps.quit) {
        i_wait_until_ns(frame_start(schedule, i_now_ns()));
        if (!gather_tic(cmd))
            break;
        run_tic(ps, cmd);
        i_finish_frame(ps, frame_in_time(schedule, i_now_ns()));
        next_frame(schedule);
    }
}
