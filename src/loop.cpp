// The frame loop: a tic per refresh of a 60 Hz display or per slot of the
// 60-a-second schedule, each from its own input gathered at the platform
// edge, and a picture drawn and shown only for the tics the pacer shows.
#include "i_input.h"
#include "i_timer.h"
#include "i_video.h"
#include "pacer.h"

// Every rate in the game is per tic, so a tic runs every 1/60 s, or once per
// refresh of a display within 0.5 % of 60 Hz. Behind the schedule (drawing
// slower than a slot, or the machine busy elsewhere), the due tics run one
// after another, each from its own input, and only the last of them is drawn
// (at most six in a row go undrawn). quit is tested only here, at the top:
// the tic that brought the request is drawn and shown, however late.
void run_game_loop(PlayState &ps)
{
    static TicCmd cmd;
    static FramePacer pacer;
    pacer = start_pacer(i_now_ns(), i_animation_frames());
    while (!ps.quit) {
        i_wait_until_ns(pacer_frame_start(pacer, i_now_ns()));
        long long began_cpu = i_cpu_ns();
        if (!i_gather_tic(cmd))
            break;
        run_tic(ps, cmd);
        bool shown = pacer_shows_tic(pacer, i_now_ns(), i_cpu_ns() - began_cpu) || ps.quit;
        if (shown)
            draw_frame(ps);
        long long drawn = i_now_ns();
        i_finish_frame(ps, shown);
        pacer_frame_done(pacer, shown, drawn, i_now_ns());
    }
}
