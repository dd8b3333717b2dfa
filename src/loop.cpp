// The frame loop: a frame per refresh of a 60 Hz display or per slot of the
// 60-a-second schedule, its input gathered at the platform edge first, and a
// late frame's picture left unshown.
#include "i_system.h"
#include "pacer.h"

// Every rate in the game is per frame, so a frame runs every 1/60 s, or once
// per refresh of a display within 0.5 % of 60 Hz. quit is tested only here,
// at the top: the frame that brought the request still runs to its end and
// is shown, however late.
void run_game_loop(PlayState &ps)
{
    static TicCmd cmd;
    static FramePacer pacer;
    pacer = start_pacer(i_now_ns());
    while (!ps.quit) {
        i_wait_until_ns(pacer_frame_start(pacer, i_now_ns()));
        long long began = i_now_ns();
        if (!i_gather_tic(cmd))
            break;
        run_tic(ps, cmd);
        bool shown = pacer_frame_drawn(pacer, began, i_now_ns()) || ps.quit;
        i_finish_frame(ps, shown);
        pacer_frame_done(pacer, shown, i_now_ns());
    }
}
