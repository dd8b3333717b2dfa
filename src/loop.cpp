// The frame loop: a frame per refresh of a 60 Hz display or per slot of the
// 60-a-second schedule, its input gathered at the platform edge, and a late
// frame's picture left unshown.
#include "vorkkeli.h"

// The library is asked in a fixed order: the event queue, then the states.
static bool gather_tic(TicCmd &cmd)
{
    cmd.quit = drain_events();
    return i_read_controls(cmd);
}

// Every rate in the game is per frame, so a frame runs every 1/60 s, or once
// per refresh of a display within 0.5 % of 60 Hz. quit is tested only here,
// at the top: the frame that brought the request still runs and is shown.
void run_game_loop(PlayState &ps)
{
    static TicCmd cmd;
    static FramePacer pacer;
    pacer = start_pacer(i_now_ns());
    while (!ps.quit) {
        i_wait_until_ns(pacer_frame_start(pacer, i_now_ns()));
        if (!gather_tic(cmd))
            break;
        run_tic(ps, cmd);
        long long drawn = i_now_ns();
        bool shown = pacer_may_show(pacer, drawn);
        i_finish_frame(ps, shown);
        pacer_frame_done(pacer, drawn, shown, i_now_ns());
    }
}
